#!/usr/bin/env python3
"""Writes the folder of the frame demo's demonstration skin with what the skinned
controls take from a skin file added: the button strip, the check-box strip and the
colours of control borders and button captions. Pack it with
    skintool pack FOLDER controls.skn
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'framedemo'))
import make_demo_skin  # noqa: E402

EDGE = (20, 70, 80)
BUTTON_FACES = [(150, 205, 215), (190, 232, 238), (70, 140, 155)]
# Odd sizes: the face is drawn in nine parts round a middle row and column.
BUTTON_WIDTH, BUTTON_HEIGHT = 25, 23
BOX = 13


def button_strip(x, y):
    frame, fx = divmod(x, BUTTON_WIDTH)
    if fx in (0, BUTTON_WIDTH - 1) or y in (0, BUTTON_HEIGHT - 1):
        return EDGE
    r, g, b = BUTTON_FACES[frame]
    shade = 12 if y < BUTTON_HEIGHT // 2 else 0
    return (min(r + shade, 255), min(g + shade, 255), min(b + shade, 255))


# Frames: checked, unused, unchecked, checked disabled, unused, unchecked disabled.
BOX_FRAMES = [(True, True), (False, True), (False, True), (True, False), (False, False), (False, False)]


def check_box_strip(x, y):
    checked, enabled = BOX_FRAMES[x // BOX]
    fx = x % BOX
    edge = EDGE if enabled else (150, 160, 160)
    if fx in (0, BOX - 1) or y in (0, BOX - 1):
        return edge
    mark = checked and (abs(fx - 3 - (y - 5)) < 1 and 5 <= y <= 8 or abs(fx + y - 14) < 1 and 3 <= y <= 8)
    if mark:
        return (20, 110, 130) if enabled else (150, 160, 160)
    return (250, 252, 246) if enabled else (225, 228, 224)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else 'controls_skin'
    sys.argv = [sys.argv[0], folder]
    make_demo_skin.main()
    make_demo_skin.write_bmp(os.path.join(folder, 'SKIN2_BUTTON.bmp'), 3 * BUTTON_WIDTH, BUTTON_HEIGHT, button_strip)
    make_demo_skin.write_bmp(os.path.join(folder, 'SKIN2_CHECKBOX.bmp'), 6 * BOX, BOX, check_box_strip)
    with open(os.path.join(folder, 'entries.txt'), 'a') as out:
        out.write('int SKIN2_CONTROLBORDERCOLOR 0x00504614\n')
        out.write('int SKIN2_BUTTONFONTCOLOR 0x00202020\n')


if __name__ == '__main__':
    main()
