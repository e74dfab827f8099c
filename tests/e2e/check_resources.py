#!/usr/bin/env python3
"""Checks what the built program carries: exactly one manifest (visual styles,
per-monitor DPI awareness), the icon with a 16x16 image, the version resource,
and imports of system DLLs only (one self-contained file).

Usage: check_resources.py Marrowind.exe
"""
import struct
import sys

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
SYSTEM_DLLS = {"advapi32.dll", "comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "user32.dll",
               "shell32.dll", "ole32.dll", "imm32.dll", "uxtheme.dll", "dwmapi.dll", "winmm.dll",
               "comdlg32.dll"}


class PE:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        assert data[pe:pe + 4] == b"PE\0\0", "not a PE file"
        sections, opt_size = struct.unpack_from("<H", data, pe + 6)[0], struct.unpack_from("<H", data, pe + 20)[0]
        opt = pe + 24
        assert struct.unpack_from("<H", data, opt)[0] == 0x20B, "not a 64-bit program"
        self.dirs = [struct.unpack_from("<II", data, opt + 112 + 8 * i) for i in range(16)]
        self.sections = []
        for i in range(sections):
            off = opt + opt_size + 40 * i
            vsize, va, rsize, raw = struct.unpack_from("<IIII", data, off + 8)
            self.sections.append((va, max(vsize, rsize), raw))

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise ValueError("rva outside the file")

    def cstring(self, rva):
        off = self.offset(rva)
        return self.data[off:self.data.index(b"\0", off)].decode()

    def imports(self):
        rva, _ = self.dirs[1]
        names, off = [], self.offset(rva)
        while True:
            name_rva = struct.unpack_from("<I", self.data, off + 12)[0]
            if not name_rva:
                return names
            names.append(self.cstring(name_rva).lower())
            off += 20

    def resources(self):
        """{type: [(name, data)]} from the resource tree."""
        base_rva, _ = self.dirs[2]
        base = self.offset(base_rva)

        def entries(off):
            named, ids = struct.unpack_from("<HH", self.data, off + 12)
            for i in range(named + ids):
                ident, target = struct.unpack_from("<II", self.data, off + 16 + 8 * i)
                yield ident, target

        out = {}
        for type_id, t in entries(base):
            for name_id, n in entries(base + (t & 0x7FFFFFFF)):
                for _, leaf in entries(base + (n & 0x7FFFFFFF)):
                    data_rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    start = self.offset(data_rva)
                    out.setdefault(type_id, []).append((name_id, self.data[start:start + size]))
        return out


def main():
    pe = PE(open(sys.argv[1], "rb").read())
    failures = []
    res = pe.resources()

    manifests = res.get(RT_MANIFEST, [])
    if len(manifests) != 1:
        failures.append(f"expected exactly one manifest, found {len(manifests)}")
    else:
        text = manifests[0][1].decode("utf-8", "replace")
        for needed in ("Microsoft.Windows.Common-Controls", 'version="6.0.0.0"', "PerMonitorV2", "true/pm"):
            if needed not in text:
                failures.append(f"manifest lacks {needed}")
        if manifests[0][0] != 1:
            failures.append("manifest is not resource 1, the one a program's loader reads")

    sizes = set()
    for _, group in res.get(RT_GROUP_ICON, []):
        count = struct.unpack_from("<H", group, 4)[0]
        for i in range(count):
            w, h = group[6 + 14 * i], group[7 + 14 * i]
            sizes.add((w or 256, h or 256))
    if (16, 16) not in sizes or (32, 32) not in sizes:
        failures.append(f"icon lacks 16x16 or 32x32 images: {sorted(sizes)}")

    if not res.get(RT_VERSION):
        failures.append("no version resource")

    foreign = [dll for dll in pe.imports() if dll not in SYSTEM_DLLS]
    if foreign:
        failures.append(f"imports DLLs that Windows does not ship: {foreign}")

    for f in failures:
        print("FAIL:", f)
    print("resources: " + ("FAILED" if failures else "ok"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
