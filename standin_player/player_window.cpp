#include "standin_player/player_window.h"

#include <algorithm>
#include <string>

#include "standin_player/text.h"

namespace standin {

namespace {

constexpr wchar_t kClassName[] = L"KaleidraStandinPlayer";
constexpr UINT kSettingsCommand = 1;
constexpr UINT kFirstItemCommand = 1000;
constexpr WORD kShiftFlag = 0x2000, kCtrlFlag = 0x4000, kAltFlag = 0x8000;

bool KeyDown(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

std::wstring ShortcutText(uint32_t shortCut) {
  std::wstring text;
  if (shortCut & kCtrlFlag) text += L"Ctrl+";
  if (shortCut & kShiftFlag) text += L"Shift+";
  if (shortCut & kAltFlag) text += L"Alt+";
  const wchar_t key = static_cast<wchar_t>(shortCut & 0xFF);
  if ((key >= L'0' && key <= L'9') || (key >= L'A' && key <= L'Z')) return text + key;
  return {};
}

// The skin's preview in the top right corner, as a fixed-size swatch.
void DrawPreview(HDC dc, HBITMAP preview, const RECT& area) {
  BITMAP info{};
  if (!preview || !GetObjectW(preview, sizeof info, &info)) return;
  constexpr int kWidth = 96, kHeight = 60;
  MemoryDc source(dc);
  Selection selected(source.Get(), preview);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, area.right - kWidth, area.top, kWidth, kHeight, source.Get(), 0, 0, info.bmWidth,
             info.bmHeight, SRCCOPY);
}

}  // namespace

COLORREF LookColor(int hue, int intensity) {
  const double h = std::clamp(hue, 0, 255) * 6.0 / 256.0;
  const double v = 0.25 + 0.75 * std::clamp(intensity, 0, 100) / 100.0, s = 0.6;
  const int sector = static_cast<int>(h);
  const double f = h - sector, p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  double r = v, g = t, b = p;
  switch (sector) {
    case 1:
      r = q, g = v, b = p;
      break;
    case 2:
      r = p, g = v, b = t;
      break;
    case 3:
      r = p, g = q, b = v;
      break;
    case 4:
      r = t, g = p, b = v;
      break;
    case 5:
      r = v, g = p, b = q;
      break;
    default:
      break;
  }
  return RGB(static_cast<BYTE>(r * 255), static_cast<BYTE>(g * 255), static_cast<BYTE>(b * 255));
}

PlayerWindow::~PlayerWindow() {
  log_.OnLookChange(nullptr);
  log_.OnMenuChange(nullptr);
}

bool PlayerWindow::Create(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &PlayerWindow::WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassW(&wc);

  HMENU bar = CreateMenu();
  pluginMenu_ = CreatePopupMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(pluginMenu_), L"&Plug-in");
  AppendMenuW(bar, MF_STRING, kSettingsCommand, L"&Settings");
  window_.Reset(CreateWindowExW(0, kClassName, L"Stand-in player", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 360, 200, nullptr, bar, instance,
                                this));
  if (!window_) {
    DestroyMenu(bar);
    return false;
  }
  MarkOwnWindow(window_.Get());
  log_.OnLookChange([this] { InvalidateRect(window_.Get(), nullptr, TRUE); });
  log_.OnMenuChange([this] { RebuildMenu(); });
  RebuildMenu();
  ShowWindow(window_.Get(), SW_SHOW);
  driver_.Start();
  return true;
}

LRESULT CALLBACK PlayerWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<PlayerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(window, message, wParam, lParam);
}

LRESULT PlayerWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_COMMAND: {
      const UINT id = LOWORD(wParam);
      if (id == kSettingsCommand) driver_.ShowSettings(window);
      if (id >= kFirstItemCommand) driver_.ClickMenu(static_cast<int32_t>(id - kFirstItemCommand));
      return 0;
    }
    case WM_KEYDOWN:
      if (RunShortcut(wParam)) return 0;
      break;
    case WM_CLOSE:
      driver_.Finalize();
      driver_.Unload();
      window_.Reset();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool PlayerWindow::RunShortcut(WPARAM key) {
  for (const auto& [handle, item] : menu_.items) {
    const uint32_t s = item.record.ShortCut;
    if ((s & 0xFF) != key || s == 0) continue;
    if (((s & kCtrlFlag) != 0) != KeyDown(VK_CONTROL) ||
        ((s & kShiftFlag) != 0) != KeyDown(VK_SHIFT) || ((s & kAltFlag) != 0) != KeyDown(VK_MENU))
      continue;
    driver_.ClickMenu(handle);
    return true;
  }
  return false;
}

void PlayerWindow::RebuildMenu() {
  while (GetMenuItemCount(pluginMenu_) > 0) DeleteMenu(pluginMenu_, 0, MF_BYPOSITION);
  for (const auto& [handle, item] : menu_.items) {
    std::wstring text = WideText(item.caption);
    const std::wstring shortcut = ShortcutText(item.record.ShortCut);
    if (!shortcut.empty()) text += L"\t" + shortcut;
    AppendMenuW(pluginMenu_, MF_STRING, kFirstItemCommand + handle, text.c_str());
  }
  if (menu_.items.empty()) AppendMenuW(pluginMenu_, MF_STRING | MF_GRAYED, 0, L"(none)");
  if (window_) DrawMenuBar(window_.Get());
}

void PlayerWindow::Paint(HWND window) {
  PaintScope paint(window);
  RECT client{};
  GetClientRect(window, &client);
  Brush panel(CreateSolidBrush(LookColor(skins_.hue, skins_.intensity)));
  FillRect(paint.Get(), &client, panel.Get());
  const std::wstring skin = WideText(skins_.currentSkin);
  const std::wstring text = L"Skin: " + (skin.empty() ? L"(built-in)" : skin) + L"\nHue: " +
                            std::to_wstring(skins_.hue) + L"\nIntensity: " +
                            std::to_wstring(skins_.intensity);
  SetBkMode(paint.Get(), TRANSPARENT);
  SetTextColor(paint.Get(), skins_.intensity > 60 ? RGB(0, 0, 0) : RGB(255, 255, 255));
  InflateRect(&client, -12, -12);
  DrawTextW(paint.Get(), text.c_str(), -1, &client, DT_LEFT | DT_TOP | DT_NOPREFIX);
  DrawPreview(paint.Get(), static_cast<HBITMAP>(skins_.CurrentPreview()), client);
}

}  // namespace standin
