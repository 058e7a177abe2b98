#!/usr/bin/env python3
"""Draws the program's icons from the pixel art below and writes them as 16-colour .ico files.

Run it after changing the art; the .ico files it writes are committed, so the build needs no Python.
The art is a yellow memo slip with a folded corner and a few lines of writing.
"""
import struct
from pathlib import Path

# The 16 colours of the standard Windows palette; letters in the art pick one, '.' is transparent.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
KEY = {'k': 0, 'o': 3, 'g': 8, 's': 7, 'y': 11, 'w': 15, 'b': 4, 'r': 9, '.': 0}

ART_32 = """
................................
................................
....kkkkkkkkkkkkkkkkkkkkkk......
....kyyyyyyyyyyyyyyyyyyyykk.....
....kyyyyyyyyyyyyyyyyyyyykwk....
....kyyyyyyyyyyyyyyyyyyyykwwk...
....kyyyyyyyyyyyyyyyyyyyykwwwk..
....kyyyyyyyyyyyyyyyyyyyykkkkkk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....kyybbbbbbbbbbbbbbbbbyyyyyyk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....kyybbbbbbbbbbbbbbbbbbbbyyyk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....kyybbbbbbbbbbbbbbyyyyyyyyyk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....kyybbbbbbbbbbbbbbbbbbyyyyyk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....kyybbbbbbbbbbyyyyyyyyyyyyyk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....kyyyyyyyyyyyyyyyyyyyyyrryyk.
....kyyyyyyyyyyyyyyyyyyyyyrryyk.
....kyyyyyyyyyyyyyyyyyyyyyyyyyk.
....koooooooooooooooooooooooook.
....kkkkkkkkkkkkkkkkkkkkkkkkkkk.
................................
................................
................................
"""

ART_16 = """
................
..kkkkkkkkkk....
..kyyyyyyyykk...
..kyyyyyyyykwk..
..kyyyyyyyykkkk.
..kybbbbbbyyyyk.
..kyyyyyyyyyyyk.
..kybbbbbbbbyyk.
..kyyyyyyyyyyyk.
..kybbbbbyyyyyk.
..kyyyyyyyyyyyk.
..kybbbbbbbyyyk.
..kyyyyyyyyyyyk.
..koooooooooook.
..kkkkkkkkkkkkk.
................
"""


def rows(art):
    lines = [line for line in art.strip('\n').split('\n')]
    size = len(lines)
    assert all(len(line) == size for line in lines), 'art must be square'
    return lines


def image(art):
    """One icon image: BITMAPINFOHEADER, palette, 4-bit colour rows and 1-bit mask, bottom-up."""
    lines = rows(art)
    size = len(lines)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    colour = b''
    mask = b''
    for line in reversed(lines):
        nibbles = [KEY[c] for c in line]
        row = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        colour += row + b'\0' * (-len(row) % 4)
        bits = ''.join('1' if c == '.' else '0' for c in line)
        mrow = int(bits, 2).to_bytes(size // 8, 'big')
        mask += mrow + b'\0' * (-len(mrow) % 4)
    return header + palette + colour + mask, size


def write_ico(path, arts):
    images = [image(a) for a in arts]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for data, size in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(data for data, _ in images)
    Path(path).write_bytes(out)


if __name__ == '__main__':
    here = Path(__file__).resolve().parent.parent / 'resources'
    write_ico(here / 'kamifuda.ico', [ART_32, ART_16])
    write_ico(here / 'mini.ico', [ART_16])
