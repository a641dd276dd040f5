"""expected_layout.txt, which the C++ tests read too, for the tests of the real program."""
import pathlib

_TABLE = pathlib.Path(__file__).with_name("expected_layout.txt")


def _rows():
    rows = {}
    for line in _TABLE.read_text().splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        name, kind, place, font, caption, accessible = (f.strip() for f in line.split("|"))
        left, top, width, height = map(int, place.split())
        rows[name] = dict(kind=kind, left=left, top=top, width=width, height=height, font=font,
                          caption=caption, accessible=accessible)
    return rows


LAYOUT = _rows()
CLIENT_AREA = (LAYOUT["Form1"]["width"], LAYOUT["Form1"]["height"])


def centre(name):
    """The middle of a control, from the top-left of the client area."""
    row = LAYOUT[name]
    return row["left"] + row["width"] // 2, row["top"] + row["height"] // 2
