#!/usr/bin/env python3
"""Writes Velmar's icon: three overlapping discs (pattern, source, destination) on a white
tile. The sizes Windows asks for from 100 % to 300 % display scaling: 16, 20, 24, 32 and 48
pixels in the standard 16-colour palette, crisp at every size, and 256 pixels (Explorer's large
views) in true colour with smoothed edges, stored as PNG as icons of that size are."""
import struct
import sys
import zlib

# The 16-colour VGA palette as (r, g, b), in the order Windows icons use.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, WHITE = 0, 15
RED, GREEN, BLUE = 9, 10, 12
YELLOW, MAGENTA, CYAN = 11, 13, 14
PALETTE_SIZES = (32, 16, 20, 24, 48)  # 32 and 16 first: the images older readers look for
PNG_SIZE = 256
SMOOTHING = 4  # samples per pixel along each axis for the true-colour image


def colour_at(cx, cy):
    """Palette index at the point (cx, cy) of the 32-unit design square, y = 0 at the top."""
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


def pixel(x, y, size):
    """Palette index of pixel (x, y) of an image of `size` pixels, sampled at its centre."""
    scale = size / 32.0
    return colour_at((x + 0.5) / scale, (y + 0.5) / scale)


def palette_image(size):
    """A 4-bit DIB icon image: header (height doubled for the mask), palette, pixels, mask."""
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


def smooth_rgba(x, y, size):
    """The average colour of SMOOTHING x SMOOTHING samples inside pixel (x, y), opaque."""
    totals = [0, 0, 0]
    for sy in range(SMOOTHING):
        for sx in range(SMOOTHING):
            cx = (x + (sx + 0.5) / SMOOTHING) * 32.0 / size
            cy = (y + (sy + 0.5) / SMOOTHING) * 32.0 / size
            for i, value in enumerate(PALETTE[colour_at(cx, cy)]):
                totals[i] += value
    samples = SMOOTHING * SMOOTHING
    return bytes(round(t / samples) for t in totals) + b"\xff"


def png_image(size):
    """A true-colour PNG with alpha, written with the standard library's zlib."""
    rows = b"".join(b"\x00" + b"".join(smooth_rgba(x, y, size) for x in range(size))
                    for y in range(size))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def main(path):
    images = [(size, 16, 4, palette_image(size)) for size in PALETTE_SIZES]
    images.append((PNG_SIZE, 0, 32, png_image(PNG_SIZE)))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, colours, bits, data in images:
        # A size of 256 is written as 0 in the directory's one-byte fields.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits,
                               len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + entries + b"".join(data for _, _, _, data in images))


if __name__ == "__main__":
    main(sys.argv[1])
