#!/usr/bin/env python3
"""Writes every u"..." literal of the test tables as a UTF-16LE seed file."""
import hashlib
import pathlib
import re
import sys

tests, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
out.mkdir(parents=True, exist_ok=True)
literal = re.compile(r'\bu"((?:[^"\\]|\\.)*)"')
count = 0
for source in sorted(tests.glob("*_test.cpp")):
    for text in literal.findall(source.read_text()):
        data = text.encode("ascii", "backslashreplace").decode("unicode_escape")
        seed = data.encode("utf-16-le", "surrogatepass")
        (out / hashlib.sha1(seed).hexdigest()).write_bytes(seed)
        count += 1
print(f"{count} seeds from {tests}")
