#include "standin_player/ui_actions.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <vector>

#include "standin_player/win_handles.h"

namespace standin {

namespace {

std::wstring WithoutAccelerators(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;  // "&&" is one literal '&'
    out += text[i];
  }
  return out;
}

// The class, or a plug-in's class made over it, which ends with its name.
bool HasClass(HWND window, const wchar_t* className) {
  wchar_t name[64] = {};
  const int length = GetClassNameW(window, name, 64);
  const int wanted = lstrlenW(className);
  return length >= wanted && lstrcmpiW(name + length - wanted, className) == 0;
}

bool IsListBox(HWND window) {
  return HasClass(window, L"ListBox");
}

// Message boxes keep their text in a static of this id.
constexpr int kMessageBoxTextId = 0xFFFF;

struct ChildSearch {
  bool (*match)(HWND child, const std::wstring& wanted);
  const std::wstring* wanted;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM p) {
  auto* search = reinterpret_cast<ChildSearch*>(p);
  if (search->match(child, *search->wanted)) search->found.push_back(child);
  return TRUE;
}

std::vector<HWND> Descendants(HWND window, bool (*match)(HWND, const std::wstring&),
                              const std::wstring& wanted) {
  ChildSearch search{match, &wanted, {}};
  EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool HasCaption(HWND child, const std::wstring& wanted) {
  return WithoutAccelerators(TextOf(child)) == wanted;
}

bool IsListBoxChild(HWND child, const std::wstring&) {
  return IsListBox(child);
}

bool IsTabControl(HWND child, const std::wstring&) {
  return HasClass(child, WC_TABCONTROLW);
}

bool IsIconStatic(HWND child, const std::wstring&) {
  return HasClass(child, L"Static") && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

std::wstring TabCaption(HWND tabs, int index) {
  wchar_t text[256] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 256;
  return TabCtrl_GetItem(tabs, index, &item) ? std::wstring(text) : std::wstring();
}

BOOL CALLBACK CollectMessageBox(HWND window, LPARAM p) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == GetCurrentProcessId() && IsWindowVisible(window) && HasClass(window, L"#32770") &&
      GetDlgItem(window, kMessageBoxTextId))
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(window);
  return TRUE;
}

// The system's shared icons, as a message box shows them.
const char* IconName(HICON icon) {
  if (!icon) return "none";
  const struct {
    const wchar_t* id;
    const char* name;
  } kIcons[] = {{IDI_HAND, "error"},
                {IDI_EXCLAMATION, "warning"},
                {IDI_ASTERISK, "information"},
                {IDI_QUESTION, "question"}};
  for (const auto& known : kIcons)
    if (LoadIconW(nullptr, known.id) == icon) return known.name;
  return "other";
}

struct TopSearch {
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM p) {
  auto* search = reinterpret_cast<TopSearch*>(p);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  if (TextOf(window) != *search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

std::wstring TextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

HWND FindTopWindow(const std::wstring& caption) {
  TopSearch search{&caption, nullptr};
  EnumWindows(&MatchTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindControl(HWND window, const std::wstring& caption) {
  const auto found = Descendants(window, &HasCaption, WithoutAccelerators(caption));
  for (HWND control : found)
    if (IsWindowVisible(control)) return control;
  return found.empty() ? nullptr : found.front();
}

HWND FindListBox(HWND window, int ordinal) {
  const auto lists = Descendants(window, &IsListBoxChild, std::wstring());
  return ordinal >= 0 && static_cast<size_t>(ordinal) < lists.size() ? lists[ordinal] : nullptr;
}

bool IsChecked(HWND control) {
  return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string Unreachable(HWND window, HWND control) {
  if (!IsWindowEnabled(window)) return "its window is disabled";
  if (!IsWindowVisible(control)) return "it is hidden";
  if (!IsWindowEnabled(control)) return "it is disabled";
  return {};
}

void PostClick(HWND control) {
  PostMessageW(control, BM_CLICK, 0, 0);
}

bool PostItemClick(HWND list, int index, bool doubleClick) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  if (index < 0 || index >= count) return false;
  RECT client{}, item{};
  GetClientRect(list, &client);
  SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
  if (item.top < client.top || item.bottom > client.bottom) {
    SendMessageW(list, LB_SETTOPINDEX, index, 0);
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
  }
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(list, WM_LBUTTONUP, 0, at);
  if (doubleClick) {
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
  }
  return true;
}

void PostClose(HWND window) {
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

HWND FindTab(HWND window, const std::wstring& caption, int* index) {
  for (HWND tabs : Descendants(window, &IsTabControl, std::wstring())) {
    const int count = TabCtrl_GetItemCount(tabs);
    for (int i = 0; i < count; ++i) {
      if (WithoutAccelerators(TabCaption(tabs, i)) != caption) continue;
      *index = i;
      return tabs;
    }
  }
  return nullptr;
}

bool PostTabClick(HWND tabs, int index) {
  RECT item{};
  if (!TabCtrl_GetItemRect(tabs, index, &item)) return false;
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(tabs, WM_LBUTTONUP, 0, at);
  return true;
}

std::vector<HWND> FindMessageBoxes() {
  std::vector<HWND> boxes;
  EnumWindows(&CollectMessageBox, reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

MessageBoxInfo DescribeMessageBox(HWND box) {
  MessageBoxInfo info;
  info.text = TextOf(GetDlgItem(box, kMessageBoxTextId));
  info.caption = TextOf(box);
  const auto icons = Descendants(box, &IsIconStatic, std::wstring());
  if (!icons.empty())
    info.icon = IconName(reinterpret_cast<HICON>(SendMessageW(icons[0], STM_GETICON, 0, 0)));
  info.owner = GetWindow(box, GW_OWNER);
  return info;
}

void PressDefaultButton(HWND box) {
  const LRESULT def = SendMessageW(box, DM_GETDEFID, 0, 0);
  const WORD id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
  SendMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

bool SaveScreenshot(HWND window, const std::wstring& path) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;

  BITMAPINFO info = DibInfo(width, height, 24);  // bottom-up, as BMP files store rows
  void* bits = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return false;
  {
    // The frame as the window draws it, then the client area as it shows on screen.
    // Without a window manager (Xvfb) nobody draws the title bar: draw one.
    WindowDc client(window);
    MemoryDc target(client.Get());
    Selection selected(target.Get(), bitmap.Get());
    PrintWindow(window, target.Get(), 0);
    RECT inner{};
    GetClientRect(window, &inner);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    BitBlt(target.Get(), origin.x - rect.left, origin.y - rect.top, inner.right, inner.bottom,
           client.Get(), 0, 0, SRCCOPY);
    RECT bar{0, 0, width, origin.y - rect.top};
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION && bar.bottom > 0)
      DrawCaption(window, target.Get(), &bar, DC_ACTIVE | DC_TEXT | DC_GRADIENT);
  }
  GdiFlush();

  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  header.bfSize = header.bfOffBits + imageSize;
  info.bmiHeader.biSizeImage = imageSize;

  FileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.Get(), &header, sizeof header, &written, nullptr) &&
         WriteFile(file.Get(), &info.bmiHeader, sizeof(BITMAPINFOHEADER), &written, nullptr) &&
         WriteFile(file.Get(), bits, imageSize, &written, nullptr);
}

}  // namespace standin
