#!/usr/bin/python3
"""Builds the Windows installer with wixl, the same bytes from the same inputs.

usage: make_msi.py VERSION EXE ICON OUTPUT

VERSION is the installer's x.y.z version. The product code is derived from it,
so each version is a new product that upgrades the one before. wixl stamps the
summary with the clock and a random package code; both are replaced: the times
by SOURCE_DATE_EPOCH (0 when unset), the package code by one derived from the
version and that time.
"""

import os
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile
import uuid

import olefile

NAMESPACE = uuid.UUID("6B0F3F8E-2D8B-4C7E-9B6A-6A1C0F2E5D41")  # the UpgradeCode
PID_REVNUMBER, PID_CREATE_DTM, PID_LASTSAVE_DTM = 9, 12, 13
VT_LPSTR, VT_FILETIME = 30, 64
FILETIME_UNIX_EPOCH = 11_644_473_600


def braced(code):
    return "{" + str(code).upper() + "}"


def stamp_summary(msi, package_code, epoch):
    """Rewrites the summary's package code and times in place, at their sizes."""
    with olefile.OleFileIO(str(msi), write_mode=True) as ole:
        stream = "\x05SummaryInformation"
        data = bytearray(ole.openstream(stream).read())
        (section,) = struct.unpack_from("<I", data, 28 + 16)
        (count,) = struct.unpack_from("<I", data, section + 4)
        filetime = struct.pack("<Q", (epoch + FILETIME_UNIX_EPOCH) * 10_000_000)
        for index in range(count):
            pid, offset = struct.unpack_from("<II", data, section + 8 + 8 * index)
            at = section + offset
            (kind,) = struct.unpack_from("<I", data, at)
            if pid == PID_REVNUMBER and kind == VT_LPSTR:
                (length,) = struct.unpack_from("<I", data, at + 4)
                text = braced(package_code).encode("ascii")
                assert len(text) + 1 == length, "package code of another size"
                data[at + 8 : at + 8 + len(text)] = text
            elif pid in (PID_CREATE_DTM, PID_LASTSAVE_DTM) and kind == VT_FILETIME:
                data[at + 4 : at + 12] = filetime
        ole.write_stream(stream, bytes(data))


def main(version, exe, icon, output):
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH") or 0)
    wxs = pathlib.Path(__file__).with_name("quennarix.wxs")
    with tempfile.TemporaryDirectory() as staging:
        # The cabinet records each file's time; it is the commit's, not the build's.
        # wixl looks for sources by relative name, from where it runs.
        for path, name in ((exe, "quennarix.exe"), (icon, "quennarix.ico")):
            copy = pathlib.Path(staging, name)
            shutil.copyfile(path, copy)
            os.utime(copy, (epoch, epoch))
        subprocess.run(
            ["wixl", "--arch", "x64",
             "--define", f"Version={version}",
             "--define", f"ProductCode={braced(uuid.uuid5(NAMESPACE, 'product ' + version))}",
             "--output", os.path.abspath(output), str(wxs)],
            check=True, cwd=staging, env={**os.environ, "TZ": "UTC"})
    stamp_summary(output, uuid.uuid5(NAMESPACE, f"package {version} {epoch}"), epoch)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit("usage: make_msi.py VERSION EXE ICON OUTPUT")
    main(*sys.argv[1:])
