// The messages a user's mouse and keyboard send, sent to the real windows.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "ui/toolkit/testing/window_actions.h"

#include "platform/win32/owned_handles.h"
#include "ui/toolkit/win32/window_peer.h"

namespace toolkit::test {
namespace {

WPARAM KeysFromShift(uint8_t shift) {
  return (shift & kShift ? MK_SHIFT : 0) | (shift & kCtrl ? MK_CONTROL : 0);
}

WPARAM ButtonKey(MouseButton button) {
  return button == MouseButton::Left    ? MK_LBUTTON
         : button == MouseButton::Right ? MK_RBUTTON
                                        : MK_MBUTTON;
}

UINT MouseMessage(MouseEvent event, MouseButton button) {
  if (event == MouseEvent::Move) return WM_MOUSEMOVE;
  const bool down = event == MouseEvent::Down;
  switch (button) {
    case MouseButton::Left:
      return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case MouseButton::Right:
      return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case MouseButton::Middle:
      return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
  }
  return WM_NULL;
}

// A left click at the point; a double click is the second press of two.
void LeftClick(HWND window, LPARAM at, WPARAM keys, bool twice) {
  SendMessageW(window, WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
  SendMessageW(window, WM_LBUTTONUP, keys, at);
  if (!twice) return;
  SendMessageW(window, WM_LBUTTONDBLCLK, keys | MK_LBUTTON, at);
  SendMessageW(window, WM_LBUTTONUP, keys, at);
}

bool ClickListItem(HWND list, const WindowAction& action, bool twice) {
  SendMessageW(list, LB_SETTOPINDEX, action.index, 0);
  RECT r{};
  SendMessageW(list, LB_GETITEMRECT, action.index, reinterpret_cast<LPARAM>(&r));
  const WPARAM keys = twice ? 0 : KeysFromShift(action.shift);
  LeftClick(list, MAKELPARAM(r.left + 2, (r.top + r.bottom) / 2), keys, twice);
  return true;
}

bool ClickTab(HWND tabs, int index) {
  RECT r{};
  if (!TabCtrl_GetItemRect(tabs, index, &r)) return false;
  LeftClick(tabs, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2), 0, false);
  return true;
}

}  // namespace

bool ActOnWindow(void* handle, const WindowAction& action) {
  HWND window = static_cast<HWND>(handle);
  if (!window) return false;
  switch (action.kind) {
    case WindowAction::Kind::PressButton:
      SendMessageW(window, BM_CLICK, 0, 0);
      return true;
    case WindowAction::Kind::PressRadioItem: {
      HWND button = GetDlgItem(window, win32::kFirstRadioItemId + action.index);
      if (!button) return false;
      SendMessageW(button, BM_CLICK, 0, 0);
      return true;
    }
    case WindowAction::Kind::ClickTab:
      return ClickTab(window, action.index);
    case WindowAction::Kind::ClickListItem:
      return ClickListItem(window, action, false);
    case WindowAction::Kind::DoubleClickListItem:
      return ClickListItem(window, action, true);
    case WindowAction::Kind::Key:
      SendMessageW(window, WM_KEYDOWN, action.key, 1);
      SendMessageW(window, WM_KEYUP, action.key, 0xC0000001);
      return true;
    case WindowAction::Kind::Type:
      // As typed over a full selection; EN_CHANGE tells the control.
      SendMessageW(window, EM_SETSEL, 0, -1);
      SendMessageW(window, EM_REPLACESEL, TRUE,
                   reinterpret_cast<LPARAM>(platform::Wide(action.text)));
      return true;
    case WindowAction::Kind::CloseBox:
      SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case WindowAction::Kind::Focus:
      SetFocus(window);
      return GetFocus() == window;
    case WindowAction::Kind::Mouse: {
      WPARAM keys = KeysFromShift(action.shift);
      if (action.event == MouseEvent::Down) keys |= ButtonKey(action.button);
      SendMessageW(window, MouseMessage(action.event, action.button), keys,
                   MAKELPARAM(action.x, action.y));
      return true;
    }
  }
  return false;
}

}  // namespace toolkit::test
