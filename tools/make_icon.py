#!/usr/bin/env python3
"""Writes the program icon: a light-cyan 'M' on a blue ground, in several sizes.

Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

BLUE = (7, 162, 254)
CYAN = (177, 255, 255)
SIZES = (16, 24, 32, 48, 64, 128)


def glyph(x, y, size):
    """True where the 'M' covers the pixel (x, y) of a size x size square."""
    # Work in a 16-unit design square so every size keeps the same shape.
    u = 16.0 / size
    fx, fy = (x + 0.5) * u, (y + 0.5) * u
    if not (2.0 <= fy <= 14.0 and 2.0 <= fx <= 14.0):
        return False
    stem = 2.5
    if fx <= 2.0 + stem or fx >= 14.0 - stem:
        return True
    # The two diagonals meet in the middle, two thirds of the way down.
    left_diag = abs((fx - 2.0) * 1.1 - (fy - 2.0)) <= 1.6 and fy <= 10.5 and fx <= 8.0
    right_diag = abs((14.0 - fx) * 1.1 - (fy - 2.0)) <= 1.6 and fy <= 10.5 and fx >= 8.0
    return left_diag or right_diag


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for x in range(size):
            r, g, b = CYAN if glyph(x, y, size) else BLUE
            row += bytes((b, g, r, 255))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # all opaque
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def main():
    images = [image(s) for s in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
