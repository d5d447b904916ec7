// The Win32 side of a control: creates its window, pushes state into it and
// turns the window's messages into the control's events. One static window
// procedure serves our own classes and our superclasses of the standard
// controls; the peer is bound at WM_NCCREATE and unbound at WM_NCDESTROY.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/toolkit/control.h"
#include "ui/toolkit/win32/gdi.h"

namespace toolkit::win32 {

// The classes peers create: two of our own and, made over the standard
// controls, classes whose procedure is ours from the first message on.
enum class WindowClass { Form, Panel, Static, Button, Edit, ListBox, Tabs };

// Registers the classes above; comctl32 registers the tab and up-down classes
// first. Call it before creating any window.
void RegisterClasses();
void UnregisterClasses();
const wchar_t* ClassName(WindowClass windowClass);

// A peer's window, counted once. Closing destroys a window still bound to its
// peer; one that has heard WM_NCDESTROY (the system destroys it, or its peer
// asked for that) is unbound already and only let go.
struct BoundWindowTraits : platform::Uncounted {
  static HWND Null() { return nullptr; }
  static void Close(HWND h);
};
using BoundWindow = platform::Owned<HWND, Counted<BoundWindowTraits, detail::CountUser>>;

// A radio group's buttons are children of the group's own window, numbered
// from here in item order.
constexpr int kFirstRadioItemId = 100;

class WindowPeer : public Peer {
 public:
  explicit WindowPeer(Control& control) : control_(control) {}
  // The window's WM_NCDESTROY lets go of it.
  ~WindowPeer() override;
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  void* Handle() const override { return hwnd_.Get(); }
  void Sync(Change what) override;
  bool PaintNow(const std::function<void(Canvas&)>&) override { return false; }

  static WindowPeer* FromHandle(HWND hwnd);
  // The procedure of every class above.
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Notifications reflected from the parent window.
  virtual void OnCommand(WORD /*code*/) {}
  virtual bool OnNotify(const NMHDR& /*header*/) { return false; }
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // A child without a peer of its own (a radio button) sent a command.
  virtual void OnChildCommand(HWND /*child*/, WORD /*code*/) {}

 protected:
  // Creates the window as a child of the parent control's window (or
  // top-level for forms).
  void Create(WindowClass windowClass, DWORD style, DWORD exStyle, HWND parent, const Rect& r);
  void ApplyFont();
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  HWND Window() const { return hwnd_.Get(); }
  HWND ParentHandle() const;
  DWORD VisibleStyle() const { return control_.Visible() ? WS_VISIBLE : 0; }
  DWORD TabStopStyle() const { return control_.TabOrder() >= 0 ? WS_TABSTOP : 0; }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(hwnd_.Get(), message, wParam, lParam);
  }

  Control& control_;
  FontObject font_;

 private:
  void Bind(HWND hwnd);
  void Unbind(HWND hwnd);
  // A form numbers its controls' windows, clear of IDOK and IDCANCEL, which
  // dialog keys send.
  static constexpr uint16_t kFirstChildId = 1000;
  uint16_t TakeChildId();

  BoundWindow hwnd_;
  WNDPROC base_ = DefWindowProcW;
  uint16_t nextChildId_ = kFirstChildId;
};

}  // namespace toolkit::win32
