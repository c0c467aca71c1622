#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 TANVERA developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads back what TANVERA.exe carries, with icoutils and MinGW's objdump as a Windows user's
tools would show it: the version record field by field, the language of every resource, the
icon's sizes, the subsystem, the imported DLLs and the size.

    windows_exe_check.py TANVERA.exe OBJDUMP ICON_SIZES   (ICON_SIZES: "16;32;48;64;256")
"""
import re
import struct
import subprocess
import sys
import tempfile

SPANISH_SPAIN = 0x0C0A
UNICODE = 1200
STRINGS = {
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
    "ProductName": "TANVERA",
    "InternalName": "TANVERA",
    "OriginalFilename": "TANVERA.exe",
}
ICON_DEPTHS = {4, 24, 32}
MAX_BYTES = 15 * 1024 * 1024
# DLLs that every Windows 10 and 11 has; anything else would have to be shipped beside the exe.
WINDOWS_DLLS = {
    "advapi32", "authz", "bcrypt", "comctl32", "comdlg32", "crypt32", "d3d11", "d3d12", "d3d9",
    "dwmapi", "dwrite", "dxgi", "gdi32", "imm32", "kernel32", "mpr", "msvcrt", "netapi32",
    "ntdll", "ole32", "oleaut32", "rpcrt4", "setupapi", "shcore", "shell32", "shlwapi", "user32",
    "userenv", "uxtheme", "version", "winmm", "ws2_32", "wtsapi32",
}

failures = []


def check(holds, what):
    if not holds:
        failures.append(what)


def run(*command):
    return subprocess.run(command, capture_output=True, check=True).stdout


def nodes(data, offset, end):
    """The VS_VERSIONINFO blocks from offset to end: (key, value bytes, type, children)."""
    while offset + 6 <= end:
        length, value_length, kind = struct.unpack_from("<HHH", data, offset)
        if length == 0:
            break
        key_end = offset + 6
        while data[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = data[offset + 6:key_end].decode("utf-16-le")
        value_start = (key_end + 2 + 3) & ~3
        value_size = value_length * 2 if kind == 1 else value_length
        value = data[value_start:value_start + value_size]
        children_start = (value_start + value_size + 3) & ~3
        yield key, value, kind, list(nodes(data, children_start, offset + length))
        offset = (offset + length + 3) & ~3


def check_version_record(exe):
    data = run("wrestool", "-x", "--raw", "--type=16", exe)
    root = list(nodes(data, 0, len(data)))
    check(len(root) == 1 and root[0][0] == "VS_VERSION_INFO", "one VS_VERSION_INFO record")
    if not root:
        return
    _, fixed, _, children = root[0]
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    check(signature == 0xFEEF04BD, "the fixed part of the record")
    check((file_ms, file_ls) == (0x00010000, 0), "file version 1.0.0.0")
    check((product_ms, product_ls) == (0x00010000, 0), "product version 1.0.0.0")
    blocks = {key: block for key, _, _, block in children}
    tables = blocks.get("StringFileInfo", [])
    check([table[0] for table in tables] == ["0C0A04B0"],
          "one string table, Spanish (Spain) in Unicode: %s" % [t[0] for t in tables])
    for _, _, _, strings in tables:
        found = {key: value.decode("utf-16-le").rstrip("\0") for key, value, _, _ in strings}
        for key, expected in STRINGS.items():
            check(found.get(key) == expected, "%s is %r, not %r" % (key, expected, found.get(key)))
    translations = [value for key, value, _, _ in blocks.get("VarFileInfo", [])
                    if key == "Translation"]
    check(translations == [struct.pack("<HH", SPANISH_SPAIN, UNICODE)],
          "the translation is Spanish (Spain), Unicode")


def check_resources(exe, icon_sizes):
    listing = run("wrestool", "-l", exe).decode()
    languages = re.findall(r"--type=(\d+) .*--language=(\d+)", listing)
    check({kind for kind, _ in languages} >= {"3", "14", "16"},
          "an icon and a version record: " + listing)
    for kind, language in languages:
        check(int(language) == SPANISH_SPAIN, "resource type %s in language %s, not 3082"
              % (kind, language))
    with tempfile.NamedTemporaryFile(suffix=".ico") as icon:  # icotool cannot seek a pipe
        icon.write(run("wrestool", "-x", "--type=14", exe))
        icon.flush()
        sizes = run("icotool", "-l", icon.name).decode()
    images = {(int(width), int(bits)) for width, bits
              in re.findall(r"--width=(\d+) .*--bit-depth=(\d+)", sizes)}
    check(images == {(size, bits) for size in icon_sizes for bits in ICON_DEPTHS},
          "the icon in %s px, each in 16 colours, 24 and 32 bits: %s" % (icon_sizes, sizes))


def check_file(exe, objdump):
    headers = run(objdump, "-p", exe).decode()
    check(re.search(r"Subsystem\s+00000002\s+\(Windows GUI\)", headers) is not None,
          "a GUI program, no console window")
    check("symbols stripped" in headers, "stripped")
    dlls = {name.lower().removesuffix(".dll") for name in re.findall(r"DLL Name: (\S+)", headers)}
    foreign = {dll for dll in dlls
               if dll not in WINDOWS_DLLS and not dll.startswith(("api-ms-win-", "ext-ms-"))}
    check(not foreign, "only Windows' own DLLs; also imported: %s" % sorted(foreign))
    with open(exe, "rb") as file:
        size = len(file.read())
    check(size <= MAX_BYTES, "at most 15 MiB, not %d bytes" % size)


def main():
    exe = sys.argv[1]
    objdump = sys.argv[2]
    icon_sizes = sorted(int(size) for size in sys.argv[3].split(";"))
    check_version_record(exe)
    check_resources(exe, icon_sizes)
    check_file(exe, objdump)
    for failure in failures:
        print("FAILED:", failure)
    print("%s: %s" % (exe, "as it should be" if not failures else "%d faults" % len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
