#!/usr/bin/env python3
"""Writes Velmar's icon: three overlapping discs (pattern, source, destination) on a white
tile, as 32 x 32 and 16 x 16 images in the standard 16-colour palette."""
import struct
import sys

# The 16-colour VGA palette as (r, g, b), in the order Windows icons use.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, WHITE = 0, 15
RED, GREEN, BLUE = 9, 10, 12
YELLOW, MAGENTA, CYAN = 11, 13, 14


def pixel(x, y, size):
    """Palette index at (x, y), with y = 0 the top row."""
    scale = size / 32.0
    cx, cy = (x + 0.5) / scale, (y + 0.5) / scale
    if cx < 1 or cy < 1 or cx > 31 or cy > 31:
        return BLACK  # frame of the tile
    centres = [(12, 12, RED), (20, 12, GREEN), (16, 19.5, BLUE)]
    inside = [(cx - px) ** 2 + (cy - py) ** 2 <= 8.5 ** 2 for px, py, _ in centres]
    mixes = {
        (True, False, False): RED, (False, True, False): GREEN, (False, False, True): BLUE,
        (True, True, False): YELLOW, (True, False, True): MAGENTA, (False, True, True): CYAN,
        (True, True, True): WHITE,
    }
    return mixes.get(tuple(inside), WHITE if sum(inside) == 0 else BLACK)


def image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor_row_bytes = ((size * 4 + 31) // 32) * 4
    and_row_bytes = ((size + 31) // 32) * 4
    xor = bytearray()
    for y in reversed(range(size)):  # bottom-up rows
        row = bytearray(xor_row_bytes)
        for x in range(size):
            row[x // 2] |= pixel(x, y, size) << (0 if x % 2 else 4)
        xor += row
    mask = bytes(and_row_bytes * size)  # every pixel opaque
    return header + palette + bytes(xor) + mask


def main(path):
    images = [image(32), image(16)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in zip((32, 16), images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
