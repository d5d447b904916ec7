#include "ui/toolkit/win32/dialog_container.h"

namespace toolkit::win32 {
namespace {

// The default push button's id, kept on the top-level window; none at first.
const wchar_t kDefaultIdProperty[] = L"KaleidraDefaultId";

// Moves the focus as a dialog does: an edit gets all its text selected.
void FocusControl(HWND control) {
  if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
    SendMessageW(control, EM_SETSEL, 0, -1);
  SetFocus(control);
}

// WM_NEXTDLGCTL: lParam set names the control in wParam; otherwise wParam
// says previous (non-zero) or next, in the top-level window's tab order.
void NextControl(HWND root, WPARAM wParam, LPARAM lParam) {
  if (!root) return;
  HWND target = nullptr;
  if (LOWORD(lParam)) {
    target = reinterpret_cast<HWND>(wParam);
  } else {
    HWND focus = GetFocus();
    if (focus != root && !IsChild(root, focus)) focus = nullptr;
    target = GetNextDlgTabItem(root, focus, wParam != 0);
  }
  if (target && IsChild(root, target)) FocusControl(target);
}

}  // namespace

bool AnswerAsDialog(HWND container, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_NEXTDLGCTL:
      NextControl(GetAncestor(container, GA_ROOT), wParam, lParam);
      result = 0;
      return true;
    case DM_GETDEFID: {
      const auto id =
          reinterpret_cast<UINT_PTR>(GetPropW(GetAncestor(container, GA_ROOT), kDefaultIdProperty));
      result = id ? MAKELRESULT(id, DC_HASDEFID) : 0;
      return true;
    }
    case DM_SETDEFID: {
      HWND root = GetAncestor(container, GA_ROOT);
      if (wParam) {
        SetPropW(root, kDefaultIdProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(wParam)));
      } else {
        RemovePropW(root, kDefaultIdProperty);
      }
      result = TRUE;
      return true;
    }
    case WM_CLOSE:
      // A dialog takes it for Esc, which no button of ours answers; the close
      // box and Alt+F4 come as SC_CLOSE to the top-level window instead.
      result = 0;
      return true;
    default:
      return false;
  }
}

void ForgetDialogState(HWND window) {
  RemovePropW(window, kDefaultIdProperty);
}

}  // namespace toolkit::win32
