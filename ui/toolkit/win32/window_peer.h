// The Win32 side of a control: creates its window, pushes state into it and
// turns the window's messages into the control's events. One static window
// procedure serves our own classes and the subclassed standard controls; the
// peer is bound at creation and unbound at WM_NCDESTROY.
#pragma once

#include <windows.h>

#include "ui/toolkit/control.h"
#include "ui/toolkit/win32/gdi.h"

namespace toolkit::win32 {

// Our own window classes. RegisterClasses also has comctl32 register the classes the peers
// use, so call it before creating any window.
extern const wchar_t kFormClass[];
extern const wchar_t kPanelClass[];
void RegisterClasses();
void UnregisterClasses();

class WindowPeer : public Peer {
 public:
  explicit WindowPeer(Control& control) : control_(control) {}
  ~WindowPeer() override;
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  void* Handle() const override { return hwnd_; }
  void Sync(Change what) override;
  bool Perform(const UserAction& action) override;
  bool PaintNow(const std::function<void(Canvas&)>&) override { return false; }

  static WindowPeer* FromHandle(HWND hwnd);
  // Notifications reflected from the parent window.
  virtual void OnCommand(WORD /*code*/) {}
  virtual bool OnNotify(const NMHDR& /*header*/) { return false; }
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // A child without a peer of its own (a radio button) sent a command.
  virtual void OnChildCommand(HWND /*child*/, WORD /*code*/) {}

 protected:
  // Creates the window as a child of the parent control's window (or
  // top-level for forms); standard classes get subclassed.
  void Create(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, const Rect& r);
  void ApplyFont();
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  HWND ParentHandle() const;
  DWORD VisibleStyle() const { return control_.Visible() ? WS_VISIBLE : 0; }
  DWORD TabStopStyle() const { return control_.TabOrder() >= 0 ? WS_TABSTOP : 0; }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageW(hwnd_, message, wParam, lParam);
  }

  Control& control_;
  HWND hwnd_ = nullptr;
  FontObject font_;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Unbind();
  WNDPROC original_ = nullptr;
};

}  // namespace toolkit::win32
