#!/usr/bin/env python3
"""Writes the program icon from its pixel map.

The map (icon/fish.txt) has 32 lines of 32 characters: a hexadecimal digit is an
index into the standard 16-colour palette below, '.' is transparent. The icon
file has one 32 x 32 image with 4 bits per pixel and a 1-bit mask: 766 bytes,
744 of them the image.

It also writes the same image as Windows resources (app/sorvane_icon.rc,
included by app/sorvane.rc): the image as icon 30001 and the group icon 1 that
names it. They are spelt out as raw data because a plain ICON statement would
number the image itself.

For desktops that look icons up by name (freedesktop icon themes) it writes the
same fish as a 32 x 32 PNG (app/sorvane.png) and as an SVG of one square per
pixel (app/sorvane.svg), so that it stays a sharp pixel fish at any size.

    python3 tools/make_icon.py [map] [output] [resource script] [png] [svg]
"""
import struct
import sys
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SIZE = 32

# The classic 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]


def read_map(path):
    rows = [line.rstrip("\n") for line in Path(path).read_text(encoding="ascii").splitlines()]
    if len(rows) != SIZE or any(len(row) != SIZE for row in rows):
        raise SystemExit(f"{path}: want {SIZE} lines of {SIZE} characters")
    for row in rows:
        for ch in row:
            if ch != "." and ch not in "0123456789abcdefABCDEF":
                raise SystemExit(f"{path}: unexpected character {ch!r}")
    return rows


def image_bytes(rows):
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, SIZE * SIZE // 2 + SIZE * 4,
                         0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    colour = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bottom-up
        indices = [0 if ch == "." else int(ch, 16) for ch in row]
        colour += bytes((indices[i] << 4) | indices[i + 1] for i in range(0, SIZE, 2))
        bits = 0
        for ch in row:
            bits = (bits << 1) | (1 if ch == "." else 0)
        mask += bits.to_bytes(SIZE // 8, "big")
    return header + palette + bytes(colour) + bytes(mask)


def icon_file(image):
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


ICON_IMAGE_ID = 30001
GROUP_ICON_ID = 1
RT_ICON = 3
RT_GROUP_ICON = 14


def raw_data(data, per_line=8):
    """Resource-script raw data: little-endian 16-bit words."""
    assert len(data) % 2 == 0
    words = [f"0x{data[i] | (data[i + 1] << 8):04X}" for i in range(0, len(data), 2)]
    lines = [", ".join(words[i:i + per_line]) for i in range(0, len(words), per_line)]
    return "  " + ",\n  ".join(lines) + "\n"


def resource_script(image):
    # GRPICONDIR with one GRPICONDIRENTRY: as the icon file's directory, but
    # the last field is the image's resource number, not a file offset.
    group = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHIH", SIZE, SIZE, 16, 0, 1, 4, len(image), ICON_IMAGE_ID)
    return (
        "// Written by tools/make_icon.py from tools/icon/fish.txt: do not edit.\n"
        "// The program icon: one 32 x 32, 16-colour image and the group that names it.\n"
        "LANGUAGE 0, 0\n\n"
        f"{ICON_IMAGE_ID} {RT_ICON}\nBEGIN\n{raw_data(image)}END\n\n"
        f"{GROUP_ICON_ID} {RT_GROUP_ICON}\nBEGIN\n{raw_data(group)}END\n"
    )


def colour_of(ch):
    return None if ch == "." else PALETTE[int(ch, 16)]


def png_file(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    # 8-bit RGBA, no interlace; every scanline with filter type 0.
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for ch in row:
            colour = colour_of(ch)
            raw += bytes((0, 0, 0, 0)) if colour is None else bytes(colour + (255,))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def svg_file(rows):
    # One rectangle per run of equal pixels in a row; crisp edges keep the
    # squares from blurring into each other when scaled.
    shapes = []
    for y, row in enumerate(rows):
        x = 0
        while x < SIZE:
            end = x
            while end < SIZE and row[end] == row[x]:
                end += 1
            colour = colour_of(row[x])
            if colour is not None:
                fill = "#{:02x}{:02x}{:02x}".format(*colour)
                shapes.append(f'  <rect x="{x}" y="{y}" width="{end - x}" height="1" fill="{fill}"/>')
            x = end
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        "<!-- Written by tools/make_icon.py from tools/icon/fish.txt: do not edit. -->\n"
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
        f'viewBox="0 0 {SIZE} {SIZE}" shape-rendering="crispEdges">\n'
        + "\n".join(shapes) + "\n</svg>\n"
    )


def main():
    source = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "tools/icon/fish.txt"
    target = Path(sys.argv[2]) if len(sys.argv) > 2 else ROOT / "app/sorvane.ico"
    rows = read_map(source)
    image = image_bytes(rows)
    assert len(image) == 744, len(image)
    data = icon_file(image)
    assert len(data) == 766, len(data)
    target.write_bytes(data)
    script = Path(sys.argv[3]) if len(sys.argv) > 3 else ROOT / "app/sorvane_icon.rc"
    script.write_text(resource_script(image), encoding="ascii", newline="\n")
    png = Path(sys.argv[4]) if len(sys.argv) > 4 else ROOT / "app/sorvane.png"
    png.write_bytes(png_file(rows))
    svg = Path(sys.argv[5]) if len(sys.argv) > 5 else ROOT / "app/sorvane.svg"
    svg.write_text(svg_file(rows), encoding="ascii", newline="\n")


if __name__ == "__main__":
    main()
