#!/usr/bin/env python3
"""Prints what a Windows PE file says about itself, one "key<TAB>value" a line:
its machine and link time, and its version resource (fixed numbers, the
strings of every table, the translations). Runs on any host: the 32-bit DLL is
read as a file, never loaded.

Usage: version_resource.py FILE
"""
import struct
import sys

RT_VERSION = 16
MACHINES = {0x14C: "i386", 0x8664: "x86_64"}


class Pe:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an MZ file")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe : pe + 4] != b"PE\0\0":
            raise ValueError("no PE header")
        self.machine, sections, self.timestamp = struct.unpack_from("<HHI", data, pe + 4)
        optional_size = struct.unpack_from("<H", data, pe + 20)[0]
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        directories = optional + {0x10B: 96, 0x20B: 112}[magic]
        self.rsrc_rva, self.rsrc_size = struct.unpack_from("<II", data, directories + 2 * 8)
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            vsize, vaddr, rawsize, rawptr = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            self.sections.append((vaddr, max(vsize, rawsize), rawptr))

    def offset(self, rva):
        for vaddr, size, rawptr in self.sections:
            if vaddr <= rva < vaddr + size:
                return rawptr + rva - vaddr
        raise ValueError(f"RVA {rva:#x} outside every section")

    def resource_entries(self, table):
        """(id or None for a named entry, offset into .rsrc, is a directory)."""
        base = self.offset(self.rsrc_rva)
        named, ids = struct.unpack_from("<HH", self.data, base + table + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", self.data, base + table + 16 + 8 * i)
            yield (None if name & 0x80000000 else name), target & 0x7FFFFFFF, bool(
                target & 0x80000000
            )

    def versions(self):
        """(language, bytes) of every RT_VERSION resource."""
        if not self.rsrc_rva:
            return
        base = self.offset(self.rsrc_rva)
        for type_id, names, _ in self.resource_entries(0):
            if type_id != RT_VERSION:
                continue
            for _, languages, _ in self.resource_entries(names):
                for language, leaf, _ in self.resource_entries(languages):
                    rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    start = self.offset(rva)
                    yield language, self.data[start : start + size]


def align4(n):
    return (n + 3) & ~3


def node(block, at):
    """One node of the version tree: (key, type, value bytes, children, end)."""
    length, value_length, kind = struct.unpack_from("<HHH", block, at)
    end = at + length
    key_end = at + 6
    while block[key_end : key_end + 2] != b"\0\0":
        key_end += 2
    key = block[at + 6 : key_end].decode("utf-16-le")
    value_at = align4(key_end + 2)
    value_bytes = value_length * 2 if kind == 1 else value_length
    value = block[value_at : value_at + value_bytes]
    children = []
    child = align4(value_at + value_bytes)
    while child < end:
        parsed = node(block, child)
        children.append(parsed)
        child = align4(parsed[4])
    return key, kind, value, children, end


def describe(language, block):
    key, _, fixed, children, _ = node(block, 0)
    if key != "VS_VERSION_INFO":
        raise ValueError(f"version resource starts with {key!r}")
    yield "language", f"{language:04x}"
    if len(fixed) >= 52:
        signature, _, fms, fls, pms, pls = struct.unpack_from("<6I", fixed)
        file_type = struct.unpack_from("<I", fixed, 36)[0]
        yield "signature", f"{signature:08x}"
        yield "file_version", f"{fms >> 16}.{fms & 0xFFFF}.{fls >> 16}.{fls & 0xFFFF}"
        yield "product_version", f"{pms >> 16}.{pms & 0xFFFF}.{pls >> 16}.{pls & 0xFFFF}"
        yield "file_type", str(file_type)
    for name, _, _, tables, _ in children:
        if name == "StringFileInfo":
            for table, _, _, strings, _ in tables:
                for string, _, value, _, _ in strings:
                    text = value.decode("utf-16-le").rstrip("\0")
                    yield f"string {table} {string}", text
        elif name == "VarFileInfo":
            for var, _, value, _, _ in tables:
                if var == "Translation":
                    for i in range(0, len(value) - 3, 4):
                        lang, codepage = struct.unpack_from("<HH", value, i)
                        yield "translation", f"{lang:04x} {codepage}"


def main(argv):
    if len(argv) != 2:
        sys.exit(__doc__)
    with open(argv[1], "rb") as f:
        pe = Pe(f.read())
    lines = [("machine", MACHINES.get(pe.machine, f"{pe.machine:#x}")), ("timestamp", str(pe.timestamp))]
    for language, block in pe.versions():
        lines.extend(describe(language, block))
    for key, value in lines:
        print(f"{key}\t{value}")


if __name__ == "__main__":
    main(sys.argv)
