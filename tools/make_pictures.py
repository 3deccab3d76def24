#!/usr/bin/env python3
"""Draws the small pictures of Gridmate's buttons and its icon, and writes them as BMP and
ICO files into src/win32/res. Run it again after changing a picture; the files are
committed, so the build does not need Python."""
import os
import struct
import sys

PALETTE = {
    '.': None,              # transparent: the button face shows through
    'k': (0, 0, 0),
    'w': (255, 255, 255),
    'y': (240, 200, 40),    # folder
    'o': (180, 130, 20),    # folder edge
    'g': (0, 140, 0),       # arrow
    'b': (40, 60, 160),     # floppy
    's': (192, 192, 192),   # floppy shutter, paper edges
    'd': (96, 96, 96),
    'r': (200, 30, 30),
    'p': (230, 170, 60),    # pencil
    'n': (140, 90, 40),     # clipboard board
    'e': (60, 110, 200),    # book cover
}
FACE = (212, 208, 200)      # the classic button face, used where a picture is transparent

PICTURES = {
    'folder_open': [
        "................",
        "..........g.....",
        "..........gg....",
        ".ooo...ggggggg..",
        "oyyyo..ggggggg..",
        "oyyyyoooogg.....",
        "oyyyyyyyyog.....",
        "oyyyyyyyyo......",
        "oyyoooooooooooo.",
        "oyyoyyyyyyyyyyo.",
        "oyoyyyyyyyyyyo..",
        "oyoyyyyyyyyyyo..",
        "ooyyyyyyyyyyo...",
        "ooyyyyyyyyyyo...",
        "oooooooooooo....",
        "................",
    ],
    'floppy': [
        "................",
        ".bbbbbbbbbbbbbb.",
        ".bbsssssssssbbb.",
        ".bbsssssdsssbbb.",
        ".bbsssssdsssbbb.",
        ".bbsssssssssbbb.",
        ".bbbbbbbbbbbbbb.",
        ".bbbbbbbbbbbbbb.",
        ".bbwwwwwwwwwwbb.",
        ".bbwwwwwwwwwwbb.",
        ".bbwkkkkkkkkwbb.",
        ".bbwwwwwwwwwwbb.",
        ".bbwkkkkkkkkwbb.",
        ".bbwwwwwwwwwwbb.",
        ".bbbbbbbbbbbbbb.",
        "................",
    ],
    'cross': [
        "................",
        "................",
        "..kk........kk..",
        "..kkk......kkk..",
        "...kkk....kkk...",
        "....kkk..kkk....",
        ".....kkkkkk.....",
        "......kkkk......",
        "......kkkk......",
        ".....kkkkkk.....",
        "....kkk..kkk....",
        "...kkk....kkk...",
        "..kkk......kkk..",
        "..kk........kk..",
        "................",
        "................",
    ],
    'form_pencil': [
        "................",
        ".kkkkkkkkkk.....",
        ".kwwwwwwwwk.....",
        ".kwkkkkkwwk..rr.",
        ".kwwwwwwwwk.rpp.",
        ".kwkkkkkkwk.ppp.",
        ".kwwwwwwwwkppp..",
        ".kwkkkkwwwppp...",
        ".kwwwwwwwppp....",
        ".kwkkkkkppp.....",
        ".kwwwwwwpp......",
        ".kwkkkkkk.......",
        ".kwwwwwwwwk.....",
        ".kkkkkkkkkk.....",
        "................",
        "................",
    ],
    'clipboard': [
        "................",
        ".....kkkkk......",
        "..nnnksssknnn...",
        ".nnnnkkkkknnnn..",
        ".nnwwwwwwwwwnn..",
        ".nnwkkkkkkkwnn..",
        ".nnwwwwwwwwwnn..",
        ".nnwkkkkkkwwnn..",
        ".nnwwwwwwwwwnn..",
        ".nnwkkkkkkkwnn..",
        ".nnwwwwwwwwwnn..",
        ".nnwkkkkwwwwnn..",
        ".nnwwwwwwwwwnn..",
        ".nnnnnnnnnnnnn..",
        "..nnnnnnnnnnn...",
        "................",
    ],
    'book_open': [
        "........................",
        "........................",
        "..eeeeeee......eeeeeee..",
        ".ewwwwwwwe....ewwwwwwwe.",
        ".ewkkkkwwwe..ewwkkkkkwe.",
        ".ewwwwwwwwweewwwwwwwwwe.",
        ".ewkkkkkkwwwewwkkkkkkwe.",
        ".ewwwwwwwwwwewwwwwwwwwe.",
        ".ewkkkkkwwwwewwkkkkkwwe.",
        ".ewwwwwwwwwwewwwwwwwwwe.",
        ".ewkkkkkkwwwewwkkkkkkwe.",
        ".ewwwwwwwwwwewwwwwwwwwe.",
        ".ewkkkkwwwwwewwkkkkwwwe.",
        ".ewwwwwwwwwwewwwwwwwwwe.",
        ".ewkkkkkkwwwewwkkkkkkwe.",
        ".ewwwwwwwwwwewwwwwwwwwe.",
        ".eeeeeewwwwwewwwwweeeee.",
        "......eeeeeeeeeeee......",
        "..........eeee..........",
        "........................",
        "........................",
        "........................",
    ],
}


def rgb(ch, transparent):
    colour = PALETTE[ch]
    return transparent if colour is None else colour


def bmp(rows):
    """A 24-bit bottom-up BMP of the picture on the button face."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for ch in row:
            r, g, b = rgb(ch, FACE)
            line += bytes((b, g, r))
        pixels += line + b'\0' * (stride - len(line))
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + bytes(pixels)


def flag_icon(size):
    """The program's icon: a chequered flag on a pole, as 32-bit pixels with alpha."""
    pixels = []
    cell = max(2, size // 8)
    for y in range(size):
        row = []
        for x in range(size):
            pole = size // 8 <= x < size // 8 + max(1, size // 16) and y >= size // 8
            in_flag = (size // 8 + max(1, size // 16) <= x < size - size // 16 and
                       size // 8 <= y < size * 5 // 8)
            if pole:
                row.append((90, 60, 30, 255))
            elif in_flag:
                dark = ((x // cell) + (y // cell)) % 2 == 0
                row.append((0, 0, 0, 255) if dark else (255, 255, 255, 255))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def ico(sizes):
    images = []
    for size in sizes:
        pixels = flag_icon(size)
        xor = bytearray()
        for row in reversed(pixels):
            for r, g, b, a in row:
                xor += bytes((b, g, r, a))
        mask_stride = ((size + 31) // 32) * 4
        and_mask = bytearray()
        for row in reversed(pixels):
            bits = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            and_mask += bits
        info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                           len(xor) + len(and_mask), 0, 0, 0, 0)
        images.append((size, info + bytes(xor) + bytes(and_mask)))
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return out


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), '..', 'src', 'win32', 'res')
    os.makedirs(target, exist_ok=True)
    for name, rows in PICTURES.items():
        assert all(len(r) == len(rows[0]) for r in rows), name
        with open(os.path.join(target, name + '.bmp'), 'wb') as f:
            f.write(bmp(rows))
    with open(os.path.join(target, 'gridmate.ico'), 'wb') as f:
        f.write(ico([16, 32, 48]))


if __name__ == '__main__':
    main()
