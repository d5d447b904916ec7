// A user at the controls, for tests: each action goes to the control's real
// window as the system would deliver it (messages to the window), and where
// there is none it has the meaning the standard control gives it, through the
// entry points peers call. A disabled or hidden control takes no action.
#pragma once

#include <cstdint>
#include <string>

#include "ui/toolkit/control.h"

namespace toolkit {

class Button;
class CheckBox;
class Form;
class ListBox;
class Memo;
class PageControl;
class RadioGroup;
class SpinEdit;

namespace test {

void Click(Button& button);
void Click(CheckBox& box);  // toggles it
void ClickItem(RadioGroup& group, int index);
// Ctrl toggles an item of a multiple selection.
void ClickItem(ListBox& list, int index, uint8_t shift = kNoShift);
void DoubleClickItem(ListBox& list, int index);
// A key pressed while the list has the focus.
void PressKey(ListBox& list, uint16_t key, uint8_t shift = kNoShift);
// Replaces the whole text as if typed (a read-only memo ignores it).
void Type(SpinEdit& spin, const std::u16string& text);
void Type(Memo& memo, const std::u16string& text);
void SelectPage(PageControl& pages, int index);  // clicks its tab
void ClickCloseBox(Form& form);                  // where the border has one
// Moves the keyboard focus to the control (Tab or a click).
void Focus(Control& control);
// The mouse, in the control's own coordinates.
void MouseDown(Control& control, MouseButton button, int x, int y, uint8_t shift = kNoShift);
void MouseMove(Control& control, int x, int y, uint8_t shift = kNoShift);
void MouseUp(Control& control, MouseButton button, int x, int y, uint8_t shift = kNoShift);

}  // namespace test
}  // namespace toolkit
