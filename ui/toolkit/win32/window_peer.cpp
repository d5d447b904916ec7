#include "ui/toolkit/win32/window_peer.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/module.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/win32/dialog_container.h"

namespace toolkit::win32 {
namespace {

const wchar_t kPeerProperty[] = L"KaleidraPeer";
bool gRegistered = false;

uint8_t ShiftFromKeys(WPARAM keys) {
  uint8_t shift = kNoShift;
  if (keys & MK_SHIFT) shift |= kShift;
  if (keys & MK_CONTROL) shift |= kCtrl;
  return shift;
}

WPARAM KeysFromShift(uint8_t shift, MouseButton button, bool down) {
  WPARAM keys = 0;
  if (shift & kShift) keys |= MK_SHIFT;
  if (shift & kCtrl) keys |= MK_CONTROL;
  if (down)
    keys |= button == MouseButton::Left    ? MK_LBUTTON
            : button == MouseButton::Right ? MK_RBUTTON
                                           : MK_MBUTTON;
  return keys;
}

UINT MouseMessage(UserAction::Kind kind, MouseButton button) {
  if (kind == UserAction::Kind::MouseMove) return WM_MOUSEMOVE;
  const bool down = kind == UserAction::Kind::MouseDown;
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

}  // namespace

const wchar_t kFormClass[] = L"KaleidraForm";
const wchar_t kPanelClass[] = L"KaleidraPanel";

void RegisterClasses() {
  if (gRegistered) return;
  // comctl32 registers the tab and up-down classes only when asked; a host that never
  // asked would get a settings window without its pages.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;  // the peer takes over at creation
  wc.hInstance = platform::ModuleInstance();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  wc.lpszClassName = kPanelClass;
  wc.style = CS_DBLCLKS;
  RegisterClassExW(&wc);
  gRegistered = true;
}

void UnregisterClasses() {
  if (!gRegistered) return;
  UnregisterClassW(kFormClass, platform::ModuleInstance());
  UnregisterClassW(kPanelClass, platform::ModuleInstance());
  gRegistered = false;
}

WindowPeer::~WindowPeer() {
  if (hwnd_) DestroyWindow(hwnd_);
}

WindowPeer* WindowPeer::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<WindowPeer*>(GetPropW(hwnd, kPeerProperty)) : nullptr;
}

HWND WindowPeer::ParentHandle() const {
  Control* parent = control_.Parent();
  return parent ? static_cast<HWND>(parent->Handle()) : nullptr;
}

void WindowPeer::Create(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent,
                        const Rect& r) {
  RegisterClasses();
  static int nextId = 1000;  // clear of IDOK and IDCANCEL, which dialog keys send
  const bool child = (style & WS_CHILD) != 0;
  // Each control is a group of its own: arrow keys move the focus only among
  // the items of a radio group (made without it), never onto a label.
  if (child) style |= WS_GROUP;
  hwnd_ = CreateWindowExW(exStyle, className, Wide(control_.Caption()), style, r.left, r.top,
                          r.Width(), r.Height(), parent,
                          child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)) : nullptr,
                          platform::ModuleInstance(), nullptr);
  if (!hwnd_) return;
  detail::CountUser(1);
  SetPropW(hwnd_, kPeerProperty, this);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowPeer::Proc)));
  ApplyFont();
  if (!control_.EffectivelyEnabled()) EnableWindow(hwnd_, FALSE);
}

void WindowPeer::ApplyFont() {
  font_ = MakeFont(control_.GetFont());
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
}

void WindowPeer::Unbind() {
  RemovePropW(hwnd_, kPeerProperty);
  ForgetDialogState(hwnd_);
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  detail::CountUser(-1);
  hwnd_ = nullptr;
}

