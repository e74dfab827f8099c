#!/usr/bin/env python3
"""Makes the release package with CPack in the Windows build folder and checks
what it holds: exactly the program, README.md, LICENSE and SHA256SUMS, whose
sum is the program's.

    check_package.py WINDOWS_BUILD_DIR VERSION
"""
import hashlib
import pathlib
import subprocess
import sys
import zipfile

build, version = pathlib.Path(sys.argv[1]), sys.argv[2]
subprocess.run(["cpack", "-G", "ZIP"], cwd=build, check=True, stdout=subprocess.DEVNULL)
package = build / f"Marrowind-{version}-win64.zip"
failures = []
with zipfile.ZipFile(package) as archive:
    names = sorted(archive.namelist())
    if names != ["LICENSE", "Marrowind.exe", "README.md", "SHA256SUMS"]:
        failures.append(f"holds {names}")
    else:
        exe = archive.read("Marrowind.exe")
        if exe[:2] != b"MZ":
            failures.append("Marrowind.exe is no Windows program")
        expected = f"{hashlib.sha256(exe).hexdigest()}  Marrowind.exe\n"
        if archive.read("SHA256SUMS").decode() != expected:
            failures.append("SHA256SUMS does not match Marrowind.exe")
        if b"MIT License" not in archive.read("LICENSE"):
            failures.append("LICENSE is not the MIT licence")
for failure in failures:
    print(f"{package.name}: {failure}")
sys.exit(1 if failures else 0)
