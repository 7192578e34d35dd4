#!/usr/bin/env python3
"""Writes the seed files for fuzz_ppm and fuzz_bmp: small valid images of
every accepted form and a few malformed ones. Run from this folder."""
import struct
from pathlib import Path


def ppm(header, width, height):
    return header.encode() + bytes((i * 37) & 0xFF for i in range(width * height * 3))


def bmp(width, height, bits, clr_used=0, palette=0, compression=0, info_size=40, cut=0,
        gap=0, offset=None):
    """gap: bytes between the table and the pixels; offset: a false pixel offset."""
    row = (width * bits + 31) // 32 * 4
    table = b"".join(struct.pack("<BBBB", i, 255 - i, i // 2, 0) for i in range(palette))
    pixels = bytes((i * 13) & 0xFF for i in range(row * abs(height)))
    info = struct.pack("<IiiHHIIiiII", info_size, width, height, 1, bits, compression,
                       len(pixels), 2835, 2835, clr_used, 0)
    body = info + table + b"\x55" * gap + pixels
    start = 14 + 40 + len(table) + gap if offset is None else offset
    data = b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, start) + body
    return data[:len(data) - cut] if cut else data


def write(folder, files):
    Path(folder).mkdir(exist_ok=True)
    for name, data in files.items():
        (Path(folder) / name).write_bytes(data)


write("ppm", {
    "one_line.ppm": ppm("P6\n4 2 255\n", 4, 2),
    "comment.ppm": ppm("P6\n# comment\n5 3\n255\n", 5, 3),
    "split_width.ppm": ppm("P6\n3\n2 255\n", 3, 2),
    "three_lines.ppm": ppm("P6\n# a\n2\n# b\n2\n255\n", 2, 2),
    "long_line.ppm": ppm("P6\n" + " " * 68 + "12 1 255\n", 1, 2),
    "numbers_on_magic.ppm": ppm("P6 2 2 255\n", 2, 2),
    "blank_line.ppm": ppm("P6\n\n2 2 255\n", 2, 2),
    "space_line.ppm": ppm("P6\n2\n \t\n2 255\n", 2, 2),
    "indented_comment.ppm": ppm("P6\n  # made by hand\n2 2 255\n", 2, 2),
    "long_comment_tail.ppm": ppm("P6\n#" + "x" * 80 + "\n2 2 255\n", 2, 2),
    "word_lines.ppm": ppm("P6\n2\nheight 9\n- 9\n2 255\n", 2, 2),
    "max_256.ppm": ppm("P6\n2 2 256\n", 2, 2),
    "truncated.ppm": ppm("P6\n4 4 255\n", 4, 3),
    "no_max.ppm": b"P6\n4 4\n",
})

write("bmp", {
    "rgb24_3x2.bmp": bmp(3, 2, 24),
    "rgb24_4x4.bmp": bmp(4, 4, 24),
    "rgba32_5x3.bmp": bmp(5, 3, 32),
    "pal8_full_3x2.bmp": bmp(3, 2, 8, 0, 256),
    "pal8_used4_5x2.bmp": bmp(5, 2, 8, 4, 4),
    "pal8_used2_1x1.bmp": bmp(1, 1, 8, 2, 2),
    "depth16.bmp": bmp(2, 2, 16),
    "top_down.bmp": bmp(2, -2, 24),
    "compressed.bmp": bmp(4, 2, 8, 4, 4, compression=1),
    "v4_header.bmp": bmp(2, 2, 24, info_size=108),
    "rows_cut.bmp": bmp(3, 3, 24, cut=3),
    "table_cut.bmp": bmp(2, 2, 8, 0, 10),
    "rgb24_gap.bmp": bmp(3, 2, 24, gap=16),
    "pal8_gap.bmp": bmp(3, 2, 8, 4, 4, gap=6),
    "offset_in_headers.bmp": bmp(3, 2, 24, offset=40),
    "offset_in_table.bmp": bmp(3, 2, 8, 4, 4, offset=60),
    "offset_past_end.bmp": bmp(3, 2, 24, offset=4096),
    "offset_cuts_rows.bmp": bmp(3, 2, 24, offset=60),
})
