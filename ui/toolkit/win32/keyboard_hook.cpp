// Dialog keys for modeless windows inside a message loop that is not ours.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "ui/toolkit/form.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/lifetime.h"
#include "ui/toolkit/win32/window_peer.h"

namespace toolkit {
namespace {

HHOOK gHook = nullptr;
std::vector<Form*> gShown;

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    MSG& msg = *reinterpret_cast<MSG*>(lParam);
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
      HWND root = GetAncestor(msg.hwnd, GA_ROOT);
      for (Form* form : gShown) {
        if (form->Handle() == root && IsDialogMessageW(root, &msg)) {
          msg.message = WM_NULL;  // handled: the host's loop dispatches nothing
          break;
        }
      }
    }
  }
  return CallNextHookEx(gHook, code, wParam, lParam);
}

}  // namespace

void EnableDialogKeys(Form& form, bool shown) {
  gShown.erase(std::remove(gShown.begin(), gShown.end(), &form), gShown.end());
  if (shown && form.Handle()) gShown.push_back(&form);
  if (!gShown.empty() && !gHook)
    gHook = SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId());
  if (gShown.empty()) RemoveDialogKeyHook();
}

void RemoveDialogKeyHook() {
  gShown.clear();
  if (!gHook) return;
  UnhookWindowsHookEx(gHook);
  gHook = nullptr;
}

bool DialogKeyHookInstalled() {
  return gHook != nullptr;
}

void ShutdownToolkit() {
  RemoveDialogKeyHook();
  win32::UnregisterClasses();
}

}  // namespace toolkit
