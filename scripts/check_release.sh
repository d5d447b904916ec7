#!/usr/bin/env bash
# Checks the release archive. It is made twice (the second time after the DLL's
# version resource is recompiled and the DLL relinked) and must have the same
# bytes; it holds exactly the plug-in, the two guides, the licence and
# SHA256SUMS, which verifies; the guides are UTF-8 with BOM and CRLF and name the
# supported Windows versions and the licence; the 32-bit DLL carries the
# project version and the names in its version resource, no link time and no
# path of this tree. Reads the DLL as a file, so it runs on any host.
# One line per check, "ok: <what>" or "FAIL: <what>"; exits non-zero when any failed.
set -uo pipefail
cd "$(dirname "$0")/.."

failed=0
check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAIL: $what"
    failed=$((failed + 1))
  fi
}
same() { [ "$1" = "$2" ] || { echo "  got:      $1" && echo "  expected: $2"; false; }; }

version=$(sed -n 's/^project(kaleidra VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
archive=dist/orvo_aimp_kaleidra-$version.zip
dll=build/win32/bin/orvo_aimp_kaleidra.dll
logs=build/win32/logs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$logs"

rm -f "$archive"
check "scripts/release.sh makes $archive" \
  eval 'bash scripts/release.sh >"$logs/release_1.txt" 2>&1 && [ -f "$archive" ]'
[ -f "$archive" ] || { echo "FAIL: no archive, see $logs/release_1.txt"; exit 1; }
first=$(sha256sum <"$archive" | cut -d' ' -f1)
cp "$archive" "$work/first.zip"

# A second archive from a freshly compiled resource and a relinked DLL.
touch build/win32/plugin/version.rc
rm -f "$dll"
check "scripts/release.sh again, after relinking the DLL" \
  eval 'bash scripts/release.sh >"$logs/release_2.txt" 2>&1 && [ -f "$dll" ]'
second=$(sha256sum <"$archive" | cut -d' ' -f1)
check "both archives have the same bytes (sha256 $first)" same "$second" "$first"

# One line per entry: name, "utf8" when the name flag says so, time.
list() {
  python3 -c 'import sys, zipfile
for i in zipfile.ZipFile(sys.argv[1]).infolist():
    print(i.filename, "utf8" if i.flag_bits & 0x800 else "-", "%d-%d-%d-%d-%d-%d" % i.date_time)' "$1"
}
check "the archive lists exactly the DLL, ПРОЧТИ.txt, README.txt, LICENSE.txt, SHA256SUMS" \
  same "$(list "$archive" | cut -d' ' -f1 | tr '\n' ' ')" \
  "Plugins/orvo_aimp_kaleidra.dll ПРОЧТИ.txt README.txt LICENSE.txt SHA256SUMS "
check "ПРОЧТИ.txt is named in UTF-8 with the UTF-8 flag" \
  same "$(list "$archive" | grep '^ПРОЧТИ.txt ' | cut -d' ' -f2)" "utf8"
check "every entry has the same time" same "$(list "$archive" | cut -d' ' -f3 | sort -u | wc -l)" 1

python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' \
  "$archive" "$work/x"
check "SHA256SUMS verifies" eval '(cd "$work/x" && sha256sum --check --strict --quiet SHA256SUMS)'
check "SHA256SUMS names the four other files" \
  same "$(sed 's/^[0-9a-f]\{64\}  //' "$work/x/SHA256SUMS" | tr '\n' ' ')" \
  "Plugins/orvo_aimp_kaleidra.dll ПРОЧТИ.txt README.txt LICENSE.txt "
check "LICENSE.txt is the repository's LICENSE (MIT, Orvo) with CRLF" \
  eval 'sed "s/\$/\r/" LICENSE | cmp -s - "$work/x/LICENSE.txt" && grep -q "^MIT License" LICENSE &&
    grep -q "Copyright (c) 2026 Orvo" LICENSE'
check "the archived DLL is the one in $dll" cmp -s "$work/x/Plugins/orvo_aimp_kaleidra.dll" "$dll"

guide_ok() {
  local file=$1 text
  [ "$(head -c 3 "$file" | od -An -tx1 | tr -d ' ')" = efbbbf ] || { echo "  no BOM"; return 1; }
  [ "$(grep -c $'\r$' "$file")" = "$(grep -c '' "$file")" ] || { echo "  a line without CRLF"; return 1; }
  text=$(cat "$file")
  for fact in orvo_aimp_kaleidra.dll orvo_aimp_kaleidra.ini orvo_aimp_kaleidrap.ini \
    "Случайная обложка" Plugins LICENSE.txt MIT "XP SP3, Vista, 7, 8, 8.1, 10" 32-; do
    [[ $text == *"$fact"* ]] || { echo "  does not name $fact"; return 1; }
  done
}
for guide in ПРОЧТИ.txt README.txt; do
  check "$guide: UTF-8 with BOM, CRLF, names the DLL, both INI files, the command, the Windows versions, the bitness and the licence" \
    guide_ok "$work/x/$guide"
done

IFS=. read -r major minor patch tweak <<<"$version"
fixed="$major.${minor:-0}.${patch:-0}.${tweak:-0}"
python3 scripts/version_resource.py "$work/x/Plugins/orvo_aimp_kaleidra.dll" >"$work/resource.txt" 2>&1
value() { sed -n "s/^$1\t//p" "$work/resource.txt" | tr '\n' ' ' | sed 's/ $//'; }
check "the DLL is PE32 for i386" same "$(value machine)" i386
check "the DLL has no link time in its header" same "$(value timestamp)" 0
check "fixed file and product version $fixed" \
  same "$(value file_version) $(value product_version)" "$fixed $fixed"
check "the file type is a DLL" same "$(value file_type)" 2
check "one Russian resource, translation 0419 with code page 1200" \
  same "$(value language) / $(value translation)" "0419 / 0419 1200"
table="string 041904B0"
for pair in "FileVersion=$version" "ProductVersion=$version" "ProductName=AIMP Kaleidra" \
  "CompanyName=Orvo" "OriginalFilename=orvo_aimp_kaleidra.dll" \
  "InternalName=orvo_aimp_kaleidra.dll" \
  "FileDescription=Случайная смена обложки, оттенка и яркости плеера"; do
  check "version string ${pair%%=*} is \"${pair#*=}\"" same "$(value "$table ${pair%%=*}")" "${pair#*=}"
done
check "version string LegalCopyright names Orvo" eval '[[ "$(value "$table LegalCopyright")" == *Orvo* ]]'
check "no path of this tree in the DLL" \
  eval '! { strings -a "$dll"; strings -a -el "$dll"; } | grep -qF "$PWD"'

[ "$failed" -eq 0 ]
