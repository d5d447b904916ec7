#!/usr/bin/env bash
# Checks a built plug-in DLL from its PE tables alone, so it holds on hosts that
# cannot run it: the machine, the one export, the header versions Windows XP
# loads, and every import against the allow-list scripts/pe_imports.txt (the DLL
# exporting it and the first Windows version that has it): nothing unlisted and
# nothing later than Windows XP SP3. Where the link map lies beside the DLL (the
# build writes one), also that the DLL links no test support.
# Usage: check_pe.sh DLL i686|x86_64. Prints "ok: ..." or "FAIL: ..." per check.
set -uo pipefail
dll=${1:?dll}
arch=${2:?arch}
case $arch in
  i686) format=pei-i386 newest_header=5.1 ;;
  x86_64) format=pei-x86-64 newest_header=5.2 ;;  # XP's 64-bit edition is 5.2
  *) echo "FAIL: unknown architecture $arch"; exit 1 ;;
esac
allow_list=$(dirname "$0")/pe_imports.txt
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

# An image whose header asks for a later system or subsystem than XP's does not load there.
header() { sed -n "s/^$1[[:space:]]*//p" <<<"$dump"; }
for kind in OSystem:OS Subsystem:subsystem; do
  version="$(header "Major${kind%:*}Version").$(header "Minor${kind%:*}Version")"
  awk -v v="$version" -v newest="$newest_header" 'BEGIN {
    split(v, a, "."); split(newest, b, ".")
    exit !(a[1] != "" && a[2] != "" && (a[1] < b[1] || (a[1] == b[1] && a[2] <= b[2])))
  }'
  check "${kind#*:} version $version, at most $newest_header, which Windows XP loads" $? \
    "later than XP"
done

allowed=" comctl32.dll gdi32.dll kernel32.dll msimg32.dll msvcrt.dll user32.dll "
foreign=""
for d in $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z'); do
  [[ $allowed == *" $d "* ]] || foreign+=" $d"
done
[ -z "$foreign" ]
check "imports system DLLs only" $? "also:$foreign"

# One line per import, "dll function", in lower-case DLL names. objdump names an
# import by ordinal "<none>", which no entry of the list matches.
imports=$(awk '
  /^[[:space:]]*DLL Name: / { dll = tolower($3); next }
  dll != "" && /^[[:space:]]*vma:/ { next }
  dll != "" && /^[[:space:]]*$/ { dll = ""; next }
  dll != "" && NF >= 3 { print dll, $3 }
' <<<"$dump")
[ -n "$imports" ]
check "the import table can be read" $? "objdump listed no imported function"

# The allow-list against the imports: "ok"/"late"/"unknown" per import.
verdicts=$(awk '
  BEGIN {
    n = split("2000 XP XPSP2 XPSP3 Vista 7 8 8.1 10 11", order, " ")
    for (i = 1; i <= n; i++) rank[order[i]] = i
    limit = rank["XPSP3"]
  }
  NR == FNR {
    if ($0 ~ /^[[:space:]]*(#|$)/) next
    if (!($3 in rank)) { print "bad-list", $1, $2, $3; next }
    version[tolower($1) " " $2] = $3
    next
  }
  {
    key = $1 " " $2
    if (!(key in version)) print "unknown", $1, $2
    else if (rank[version[key]] > limit) print "late", $1, $2, version[key]
    else print "ok", $1, $2, version[key]
  }
' "$allow_list" - <<<"$imports")

while read -r verdict d f v; do
  case $verdict in
    bad-list) check "allow-list entry $d $f" 1 "\"$v\" is no Windows version the list knows" ;;
    unknown) check "$d $f is on the allow-list" 1 "not listed in scripts/pe_imports.txt" ;;
    late) check "$d $f is in Windows XP SP3" 1 "it first came with Windows $v" ;;
  esac
done <<<"$verdicts"

# One line per DLL for the imports that passed, naming each with its version.
for d in $(awk '{print $1}' <<<"$imports" | sort -u); do
  listed=$(awk -v d="$d" '$1 == "ok" && $2 == d {printf " %s(%s)", $3, $4}' <<<"$verdicts")
  count=$(awk -v d="$d" '$1 == "ok" && $2 == d' <<<"$verdicts" | grep -c .)
  total=$(awk -v d="$d" '$1 == d' <<<"$imports" | grep -c .)
  # The imports that failed have their own lines above.
  [ "$count" = "$total" ] &&
    check "$d: $count imports on the allow-list, none later than Windows XP SP3:$listed" 0 ""
done

# The tab and up-down classes exist only once comctl32 has registered them.
grep -qx 'comctl32.dll InitCommonControlsEx' <<<"$imports"
check "registers the common controls it creates (imports InitCommonControlsEx)" $? "it does not"

# Test support (kaleidra_toolkit_testing, namespace toolkit::test) stays out of
# the product: the map names each archive member linked in and each symbol.
map=${dll%.dll}.map
if [ -f "$map" ]; then
  grep -q 'libkaleidra_toolkit\.a(' "$map"
  check "the link map lists the toolkit's objects" $? "no libkaleidra_toolkit.a member in $map"
  testing=$(grep -oE 'libkaleidra_toolkit_testing\.a\([^)]*\)|_ZN?K?7toolkit4test[A-Za-z0-9_]*|[A-Za-z0-9_]*(RecordingCanvas|RegisteredHostBitmap)[A-Za-z0-9_]*' "$map" |
    sort -u | head -5 | tr '\n' ' ')
  [ -z "$testing" ]
  check "links no test support (kaleidra_toolkit_testing, toolkit::test)" $? "links $testing"
fi
exit $failed