LRESULT CALLBACK WindowPeer::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowPeer* peer = FromHandle(hwnd);
  if (!peer) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    if (message == WM_NCDESTROY) {
      const WNDPROC original = peer->original_;
      peer->Unbind();
      return CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    return peer->WindowProc(message, wParam, lParam);
  } catch (...) {
    // Nothing may leave a window procedure.
    return 0;
  }
}

LRESULT WindowPeer::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(original_, hwnd_, message, wParam, lParam);
}

LRESULT WindowPeer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam) {
        HWND child = reinterpret_cast<HWND>(lParam);
        if (WindowPeer* peer = FromHandle(child)) {
          peer->OnCommand(HIWORD(wParam));
        } else {
          OnChildCommand(child, HIWORD(wParam));
        }
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (WindowPeer* peer = FromHandle(header.hwndFrom); peer && peer != this)
        if (peer->OnNotify(header)) return 0;
      break;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (WindowPeer* peer = FromHandle(item.hwndItem)) {
        peer->OnDrawItem(item);
        return TRUE;
      }
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE: {
      // A class with CS_DBLCLKS (system buttons among them) gets a second
      // quick press as a double click: it is a press all the same.
      const bool up = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
      const bool move = message == WM_MOUSEMOVE;
      const MouseButton button =
          (message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK || message == WM_RBUTTONUP)
              ? MouseButton::Right
          : (message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK || message == WM_MBUTTONUP)
              ? MouseButton::Middle
              : MouseButton::Left;
      const UserAction::Kind kind = move ? UserAction::Kind::MouseMove
                                    : up ? UserAction::Kind::MouseUp
                                         : UserAction::Kind::MouseDown;
      // The control's own handling first (a button captures and pushes itself).
      const LRESULT result = Default(message, wParam, lParam);
      if (hwnd_)
        control_.HandleMouse(kind, button, ShiftFromKeys(wParam), GET_X_LPARAM(lParam),
                             GET_Y_LPARAM(lParam));
      return result;
    }
    case WM_SETFOCUS:
      control_.HandleFocus(true);
      break;
    case WM_KILLFOCUS:
      control_.HandleFocus(false);
      break;
    case WM_NEXTDLGCTL:
    case DM_GETDEFID:
    case DM_SETDEFID:
    case WM_CLOSE:
      // Asked of a window that holds controls as of their dialog.
      if (GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
        LRESULT answer = 0;
        if (AnswerAsDialog(hwnd_, message, wParam, lParam, answer)) return answer;
      }
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void WindowPeer::Sync(Change what) {
  if (!hwnd_) return;
  const Rect& r = control_.Bounds();
  switch (what) {
    case Change::Bounds:
      MoveWindow(hwnd_, r.left, r.top, r.Width(), r.Height(), TRUE);
      break;
    case Change::Caption:
      SetWindowTextW(hwnd_, Wide(control_.Caption()));
      break;
    case Change::Font:
      ApplyFont();
      break;
    case Change::Enabled:
      EnableWindow(hwnd_, control_.EffectivelyEnabled());
      break;
    case Change::Visible:
      ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Change::Capture:
      if (control_.HasCapture()) {
        SetCapture(hwnd_);
      } else if (GetCapture() == hwnd_) {
        ReleaseCapture();
      }
      break;
    case Change::Repaint:
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Change::State:
    case Change::Items:
      break;
  }
}

bool WindowPeer::Perform(const UserAction& action) {
  if (!hwnd_) return false;
  switch (action.kind) {
    case UserAction::Kind::MouseDown:
    case UserAction::Kind::MouseMove:
    case UserAction::Kind::MouseUp:
      Send(MouseMessage(action.kind, action.button),
           KeysFromShift(action.shift, action.button, action.kind == UserAction::Kind::MouseDown),
           MAKELPARAM(action.x, action.y));
      return true;
    case UserAction::Kind::Focus:
      SetFocus(hwnd_);
      return GetFocus() == hwnd_;
    default:
      return false;
  }
}

}  // namespace toolkit::win32
