#!/usr/bin/python3
"""Fails on what README.md and docs/ say that the tree does not hold: a path of
the repository that does not exist, a commit that is not in its history, a
relative link or anchor that does not resolve. A commit of another project is
named after it ("qtwayland 4c2fd790") and is not looked up.
usage: check_docs.py REPOSITORY"""
import pathlib
import re
import subprocess
import sys

UPSTREAM = {"qtwayland", "qtbase", "plasma-integration"}
root = pathlib.Path(sys.argv[1])
tracked = {p.name for p in root.iterdir() if p.is_dir() and not p.name.startswith("build")}
history = subprocess.run(["git", "-C", str(root), "rev-parse", "--git-dir"],
                         capture_output=True).returncode == 0


def anchors(markdown):
    """GitHub's ids of a page's headings."""
    return {re.sub(r"[^\w\- ]", "", h.strip().lower()).replace(" ", "-")
            for h in re.findall(r"^#+ (.+)$", markdown, re.M)}


def faults(page):
    text = page.read_text()
    for span in re.findall(r"`([^`\n]+)`", text):
        for word in span.split():
            path = word.rstrip(".,:;)")
            if ("/" in path and path.split("/")[0] in tracked and not re.search(r"[*<>$]", path)
                    and not (root / path).exists()):
                yield f"no such path: {path}"
    for target in re.findall(r"\]\(([^)\s]+)\)", text):
        if re.match(r"[a-z]+:", target):
            continue
        file, _, anchor = target.partition("#")
        linked = (page.parent / file).resolve() if file else page
        if not linked.exists():
            yield f"no such file: {target}"
        elif anchor and linked.suffix == ".md" and anchor not in anchors(linked.read_text()):
            yield f"no such anchor: {target}"
    for before, commit in re.findall(r"([\w-]+)?\W{1,2}\b([0-9a-f]{7,40})\b", text):
        if (history and re.search("[a-f]", commit) and re.search("[0-9]", commit)
                and before not in UPSTREAM and subprocess.run(
                    ["git", "-C", str(root), "cat-file", "-e", f"{commit}^{{commit}}"],
                    capture_output=True).returncode != 0):
            yield f"no such commit: {commit}"


pages = [root / "README.md", *sorted((root / "docs").glob("*.md"))]
found = [f"{page.relative_to(root)}: {fault}" for page in pages for fault in faults(page)]
print("\n".join(found) or f"{len(pages)} pages hold" + ("" if history else
                                                        " (commits unchecked: no git history)"))
sys.exit(1 if found else 0)
