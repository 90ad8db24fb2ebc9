#!/usr/bin/env python3
"""Writes the folder of a small demonstration skin for the frame demo: a rounded teal
title bar with its buttons, thin borders and the menu colours. Pack it with
    skintool pack FOLDER demo.skn
"""
import os
import struct
import sys

MAGENTA = (255, 0, 255)


def write_bmp(path, width, height, pixel):
    """A 24-bit bottom-up BMP; pixel(x, y) gives (r, g, b)."""
    row_bytes = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(row_bytes - len(row))
        data += row
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as out:
        out.write(header + info + data)


def title_colour(y, height):
    """Teal, lighter at the top."""
    t = y / max(height - 1, 1)
    return (int(40 + 40 * (1 - t)), int(120 + 60 * (1 - t)), int(140 + 60 * (1 - t)))


def rounded_corner(x, y, radius):
    """True outside a quarter circle of the radius at the top-left corner."""
    if x >= radius or y >= radius:
        return False
    dx, dy = radius - x - 0.5, radius - y - 0.5
    return dx * dx + dy * dy > radius * radius


def title_part(width, height, corner):
    def pixel(x, y):
        if corner == 'left' and rounded_corner(x, y, 6):
            return MAGENTA
        if corner == 'right' and rounded_corner(width - 1 - x, y, 6):
            return MAGENTA
        if y == 0 or (corner == 'left' and x == 0) or (corner == 'right' and x == width - 1):
            return (20, 70, 80)
        return title_colour(y, height)
    return pixel


GLYPHS = {
    'close': lambda x, y: abs(x - y) < 1.2 or abs(x + y - 15) < 1.2,
    'max': lambda x, y: (x in (3, 12) and 3 <= y <= 12) or (y in (3, 4, 12) and 3 <= x <= 12),
    'restore': lambda x, y: (x in (3, 10) and 6 <= y <= 12) or (y in (6, 12) and 3 <= x <= 10) or
                            (x == 12 and 3 <= y <= 9) or (y == 3 and 5 <= x <= 12),
    'min': lambda x, y: y in (11, 12) and 3 <= x <= 12,
    'help': lambda x, y: (y == 3 and 5 <= x <= 10) or (x == 11 and 4 <= y <= 6) or (y == 7 and 7 <= x <= 10) or
                         (x == 7 and 8 <= y <= 9) or (x == 7 and y == 12),
    'box': lambda x, y: 4 <= x <= 11 and 4 <= y <= 11,
}
GROUPS = ['box', 'help', 'max', 'restore', 'min', 'close']
STATE_FACES = [(60, 140, 160), (90, 180, 200), (30, 90, 110)]


def title_buttons(x, y):
    frame = x // 16
    glyph = GLYPHS[GROUPS[frame // 3]]
    fx, fy = x % 16, y
    if fx in (0, 15) or fy in (0, 15):
        return (20, 70, 80)
    return (255, 255, 255) if glyph(fx, fy) else STATE_FACES[frame % 3]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else 'demo_skin'
    os.makedirs(folder, exist_ok=True)
    bmp = lambda name, w, h, pixel: write_bmp(os.path.join(folder, name + '.bmp'), w, h, pixel)
    bmp('SKIN2_TITLEBAR1', 60, 28, title_part(60, 28, 'left'))
    bmp('SKIN2_TITLEBAR2', 8, 28, title_part(8, 28, None))
    bmp('SKIN2_TITLEBAR3', 60, 28, title_part(60, 28, 'right'))
    bmp('SKIN2_TITLEBUTTONS', 16 * 18, 16, title_buttons)
    side = lambda x, y: (20, 70, 80) if x == 0 or x == 3 else (90, 170, 185)
    bmp('SKIN2_FORMLEFTBORDER', 4, 20, side)
    bmp('SKIN2_FORMRIGHTBORDER', 4, 20, lambda x, y: side(3 - x, y))
    bmp('SKIN2_FORMBOTTOMBORDER1', 12, 4, lambda x, y: (20, 70, 80) if y == 3 else (90, 170, 185))
    entries = [
        ('int', 'SKIN2_TRANSCOLOR', '0x00FF00FF'),
        ('int', 'SKIN2_TITLEFONTCOLOR', '0x00FFFFFF'),
        ('int', 'SKIN2_FORMCOLOR', '0x00EEF0E6'),
        ('int', 'SKIN2_MENUBARSTARTCOLOR', '0x00F4F6EC'),
        ('int', 'SKIN2_MENUBARENDCOLOR', '0x00D6DCC4'),
        ('int', 'SKIN2_TOPSELECTEDMENUCOLOR', '0x00B4A050'),
        ('int', 'SKIN2_TOPSELECTEDMENUBORDERCOLOR', '0x00504614'),
        ('int', 'SKIN2_TOPSELECTEDMENUFONTCOLOR', '0x00FFFFFF'),
        ('int', 'SKIN2_TOPMENUFONTCOLOR', '0x00303030'),
        ('int', 'SKIN2_LEFTBARSTARTCOLOR', '0x00C8C0A0'),
        ('int', 'SKIN2_LEFTBARENDCOLOR', '0x00EEF0E6'),
        ('int', 'SKIN2_MENUITEMCOLOR', '0x00FAFAF6'),
        ('int', 'SKIN2_MENUITEMFONTCOLOR', '0x00202020'),
        ('int', 'SKIN2_SELECTEDMENUCOLOR', '0x00B4A050'),
        ('int', 'SKIN2_SELECTEDMENUBORDERCOLOR', '0x00504614'),
        ('int', 'SKIN2_SELECTEDMENUFONTCOLOR', '0x00FFFFFF'),
        ('int', 'SKIN2_TITLEBARICONPOSX', '6'),
        ('int', 'SKIN2_TITLEBARICONPOSY', '8'),
        ('int', 'SKIN2_TITLEBARCAPTIONTOP', '10'),
        ('int', 'SKIN2_TITLEBARBUTTONPOSX', '6'),
        ('int', 'SKIN2_TITLEBARBUTTONPOSY', '7'),
        ('int', 'SKIN2_TITLEBARREGIONMINY', '0'),
        ('int', 'SKIN2_TITLEBARREGIONMAXY', '6'),
        ('int', 'SKIN2_BOTTOMREGIONMINY', '-1'),
        ('int', 'SKIN2_BOTTOMREGIONMAXY', '-1'),
        ('bool', 'SKIN2_TITLEFIVESECT', '0'),
        ('bool', 'SKIN2_BOTTOMBORDERTHREESECT', '0'),
        ('bool', 'SKIN2_TITLEBARNEEDREGION', '1'),
        ('bool', 'SKIN2_BOTTOMBORDERNEEDREGION', '0'),
        ('bool', 'SKIN2_TITLEBTNTRANS', '0'),
    ]
    with open(os.path.join(folder, 'entries.txt'), 'w') as out:
        out.write('# The demonstration skin of the frame demo.\n')
        for kind, name, value in entries:
            out.write(f'{kind} {name} {value}\n')


if __name__ == '__main__':
    main()
