// Keeps the stand-in alive when the plug-in crashes: a processor fault inside a
// guarded call ends that call instead of the process.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

struct Fault {
  DWORD code = 0;
  void* address = nullptr;
  std::string Describe() const;
};

namespace detail {
struct GuardFrame {
  void* jump[5];
  DWORD sehHead;
  GuardFrame* outer;
  Fault fault;
};
void Enter(GuardFrame* frame);
void Leave(GuardFrame* frame);
}  // namespace detail

// Installs the process-wide fault filter; call once at start.
void InstallFaultFilter();

// Runs body; false (with the fault filled in) when it faulted. Nested guards are
// fine: the innermost one catches. __builtin_setjmp keeps this function out of line.
template <class Body>
bool RunGuarded(Body&& body, Fault* fault) {
  detail::GuardFrame frame;
  if (__builtin_setjmp(frame.jump) == 0) {
    detail::Enter(&frame);
    body();
    detail::Leave(&frame);
    return true;
  }
  detail::Leave(&frame);
  if (fault) *fault = frame.fault;
  return false;
}

}  // namespace standin
