#!/usr/bin/env python3
"""Packs the release archive so that the same inputs give the same bytes.

Usage: release_zip.py OUT.zip DLL GUIDE_RU GUIDE_EN LICENSE EPOCH

The guides and the licence are kept in the repository as plain UTF-8 with LF;
in the archive they get CRLF, and the guides a BOM, so that Notepad shows them
right. Every entry has the time EPOCH (seconds, UTC), the same attributes and a
fixed place.
"""
import hashlib
import os
import sys
import time
import zipfile

DLL_NAME = "Plugins/orvo_aimp_kaleidra.dll"
GUIDE_RU_NAME = "ПРОЧТИ.txt"
GUIDE_EN_NAME = "README.txt"
LICENSE_NAME = "LICENSE.txt"
SUMS_NAME = "SHA256SUMS"


def windows_text(path, bom=True):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    text = text.lstrip("\ufeff").replace("\r\n", "\n").replace("\n", "\r\n")
    return (b"\xef\xbb\xbf" if bom else b"") + text.encode("utf-8")


def entry(name, date_time):
    info = zipfile.ZipInfo(name, date_time)
    info.compress_type = zipfile.ZIP_DEFLATED
    # zipfile sets the UTF-8 name flag itself for names beyond ASCII, which Explorer
    # and 7-Zip follow; Info-ZIP's unzip reads the name as an OEM code page when
    # the entry says it was made on MS-DOS, so it says Unix (a plain 0644 file).
    info.create_system = 3
    info.external_attr = 0o100644 << 16
    return info


def main(argv):
    if len(argv) != 7:
        sys.exit(__doc__)
    out, dll, guide_ru, guide_en, licence, epoch = argv[1:]
    # Zip times have a two-second step and start in 1980.
    seconds = max(int(epoch), 315532800)
    date_time = time.gmtime(seconds - seconds % 2)[:6]

    with open(dll, "rb") as f:
        files = [(DLL_NAME, f.read())]
    files.append((GUIDE_RU_NAME, windows_text(guide_ru)))
    files.append((GUIDE_EN_NAME, windows_text(guide_en)))
    files.append((LICENSE_NAME, windows_text(licence, bom=False)))
    sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data in files)
    files.append((SUMS_NAME, sums.encode("utf-8")))

    tmp = out + ".tmp"
    with zipfile.ZipFile(tmp, "w") as z:
        for name, data in files:
            z.writestr(entry(name, date_time), data, compresslevel=9)
    os.replace(tmp, out)


if __name__ == "__main__":
    main(sys.argv)
