#!/usr/bin/env bash
# Checks a built plug-in DLL from its PE tables alone, so it holds on hosts that
# cannot run it: the machine, the one export, and imports of system DLLs only.
# Usage: check_pe.sh DLL i686|x86_64. Prints "ok: ..." or "FAIL: ..." per check.
set -uo pipefail
dll=${1:?dll}
arch=${2:?arch}
case $arch in
  i686) format=pei-i386 ;;
  x86_64) format=pei-x86-64 ;;
  *) echo "FAIL: unknown architecture $arch"; exit 1 ;;
esac
objdump=$arch-w64-mingw32-objdump
name=$(basename "$(dirname "$(dirname "$dll")")")/$(basename "$dll")
failed=0
check() {  # check WHAT CONDITION-RESULT DETAIL
  if [ "$2" = 0 ]; then echo "ok: $name: $1"; else echo "FAIL: $name: $1 ($3)"; failed=1; fi
}

if ! dump=$("$objdump" -p "$dll" 2>&1); then
  echo "FAIL: $name: $objdump cannot read it"
  exit 1
fi
got=$(sed -n 's/.*file format \(.*\)$/\1/p' <<<"$dump" | head -1)
[ "$got" = "$format" ]
check "file format $format" $? "is $got"

exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]*\] //p' <<<"$dump" | tr '\n' ' ')
[ "$exports" = "AIMP_QueryAddon3 " ]
check "exports AIMP_QueryAddon3 alone" $? "exports: $exports"

allowed=" gdi32.dll kernel32.dll msimg32.dll msvcrt.dll user32.dll "
foreign=""
for d in $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z'); do
  [[ $allowed == *" $d "* ]] || foreign+=" $d"
done
[ -z "$foreign" ]
check "imports system DLLs only" $? "also:$foreign"
exit $failed
