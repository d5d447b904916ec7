#include "standin_player/ui_actions.h"

#include <vector>

#include "standin_player/win_handles.h"

namespace standin {

namespace {

std::wstring TextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

std::wstring WithoutAccelerators(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;  // "&&" is one literal '&'
    out += text[i];
  }
  return out;
}

bool IsListBox(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return lstrcmpiW(name, L"ListBox") == 0;
}

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

HWND FindTopWindow(const std::wstring& caption) {
  TopSearch search{&caption, nullptr};
  EnumWindows(&MatchTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindControl(HWND window, const std::wstring& caption) {
  const auto found = Descendants(window, &HasCaption, WithoutAccelerators(caption));
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
    WindowDc client(window, false);
    MemoryDc target(CreateCompatibleDC(client.Get()));
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
