#!/usr/bin/env bash
# Installs every Debian package the builds and the tests need, for the 32-bit
# product and its 64-bit twin alike. Safe to run again.
set -euo pipefail
pkgs=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libgmock-dev
      libbenchmark-dev zlib1g-dev g++-mingw-w64-i686-win32 mingw-w64-i686-dev libz-mingw-w64-dev
      g++-mingw-w64-x86-64-win32 mingw-w64-x86-64-dev
      wine wine32:i386 wine64 fonts-wine xvfb xauth imagemagick python3)
missing=()
for p in "${pkgs[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  missing+=(wine32:i386)
fi
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
