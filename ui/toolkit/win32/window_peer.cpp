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

// Our classes by WindowClass; a superclass keeps the standard class's
// procedure as its base.
struct ClassEntry {
  const wchar_t* name;
  const wchar_t* standard;  // the class it is made over; null for our own
  UINT style;               // of our own classes
  WNDPROC base;
  ATOM atom;
};
// Our names end with the standard ones, so a tool that looks for a list box
// or a tab control by class still finds ours.
ClassEntry gClasses[] = {
    {L"KaleidraForm", nullptr, 0, DefWindowProcW, 0},
    {L"KaleidraPanel", nullptr, CS_DBLCLKS, DefWindowProcW, 0},
    {L"KaleidraStatic", L"Static", 0, nullptr, 0},
    {L"KaleidraButton", L"Button", 0, nullptr, 0},
    {L"KaleidraEdit", L"Edit", 0, nullptr, 0},
    {L"KaleidraListBox", L"ListBox", 0, nullptr, 0},
    {L"Kaleidra" WC_TABCONTROLW, WC_TABCONTROLW, 0, nullptr, 0},
};

ClassEntry& Entry(WindowClass windowClass) {
  return gClasses[static_cast<int>(windowClass)];
}

// A window of ours made without a peer goes to its class's base procedure.
WNDPROC BaseOf(HWND hwnd) {
  const ATOM atom = static_cast<ATOM>(GetClassLongW(hwnd, GCW_ATOM));
  for (const ClassEntry& entry : gClasses)
    if (entry.atom == atom && entry.base) return entry.base;
  return DefWindowProcW;
}

}  // namespace

const wchar_t* ClassName(WindowClass windowClass) {
  return Entry(windowClass).name;
}

void RegisterClasses() {
  if (gRegistered) return;
  // comctl32 registers the tab and up-down classes only when asked; a host that never
  // asked would get a settings window without its pages.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  const HINSTANCE instance = platform::ModuleInstance();
  for (ClassEntry& entry : gClasses) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (entry.standard) {
      if (!GetClassInfoExW(nullptr, entry.standard, &wc)) continue;
      entry.base = wc.lpfnWndProc;
      wc.style &= ~CS_GLOBALCLASS;  // ours alone
    } else {
      wc.style = entry.style;
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    }
    wc.lpfnWndProc = &WindowPeer::Proc;
    wc.hInstance = instance;
    wc.lpszClassName = entry.name;
    wc.lpszMenuName = nullptr;
    entry.atom = RegisterClassExW(&wc);
  }
  gRegistered = true;
}

void UnregisterClasses() {
  if (!gRegistered) return;
  for (ClassEntry& entry : gClasses) {
    if (entry.atom) UnregisterClassW(entry.name, platform::ModuleInstance());
    entry.atom = 0;
  }
  gRegistered = false;
}

void BoundWindowTraits::Close(HWND h) {
  if (WindowPeer::FromHandle(h)) DestroyWindow(h);
}

WindowPeer::~WindowPeer() {
  if (hwnd_) DestroyWindow(hwnd_.Get());
}

WindowPeer* WindowPeer::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<WindowPeer*>(GetPropW(hwnd, kPeerProperty)) : nullptr;
}

HWND WindowPeer::ParentHandle() const {
  Control* parent = control_.Parent();
  return parent ? static_cast<HWND>(parent->Handle()) : nullptr;
}

uint16_t WindowPeer::TakeChildId() {
  if (nextChildId_ == UINT16_MAX) nextChildId_ = kFirstChildId;
  return nextChildId_++;
}

void WindowPeer::Create(WindowClass windowClass, DWORD style, DWORD exStyle, HWND parent,
                        const Rect& r) {
  RegisterClasses();
  const ClassEntry& entry = Entry(windowClass);
  if (!entry.atom) return;
  base_ = entry.base;
  const bool child = (style & WS_CHILD) != 0;
  HMENU id = nullptr;
  if (child) {
    // Each control is a group of its own: arrow keys move the focus only among
    // the items of a radio group (made without it), never onto a label.
    style |= WS_GROUP;
    if (WindowPeer* form = FromHandle(GetAncestor(parent, GA_ROOT)))
      id = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(form->TakeChildId()));
  }
  // Bound at WM_NCCREATE; a window that could not be bound is no use.
  HWND made = CreateWindowExW(exStyle, entry.name, Wide(control_.Caption()), style, r.left, r.top,
                              r.Width(), r.Height(), parent, id, platform::ModuleInstance(), this);
  if (made && !hwnd_) DestroyWindow(made);
  if (!hwnd_) return;
  ApplyFont();
  if (!control_.EffectivelyEnabled()) EnableWindow(Window(), FALSE);
}

void WindowPeer::ApplyFont() {
  font_ = MakeFont(control_.GetFont());
  Send(WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
}

void WindowPeer::Bind(HWND hwnd) {
  if (!SetPropW(hwnd, kPeerProperty, this)) return;
  hwnd_ = BoundWindow(hwnd);
}

void WindowPeer::Unbind(HWND hwnd) {
  RemovePropW(hwnd, kPeerProperty);
  ForgetDialogState(hwnd);
  hwnd_.Reset();
}

LRESULT CALLBACK WindowPeer::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto& create = *reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (auto* peer = static_cast<WindowPeer*>(create.lpCreateParams)) peer->Bind(hwnd);
  }
  WindowPeer* peer = FromHandle(hwnd);
  if (!peer) return CallWindowProcW(BaseOf(hwnd), hwnd, message, wParam, lParam);
  try {
    if (message == WM_NCDESTROY) {
      peer->Unbind(hwnd);
      return CallWindowProcW(peer->base_, hwnd, message, wParam, lParam);
    }
    return peer->WindowProc(message, wParam, lParam);
  } catch (...) {
    // Nothing may leave a window procedure.
    return 0;
  }
}

LRESULT WindowPeer::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(base_, Window(), message, wParam, lParam);
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
      const MouseEvent event = move ? MouseEvent::Move : up ? MouseEvent::Up : MouseEvent::Down;
      // The control's own handling first (a button captures and pushes itself).
      const LRESULT result = Default(message, wParam, lParam);
      if (Window())
        control_.HandleMouse(event, button, ShiftFromKeys(wParam), GET_X_LPARAM(lParam),
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
      if (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
        LRESULT answer = 0;
        if (AnswerAsDialog(Window(), message, wParam, lParam, answer)) return answer;
      }
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void WindowPeer::Sync(Change what) {
  if (!Window()) return;
  const Rect& r = control_.Bounds();
  switch (what) {
    case Change::Bounds:
      MoveWindow(Window(), r.left, r.top, r.Width(), r.Height(), TRUE);
      break;
    case Change::Caption:
      SetWindowTextW(Window(), Wide(control_.Caption()));
      break;
    case Change::Font:
      ApplyFont();
      break;
    case Change::Enabled:
      EnableWindow(Window(), control_.EffectivelyEnabled());
      break;
    case Change::Visible:
      ShowWindow(Window(), control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Change::Capture:
      if (control_.HasCapture()) {
        SetCapture(Window());
      } else if (GetCapture() == Window()) {
        ReleaseCapture();
      }
      break;
    case Change::Repaint:
      InvalidateRect(Window(), nullptr, TRUE);
      break;
    case Change::State:
    case Change::Items:
      break;
  }
}

}  // namespace toolkit::win32
