#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Draws the program's 16 x 16 icons as XPM files (C source that Qt also reads).

Run from this folder; the XPM files are committed, so the build does not need this script.
"""


def canvas():
    return [[' '] * 16 for _ in range(16)]


def rect(c, x0, y0, x1, y1, fill, outline=None):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            edge = x in (x0, x1) or y in (y0, y1)
            c[y][x] = outline if (edge and outline) else fill


def polygon(c, pts, fill, outline):
    """Fills a convex polygon by scanning pixel centres, then marks its boundary pixels."""
    inside = set()
    for y in range(16):
        for x in range(16):
            px, py = x + 0.5, y + 0.5
            sign = 0
            ok = True
            for i in range(len(pts)):
                (ax, ay), (bx, by) = pts[i], pts[(i + 1) % len(pts)]
                cross = (bx - ax) * (py - ay) - (by - ay) * (px - ax)
                s = (cross > 0) - (cross < 0)
                if s != 0:
                    if sign == 0:
                        sign = s
                    elif s != sign:
                        ok = False
            if ok:
                inside.add((x, y))
    for (x, y) in inside:
        border = any((x + dx, y + dy) not in inside for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        c[y][x] = outline if border else fill


def write(name, c, colours):
    ident = name.replace('.', '_')
    lines = ['/* XPM */', 'static const char* const %s_xpm[] = {' % ident,
             '    "16 16 %d 1",' % len(colours)]
    for key, value in colours.items():
        lines.append('    "%s c %s",' % (key, value))
    for i, row in enumerate(c):
        lines.append('    "%s"%s' % (''.join(row), ',' if i < 15 else ''))
    lines.append('};')
    with open(name + '.xpm', 'w') as f:
        f.write('\n'.join(lines) + '\n')


def folder():
    c = canvas()
    rect(c, 1, 1, 5, 3, 'y', 'k')        # the tab
    rect(c, 0, 3, 12, 13, 'd', 'k')      # the back of the folder
    for y in range(4, 13):
        c[y][1] = 'y'                    # light edge of the back
    polygon(c, [(4, 6.5), (16, 6.5), (12.5, 14), (0, 14)], 'y', 'k')   # the open front flap
    for x in range(5, 15):
        if c[7][x] == 'y':
            c[7][x] = 'l'                # light along the flap's top edge
    write('open', c, {' ': 'None', 'k': '#7A5A00', 'y': '#FFD21F', 'l': '#FFF0A0', 'd': '#E0A800'})


def printer():
    c = canvas()
    rect(c, 4, 0, 11, 6, 'w', 'k')       # the sheet fed at the top
    for y in (2, 4):
        for x in range(6, 10):
            c[y][x] = 's'                # lines of text on the sheet
    rect(c, 0, 6, 15, 12, 'g', 'k')      # the body
    for x in range(1, 15):
        c[7][x] = 'h'                    # light top of the body
    rect(c, 3, 11, 12, 15, 'w', 'k')     # the printed sheet coming out
    for x in range(5, 11):
        c[13][x] = 's'
    c[9][11] = 'G'                       # green lamp
    c[9][13] = 'R'                       # red lamp
    for x in range(2, 6):
        c[9][x] = 'd'                    # the slot
    write('print', c, {' ': 'None', 'k': '#404040', 'w': '#FFFFFF', 's': '#808080', 'g': '#B4B4B4',
                       'h': '#DCDCDC', 'd': '#606060', 'G': '#00C000', 'R': '#E00000'})


def program():
    c = canvas()
    rect(c, 0, 2, 15, 13, 'w', 'r')      # the red-bordered transfer order
    for x in range(2, 14):
        c[4][x] = 'p'                    # the character-cell rows of the form
        c[7][x] = 'p'
    for x in range(2, 8):
        c[10][x] = 'p'
    rect(c, 9, 9, 13, 11, 'y', 'r')      # the amount box
    write('przelew', c, {' ': 'None', 'r': '#D01010', 'w': '#FFFFFF', 'p': '#F0A0A0', 'y': '#FFF4C0'})


def new_sheet():
    c = canvas()
    polygon(c, [(2, 0), (10, 0), (14, 4), (14, 16), (2, 16)], 'w', 'k')   # the sheet, its corner folded
    for i in range(5):
        c[i][10 + i] = 'k'               # the fold
        for x in range(10, 10 + i):
            c[i][x] = 'f'
    for y in (6, 8, 10):
        for x in range(4, 11):
            c[y][x] = 'p'                # the form's cell rows, still empty
    for i in range(5):
        c[14 - i][8 + i] = 'y'           # the pencil writing on it
        c[13 - i][8 + i] = 'y'
    c[15][7] = 'k'                       # its point
    write('new', c, {' ': 'None', 'k': '#404040', 'w': '#FFFFFF', 'f': '#D8D8D8', 'p': '#F0A0A0',
                     'y': '#E8A000'})


folder()
printer()
program()
new_sheet()
