#!/usr/bin/python3
"""The line each benchmark prints above its figures: the day, the machine and
the code commit measured, which is the last commit that changed the program.
The docs check reads PROGRAM too. Run alone, it prints the line."""
import datetime
import os
import pathlib
import re
import subprocess

ROOT = pathlib.Path(__file__).resolve().parents[1]
# What the measured programs are built from; tests, docs and tools are not.
PROGRAM = ["runtime", "conversion", "form", "qt", "win32", "web", "resources", "cmake",
           "CMakeLists.txt"]


def code_commit():
    """In a source archive, its commit's, which may be later than the program's last change."""
    git = ["git", "-C", str(ROOT)]
    if not (ROOT / ".git").exists():
        commit = (ROOT / "cmake" / "commit.txt").read_text().split()[-1][:7]
        return f"{commit} (a source archive)"
    commit = subprocess.run([*git, "log", "-1", "--format=%h", "--", *PROGRAM],
                            capture_output=True, text=True).stdout.strip() or "unknown"
    changed = subprocess.run([*git, "diff", "--quiet", "HEAD", "--", *PROGRAM]).returncode
    return commit + (" with uncommitted changes" if changed else "")


def header():
    cpu = re.search(r"^model name\s*: (.*)$", pathlib.Path("/proc/cpuinfo").read_text(), re.M)
    release = re.search(r'^PRETTY_NAME="(.*)"', pathlib.Path("/etc/os-release").read_text(), re.M)
    return (f"measured {datetime.date.today()} on {cpu[1] if cpu else 'an unnamed CPU'}, "
            f"{os.cpu_count()} cores, {release[1] if release else 'an unnamed system'}; "
            f"code commit {code_commit()}")


if __name__ == "__main__":
    print(header())
