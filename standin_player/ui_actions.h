// Acting on the plug-in's windows as a user would. Clicks are posted, not sent,
// so a modal window that a click opens runs in its own loop while the script goes on.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace standin {

// A visible top-level window of this process with exactly this caption, else null.
HWND FindTopWindow(const std::wstring& caption);
// A descendant control whose caption, with '&' markers removed, matches; a visible
// one first, as several pages of a window may hold controls of the same caption.
HWND FindControl(HWND window, const std::wstring& caption);
// The ordinal-th list box among the window's descendants (0-based).
HWND FindListBox(HWND window, int ordinal);

bool IsChecked(HWND control);
// Why a user could not act on the control now, or empty when they could.
std::string Unreachable(HWND window, HWND control);

void PostClick(HWND control);
// Scrolls the item into view and posts a click (or a double-click) on it; false
// when there is no such item.
bool PostItemClick(HWND list, int index, bool doubleClick);
// As the close box does.
void PostClose(HWND window);

// A tab control among the window's descendants holding a tab of this caption, and
// the tab's index; null when there is none.
HWND FindTab(HWND window, const std::wstring& caption, int* index);
// Posts a click on the tab, which switches pages as a user's click does.
bool PostTabClick(HWND tabs, int index);

// A message box waiting for its user.
struct MessageBoxInfo {
  std::wstring text;
  std::wstring caption;
  const char* icon = "none";  // error, warning, information, question, other or none
  HWND owner = nullptr;
};

// The visible message boxes of this process.
std::vector<HWND> FindMessageBoxes();
MessageBoxInfo DescribeMessageBox(HWND box);
// Presses the box's default button; its loop ends once this returns.
void PressDefaultButton(HWND box);

// The window's caption.
std::wstring TextOf(HWND window);

// The window as it shows on screen, as a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::wstring& path);

}  // namespace standin
