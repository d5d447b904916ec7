#!/usr/bin/env bash
# Shows that scripts/check_pe.sh catches what it is there for: small DLLs built
# here import a function later than XP, one off the allow-list, ask for a later
# subsystem, or leave out InitCommonControlsEx, and a sound one passes.
# One line per expectation, "ok: ..." or "FAIL: ..."; exits non-zero when any failed.
set -uo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# dll NAME LINK-FLAGS CODE: a DLL exporting AIMP_QueryAddon3 that runs CODE.
dll() {
  mkdir -p "$work/$1/bin"
  cat >"$work/$1.c" <<CODE
#define _WIN32_WINNT 0x0600
#include <windows.h>
#include <commctrl.h>
#include <wchar.h>
__declspec(dllexport) int __stdcall AIMP_QueryAddon3(wchar_t* p) { $3 return 0; }
CODE
  # shellcheck disable=SC2086
  i686-w64-mingw32-gcc-win32 -shared -s -o "$work/$1/bin/orvo_aimp_kaleidra.dll" "$work/$1.c" \
    -Wl,--kill-at $2 -lcomctl32
}
expect() {  # expect WHAT DLL-NAME FAILS(0|1) LINE...: check_pe's verdict on one DLL
  local what=$1 name=$2 want=$3 out rc line missing=""
  shift 3
  out=$(bash scripts/check_pe.sh "$work/$name/bin/orvo_aimp_kaleidra.dll" i686)
  rc=$?
  for line in "$@"; do grep -qF -- "$line" <<<"$out" || missing+=" [$line]"; done
  if [ "$((rc != 0))" = "$want" ] && [ -z "$missing" ]; then
    echo "ok: check_pe $what"
  else
    echo "FAIL: check_pe $what (exit $rc, lacks:${missing:- nothing})"
    sed 's/^/    /' <<<"$out"
    failed=1
  fi
}

xp="-Wl,--major-subsystem-version,5,--minor-subsystem-version,1"
icc="INITCOMMONCONTROLSEX c = {sizeof(c), ICC_TAB_CLASSES}; InitCommonControlsEx(&c);"
dll sound "$xp" "$icc return (int)GetTickCount();"
dll late "$xp" "$icc wcscpy_s(p, 2, L\"x\"); return (int)GetTickCount64();"
dll unlisted "$xp" "$icc SYSTEM_INFO i; GetNativeSystemInfo(&i); return (int)i.dwPageSize;"
dll vista_header "-Wl,--major-subsystem-version,6,--minor-subsystem-version,0" "$icc"
dll no_icc "$xp" "return (int)GetTickCount();"

expect "passes a DLL of XP's functions" sound 0 "ok: sound/orvo_aimp_kaleidra.dll: kernel32.dll:"
expect "names imports later than XP SP3, msvcrt's _s functions too" late 1 \
  "FAIL: late/orvo_aimp_kaleidra.dll: kernel32.dll GetTickCount64 is in Windows XP SP3 (it first came with Windows Vista)" \
  "FAIL: late/orvo_aimp_kaleidra.dll: msvcrt.dll wcscpy_s is in Windows XP SP3 (it first came with Windows Vista)"
expect "names an import missing from the allow-list" unlisted 1 \
  "FAIL: unlisted/orvo_aimp_kaleidra.dll: kernel32.dll GetNativeSystemInfo is on the allow-list"
expect "fails a header asking for subsystem 6.0" vista_header 1 \
  "FAIL: vista_header/orvo_aimp_kaleidra.dll: subsystem version 6.0"
expect "fails a DLL that does not register the common controls" no_icc 1 \
  "FAIL: no_icc/orvo_aimp_kaleidra.dll: registers the common controls"
exit $failed
