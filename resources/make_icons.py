#!/usr/bin/python3
"""Derives the icon images from icons/quennarix.svg.

Writes PNGs at every size a Linux shell asks for, the 16-pixel one from its
own drawing on the pixel grid (icons/quennarix-16.svg), and a Windows .ico
with 32x32 two-colour, 32x32 sixteen-colour and 16x16 sixteen-colour images. Needs rsvg-convert (librsvg2-bin) and Pillow (python3-pil).
Run it after changing the SVG and commit what it writes.
"""
import io
import pathlib
import struct
import subprocess

from PIL import Image

HERE = pathlib.Path(__file__).resolve().parent / "icons"
SVG = HERE / "quennarix.svg"
SVG_16 = HERE / "quennarix-16.svg"
SIZES = (16, 24, 32, 48, 64, 128, 256)

VGA16 = [(0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
         (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
         (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
         (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF)]
MONO = [(0x00, 0x00, 0x00), (0xFF, 0xFF, 0xFF)]


def render(size, svg=SVG):
    png = subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), str(svg)],
                         check=True, capture_output=True).stdout
    return Image.open(io.BytesIO(png)).convert("RGBA")


def nearest(palette, rgb):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], rgb)))


def packed_rows(values, width, bits):
    """Bottom-up rows of `bits`-per-pixel values, each padded to four bytes."""
    rows = []
    for y in reversed(range(len(values) // width)):
        row = values[y * width:(y + 1) * width]
        accumulator, filled, out = 0, 0, bytearray()
        for value in row:
            accumulator = (accumulator << bits) | value
            filled += bits
            if filled == 8:
                out.append(accumulator)
                accumulator, filled = 0, 0
        if filled:
            out.append(accumulator << (8 - filled))
        out.extend(b"\0" * (-len(out) % 4))
        rows.append(bytes(out))
    return b"".join(rows)


def ico_image(image, palette):
    width, height = image.size
    bits = 1 if len(palette) == 2 else 4
    pixels = list(image.getdata())
    transparent = [1 if a < 128 else 0 for (_, _, _, a) in pixels]
    if bits == 1:  # two colours: light on dark by luminance
        indices = [1 if (r * 299 + g * 587 + b * 114) // 1000 >= 128 else 0 for (r, g, b, _) in pixels]
    else:
        indices = [nearest(palette, (r, g, b)) for (r, g, b, _) in pixels]
    indices = [0 if t else i for i, t in zip(indices, transparent)]
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, 0, 0, 0,
                         len(palette), 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + colours + packed_rows(indices, width, bits) + packed_rows(transparent, width, 1)


def write_ico(path, images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for image, palette in images:
        blob = ico_image(image, palette)
        width, height = image.size
        bits = 1 if len(palette) == 2 else 4
        entries += struct.pack("<BBBBHHII", width, height, len(palette), 0, 1, bits, len(blob),
                               offset + len(data))
        data += blob
    path.write_bytes(directory + entries + data)


def main():
    for size in SIZES:
        render(size, SVG_16 if size == 16 else SVG).save(HERE / f"quennarix-{size}.png",
                                                         optimize=True)
    write_ico(HERE / "quennarix.ico",
              [(render(32), MONO), (render(32), VGA16), (render(16), VGA16)])


if __name__ == "__main__":
    main()
