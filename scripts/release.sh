#!/usr/bin/env bash
# Makes dist/orvo_aimp_kaleidra-<version>.zip: the 32-bit Release plug-in from
# build/win32 (built here when it is missing or out of date), the Russian and
# English install guides, the licence and SHA256SUMS. The version is the CMake
# project's; the archive's times are the commit's, so one commit always gives
# the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh win32 orvo_aimp_kaleidra
dll=build/win32/bin/orvo_aimp_kaleidra.dll
# The archive is named after the version the DLL itself carries.
version=$(python3 scripts/version_resource.py "$dll" | sed -n 's/^string 041904B0 ProductVersion\t//p')
[ -n "$version" ] || { echo "release: $dll has no ProductVersion" >&2; exit 1; }
# SOURCE_DATE_EPOCH, when set, stands for the commit's time (a tree without git).
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
mkdir -p dist
archive=dist/orvo_aimp_kaleidra-$version.zip
python3 scripts/release_zip.py "$archive" "$dll" \
  release/guide_ru.txt release/guide_en.txt LICENSE "$epoch"
sha256sum "$archive"
