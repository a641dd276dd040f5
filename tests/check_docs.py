#!/usr/bin/python3
"""Fails on what README.md and docs/ say that the tree does not hold: a path or
a file name that exists nowhere in it; a CTest test, label or preset, or a make
target, that is not defined; a commit not in its history, or one named as a
measured build ("code commit X") that changed no program file; a relative link
or anchor that does not resolve. Another project's commit is named after it
("qtwayland 4c2fd790") and must be one of those listed below.
usage: check_docs.py REPOSITORY"""
import json
import pathlib
import re
import subprocess
import sys

root = pathlib.Path(sys.argv[1])
sys.path.insert(0, str(root / "bench"))
from measured import PROGRAM  # noqa: E402

UPSTREAM = {"qtwayland": {"4c2fd790"}, "plasma-integration": {"001369e"}, "qtbase": set()}
SOURCE = r"\.(py|sh|cpp|hpp|cmake|json|js|css|wxs|rc|supp|in|txt|svg)$|^(Makefile|CMakeLists\.txt)$"
top = {p.name for p in root.iterdir() if p.is_dir() and not p.name.startswith(("build", "."))}
files = [p for d in top for p in (root / d).rglob("*") if p.is_file()] + [
    p for p in root.iterdir() if p.is_file()]
basenames = {p.name for p in files}
git = ["git", "-C", str(root)]
history = subprocess.run([*git, "rev-parse", "--git-dir"], capture_output=True).returncode == 0
cmake = "\n".join(p.read_text(errors="replace") for p in files
                  if p.name == "CMakeLists.txt" or p.suffix == ".cmake")
# A test's name as CMake makes it: ${...} stands for any text, a name that is only one is left out.
tests = [re.compile(re.sub(r"\\\$\\\{\w+\\\}", ".+", re.escape(name)) + "$") for name in re.findall(
    r"(?:add_test\(NAME|quennarix_add_\w*(?:test|prefix))\(?\s*\"?([\w${}]+)", cmake)
    if not re.fullmatch(r"\$\{\w+\}", name)]
labels = set(re.findall(r"LABELS (\w+)", cmake)) | set(re.findall(
    r"quennarix_add_tool_test\(\S+ (\w+)", cmake))
presets = {p["name"] for kind in json.loads((root / "CMakePresets.json").read_text()).values()
           if isinstance(kind, list) for p in kind}
targets = set(re.findall(r"^([\w-]+):", (root / "Makefile").read_text(), re.M))
cmake_targets = set(re.findall(r"add_(?:executable|library)\((\w+)", cmake))
NAMED = {"test": lambda n: any(t.match(n) for t in tests), "label": labels.__contains__,
         "preset": presets.__contains__, "target": (targets | cmake_targets).__contains__}


def anchors(markdown):
    """GitHub's ids of a page's headings."""
    return {re.sub(r"[^\w\- ]", "", h.strip().lower()).replace(" ", "-")
            for h in re.findall(r"^#+ (.+)$", markdown, re.M)}


def commit_faults(text):
    for before, commit in re.findall(r"([\w-]+)?\W{1,2}\b([0-9a-f]{7,40})\b", text):
        if before in UPSTREAM:
            if commit not in UPSTREAM[before]:
                yield f"no such {before} commit read: {commit}"
        elif history and subprocess.run([*git, "cat-file", "-e", f"{commit}^{{commit}}"],
                                        capture_output=True).returncode != 0:
            yield f"no such commit: {commit}"
    for commit in re.findall(r"code commit ([0-9a-f]{7,40})\b", text) if history else []:
        if not subprocess.run([*git, "diff-tree", "--root", "--no-commit-id", "--name-only", "-r",
                               commit, "--", *PROGRAM], capture_output=True, text=True).stdout:
            yield f"measured commit changed no program file: {commit}"


def faults(page):
    text = page.read_text()
    for span in re.findall(r"`([^`\n]+)`", text):
        for word in span.split():
            path = word.rstrip(".,:;)")
            if re.search(r"[*<>$~]|^/|^\w+:", path):
                continue
            if "/" in path and (path.split("/")[0] in top or re.search(SOURCE, path)):
                if not (root / path).exists():
                    yield f"no such path: {path}"
            elif re.search(SOURCE, path) and path not in basenames:
                yield f"no such file anywhere: {path}"
        made = re.match(r"make ([a-z][\w-]*)", span)
        if made and made[1] not in targets:
            yield f"no such make target: {made[1]}"
        for flag, kind in (("-L", "label"), ("--preset", "preset")):
            for name in re.findall(rf"(?:ctest|cmake).* {flag} ([\w-]+)", span):
                if not NAMED[kind](name):
                    yield f"no such {kind}: {name}"
    for kind, names in re.findall(r"\b(test|label|preset|target)s? ((?:`[\w-]+`(?:, | and | or )?)+)",
                                  text):
        for name in re.findall(r"`([\w-]+)`", names):
            if not NAMED[kind](name):
                yield f"no such {kind}: {name}"
    yield from commit_faults(text)
    for target in re.findall(r"\]\(([^)\s]+)\)", text):
        if re.match(r"[a-z]+:", target):
            continue
        file, _, anchor = target.partition("#")
        linked = (page.parent / file).resolve() if file else page
        if not linked.exists():
            yield f"no such file: {target}"
        elif anchor and linked.suffix == ".md" and anchor not in anchors(linked.read_text()):
            yield f"no such anchor: {target}"


pages = [root / "README.md", *sorted((root / "docs").glob("*.md"))]
found = [f"{page.relative_to(root)}: {fault}" for page in pages for fault in faults(page)]
print("\n".join(found) or f"{len(pages)} pages hold" + ("" if history else
                                                        " (commits unchecked: no git history)"))
sys.exit(1 if found else 0)
