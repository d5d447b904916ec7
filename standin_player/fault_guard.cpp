#include "standin_player/fault_guard.h"

#include <intrin.h>

#include <cstdio>

namespace standin {

namespace {

detail::GuardFrame* gInnermost = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER gPrevious = nullptr;

bool Recoverable(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INVALID_OPERATION:
      return true;
    default:
      return false;
  }
}

// Runs on the faulting stack once the exception dispatch is over.
__attribute__((noreturn)) void LandAfterFault() {
  __builtin_longjmp(gInnermost->jump, 1);
}

LONG WINAPI OnUnhandledFault(EXCEPTION_POINTERS* info) {
  const DWORD code = info->ExceptionRecord->ExceptionCode;
  if (!gInnermost || !Recoverable(code))
    return gPrevious ? gPrevious(info) : EXCEPTION_CONTINUE_SEARCH;
  gInnermost->fault.code = code;
  gInnermost->fault.address = info->ExceptionRecord->ExceptionAddress;
#if defined(_M_IX86) || defined(__i386__)
  info->ContextRecord->Eip = reinterpret_cast<DWORD>(&LandAfterFault);
#else
  info->ContextRecord->Rip = reinterpret_cast<DWORD64>(&LandAfterFault);
#endif
  return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

std::string Fault::Describe() const {
  char buf[64];
  std::snprintf(buf, sizeof buf, "code=0x%08lX address=%p", static_cast<unsigned long>(code),
                address);
  return buf;
}

void InstallFaultFilter() {
  gPrevious = SetUnhandledExceptionFilter(&OnUnhandledFault);
}

namespace detail {

void Enter(GuardFrame* frame) {
#if defined(__i386__)
  frame->sehHead = __readfsdword(0);
#endif
  frame->outer = gInnermost;
  gInnermost = frame;
}

void Leave(GuardFrame* frame) {
#if defined(__i386__)
  // After a fault the handler chain still names frames of the abandoned calls.
  __writefsdword(0, frame->sehHead);
#endif
  gInnermost = frame->outer;
}

}  // namespace detail

}  // namespace standin
