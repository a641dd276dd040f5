#!/usr/bin/python3
"""Checks that the Windows icon holds exactly the three images Windows asks for."""
import struct
import sys

data = open(sys.argv[1], "rb").read()
reserved, kind, count = struct.unpack_from("<HHH", data)
assert (reserved, kind) == (0, 1), "not an icon file"
images = set()
for index in range(count):
    width, height, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * index)
    header_size, bmp_width, bmp_height, _, bmp_bits = struct.unpack_from("<IiiHH", data, offset)
    assert header_size == 40 and bmp_width == width and bmp_height == 2 * height, f"image {index}"
    assert bmp_bits == bits and offset + size <= len(data), f"image {index}"
    images.add((width, height, colours, bits))
expected = {(32, 32, 2, 1), (32, 32, 16, 4), (16, 16, 16, 4)}
print("images:", sorted(images))
if images != expected or count != 3:
    sys.exit(f"expected {sorted(expected)}")
