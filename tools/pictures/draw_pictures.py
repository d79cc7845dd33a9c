#!/usr/bin/env python3
"""Draws the program's tool-bar pictures and grid marks as PNG files.

The pictures are pixel art on a 16-colour palette (the tool-bar strip is
stored at 4 bits per pixel), dark outlines and light fills, transparent
background. Run from anywhere; writes into resources/bitmaps/.
    draw_pictures.py [--preview FILE]   also writes an 8x enlarged sheet
"""
import os
import struct
import sys
import zlib

PALETTE = {
    'k': (48, 48, 48), 'w': (255, 255, 255), 'l': (212, 212, 212), 'g': (140, 140, 140),
    'n': (24, 64, 140), 'b': (56, 120, 216), 'c': (160, 204, 244), 'D': (24, 120, 40),
    'G': (84, 184, 72), 'R': (150, 20, 20), 'r': (228, 56, 48), 'o': (196, 136, 24),
    'y': (250, 210, 70), 'p': (255, 236, 200), 'u': (120, 76, 36),
}


class Canvas:
    def __init__(self, w=16, h=16):
        self.w, self.h = w, h
        self.px = [[None] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def box(self, x0, y0, x1, y1, fill, edge='k'):
        self.fill(x0, y0, x1, y1, edge)
        if x1 - x0 > 1 and y1 - y0 > 1:
            self.fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, c)
            if (x0, y0) == (x1, y1):
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def art(self, x, y, rows):
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch != '.':
                    self.put(x + i, y + j, ch)


# ---- building blocks, shared so that the set keeps one style ----

def page(cv, x0, y0, x1, y1, lines=True):
    cv.box(x0, y0, x1, y1, 'w')
    # folded corner
    cv.put(x1, y0, None)
    cv.put(x1 - 1, y0, None)
    cv.put(x1, y0 + 1, None)
    cv.put(x1 - 2, y0 + 1, 'k')
    cv.put(x1 - 1, y0 + 1, 'l')
    cv.put(x1 - 1, y0 + 2, 'k')
    cv.put(x1, y0 + 2, 'k')
    cv.put(x1 - 1, y0, 'k')
    cv.line(x1 - 1, y0, x1, y0 + 1, 'k')
    cv.put(x1 - 2, y0 + 2, 'k')
    if lines:
        for y in range(y0 + 4, y1 - 1, 2):
            cv.line(x0 + 2, y, x1 - 2, y, 'g')


def floppy(cv, x0, y0, s):
    x1, y1 = x0 + s - 1, y0 + s - 1
    cv.box(x0, y0, x1, y1, 'b')
    cv.box(x0 + 2, y0, x1 - 2, y0 + s // 2 - 1, 'w')
    for y in range(y0 + 2, y0 + s // 2 - 1, 2):
        cv.line(x0 + 3, y, x1 - 3, y, 'g')
    cv.box(x0 + 3, y1 - s // 3, x1 - 3, y1, 'l')
    cv.fill(x0 + 4, y1 - s // 3 + 1, x0 + 5, y1 - 1, 'n')


def magnifier(cv, x, y):
    cv.art(x, y, [
        "..kkkk...",
        ".kcccwk..",
        "kccccwwk.",
        "kcccccck.",
        "kcccccck.",
        "kcccccck.",
        ".kccccko.",
        "..kkkkuoo",
    ])
    cv.art(x + 6, y + 7, ["kuo..", ".kuo.", "..kuo", "...ko"])


def arrow_right(cv, x, y, c='G'):
    cv.art(x, y, [
        "....k..",
        "....kk.",
        "kkkkkGk",
        "kGGGGGGk"[:7],
        "kkkkkGk",
        "....kk.",
        "....k..",
    ])
    cv.fill(x + 1, y + 3, x + 5, y + 3, c)
    cv.put(x + 5, y + 2, c)
    cv.put(x + 5, y + 4, c)
    cv.put(x + 6, y + 3, 'k' if c else 'k')


def arrow_down(cv, x, y):
    cv.art(x, y, [
        ".kGk.",
        ".kGk.",
        ".kGk.",
        ".kGk.",
        "kkGkk",
        "kGGGk",
        ".kGk.",
        "..k..",
    ])


def note(cv, x, y):
    cv.art(x, y, [
        "....kkkkkk",
        "....kbbbbk",
        "....kkkkbk",
        "....k..kbk",
        "....k..kbk",
        "....k..kbk",
        "....k..kbk",
        ".kkkk.kkbk",
        "kbbbk.kbbk",
        "kbbbkkbbbk",
        ".kkk.kbbk.",
        "......kk..",
    ])


LETTERS = {
    'A': [".k.", "k.k", "kkk", "k.k", "k.k"],
    'Z': ["kkk", "..k", ".k.", "k..", "kkk"],
    'I': ["kkk", ".k.", ".k.", ".k.", "kkk"],
    'N': ["k.k", "kkk", "kkk", "kkk", "k.k"],
    'F': ["kkk", "k..", "kk.", "k..", "k.."],
    'O': [".k.", "k.k", "k.k", "k.k", ".k."],
    '?': ["kkk", "..k", ".kk", "...", ".k."],
}


def letter(cv, ch, x, y, c='k'):
    cv.art(x, y, [row.replace('k', c) for row in LETTERS[ch]])


# ---- the tool-bar pictures, by image index ----

def new(cv):
    page(cv, 3, 1, 13, 14, lines=False)
    cv.art(1, 9, ["..y..", ".yyy.", "yyyyy", ".yyy.", "..y.."])
    cv.put(3, 11, 'w')


def open_(cv):
    cv.art(0, 2, [
        ".kkkk...........",
        "kooook..........",
        "kooooookkkkkkk..",
        "koooooooooooook.",
        "koookkkkkkkkkkkk",
        "kook.yyyyyyyyyyk",
        "kokyyyyyyyyyyyk.",
        "kokyyyyyyyyyyyk.",
        "kkyyyyyyyyyyyk..",
        "kkyyyyyyyyyyyk..",
        "kkkkkkkkkkkkkk..",
    ])
    cv.put(4, 7, 'k')


def save(cv):
    floppy(cv, 1, 1, 14)


def save_as(cv):
    floppy(cv, 0, 0, 12)
    cv.art(8, 6, [
        "......kk",
        ".....kyok"[:8],
        "....kyyk",
        "...kyyk.",
        "..kyyk..",
        ".kpyk...",
        ".kkk....",
        "k.......",
    ])
    cv.put(13, 7, 'o')
    cv.put(14, 7, 'k')
    cv.put(14, 6, 'k')


def exit_(cv):
    cv.box(2, 1, 10, 14, 'u')
    cv.box(4, 3, 10, 14, 'p')
    cv.fill(5, 4, 9, 13, 'l')
    cv.put(6, 8, 'o')
    arrow_right(cv, 8, 5, 'r')


def ok(cv):
    cv.art(0, 2, [
        "............kk..",
        "...........kGGk.",
        "..........kGGGk.",
        ".........kGGGk..",
        "..kk....kGGGk...",
        ".kGGk..kGGGk....",
        "kGGGGkkGGGk.....",
        ".kGGGGGGGk......",
        "..kGGGGGk.......",
        "...kGGGk........",
        "....kGk.........",
        ".....k..........",
    ])


def cancel(cv):
    # A "no" sign, so that it is not taken for the red cross of Delete.
    cv.art(1, 1, [
        ".....kkkkk.....",
        "...kkrrrrrkk...",
        "..krrrrrrrrrk..",
        ".krrrkkkkkkrrk.",
        ".krrk.....krrrk",
        "krrk.....krrrrk",
        "krrk....krrrkrk",
        "krrk...krrrk.rk",
        "krrk..krrrk..rk",
        "krrk.krrrk..krk",
        ".krrkrrrk..krk.",
        ".krrrrrk..krrk.",
        "..krrrrkkkrrk..",
        "...kkrrrrrkk...",
        ".....kkkkk.....",
    ])


def copy(cv):
    page(cv, 1, 1, 9, 11)
    page(cv, 6, 4, 14, 14)


def paste(cv):
    cv.box(2, 2, 12, 14, 'o')
    cv.fill(3, 3, 11, 13, 'u')
    cv.box(5, 1, 9, 3, 'l')
    page(cv, 6, 6, 14, 14)


def cut(cv):
    cv.art(0, 0, [
        "...k.......k....",
        "...kk.....kk....",
        "...klk...klk....",
        "....klk.klk.....",
        "....klk.klk.....",
        ".....klkkk......",
        "......kgk.......",
        ".....kkkkk......",
        "....krk.krk.....",
        "..kkrk...krkk...",
        ".krrrk...krrrk..",
        "krk.krk.krk.krk.",
        "krk.krk.krk.krk.",
        "krrrrk...krrrrk.",
        ".kkkk.....kkkk..",
        "................",
    ])
    cv.art(0, 0, [".." * 0])


def find(cv):
    magnifier(cv, 1, 1)
    cv.fill(7, 8, 7, 8, 'c')


def find_next(cv):
    magnifier(cv, 0, 0)
    arrow_right(cv, 9, 9)


def delete(cv):
    cv.art(1, 1, [
        "kk........kk",
        "krk......krk",
        "krrk....krrk",
        ".krrk..krrk.",
        "..krrkkrrk..",
        "...krrrrk...",
        "...krrrrk...",
        "..krrkkrrk..",
        ".krrk..krrk.",
        "krrk....krrk",
        "krk......krk",
        "kk........kk",
    ])
    cv.line(2, 2, 12, 12, 'R')


def add(cv):
    cv.art(2, 2, [
        "....kkkk....",
        "....kGGk....",
        "....kGGk....",
        "....kGGk....",
        "kkkkkGGkkkkk",
        "kGGGGGGGGGGk",
        "kGGGGGGGGGGk",
        "kkkkkGGkkkkk",
        "....kGGk....",
        "....kGGk....",
        "....kGGk....",
        "....kkkk....",
    ])
    cv.fill(6, 7, 9, 8, 'D')


def concerts(cv):
    cv.box(0, 1, 9, 14, 'w')
    for y in (4, 7, 10):
        cv.line(2, y, 7, y, 'g')
    note(cv, 5, 3)


BIG = {
    'A': ["..k..", ".kbk.", ".kbk.", "kb.bk", "kbbbk", "kb.bk", "kk.kk"],
    'Z': ["kkkkk", "kbbbk", "..kbk", ".kbk.", "kbk..", "kbbbk", "kkkkk"],
}


def sort_icon(cv, top, bottom):
    cv.art(1, 0, BIG[top])
    cv.art(1, 8, BIG[bottom])
    arrow_down(cv, 9, 4)
    cv.art(9, 0, [".kGk.", ".kGk.", ".kGk.", ".kGk."])


def sort_az(cv):
    sort_icon(cv, 'A', 'Z')


def sort_za(cv):
    sort_icon(cv, 'Z', 'A')


def list_functions(cv):
    page(cv, 0, 1, 7, 14)
    page(cv, 8, 1, 15, 14)
    cv.box(5, 6, 10, 9, 'y')
    cv.line(6, 7, 9, 7, 'o')
    cv.line(6, 8, 9, 8, 'o')


def export(cv):
    page(cv, 1, 1, 10, 14)
    arrow_right(cv, 8, 6)


def help_(cv):
    cv.art(1, 1, [
        "....kkkkkk....",
        "..kkbbbbbbkk..",
        ".kbbbbbbbbbbk.",
        ".kbbbwwwwbbbk.",
        "kbbbwwbbwwbbbk",
        "kbbbbbbbwwbbbk",
        "kbbbbbbwwbbbbk",
        "kbbbbbwwbbbbbk",
        "kbbbbbwwbbbbbk",
        ".kbbbbbbbbbbk.",
        ".kbbbbwwbbbbk.",
        "..kkbbwwbbkk..",
        "....kkkkkk....",
    ])


def find_concert(cv):
    note(cv, 0, 0)
    magnifier(cv, 6, 6)


UNDO_ARROW = [
    "................",
    "....k...........",
    "...kk...........",
    "..kGkkkkkkkk....",
    ".kGGGGGGGGGGkk..",
    "kGGGGGGGGGGGGGk.",
    ".kGGGGGGGGGGGGGk",
    "..kGkkkkkkkkGGGk",
    "...kk......kGGGk",
    "....k......kGGGk",
    "...........kGGk.",
    "..........kGGk..",
    ".........kGGk...",
    ".........kkk....",
    "................",
    "................",
]


def undo(cv):
    cv.art(0, 0, UNDO_ARROW)


def redo(cv):
    cv.art(0, 0, [row[::-1] for row in UNDO_ARROW])


TOOLBAR = [
    (0, "new", new), (1, "open", open_), (2, "save", save), (3, "save-as", save_as), (4, "exit", exit_),
    (5, "ok", ok), (6, "cancel", cancel), (8, "copy", copy), (9, "paste", paste), (10, "cut", cut), (11, "find", find), (12, "find-next", find_next),
    (13, "undo", undo), (14, "redo", redo),
    (16, "delete", delete), (17, "add", add), (18, "concerts", concerts), (19, "sort-a-z", sort_az),
    (20, "sort-z-a", sort_za), (21, "list-functions", list_functions), (22, "export", export),
    (23, "help", help_), (24, "find-concert", find_concert),
]


# ---- the grid marks ----

def mark_info():
    cv = Canvas(26, 10)
    cv.box(1, 0, 24, 9, 'b', 'n')
    for x, y in ((1, 0), (24, 0), (1, 9), (24, 9)):
        cv.put(x, y, None)
    for i, ch in enumerate("INFO"):
        letter(cv, ch, 5 + 4 * i, 2, 'w')
    return cv


def mark_front_cover():
    cv = Canvas(14, 14)
    cv.box(0, 0, 13, 13, 'b')
    cv.art(2, 2, [
        "...kkkk...",
        ".kkllllkk.",
        ".klllllwk.",
        "kllllllwwk",
        "klllkklllk",
        "klllkklllk",
        "kllllllllk",
        ".kglllllk.",
        ".kkgggglk.",
        "...kkkk...",
    ])
    cv.put(0, 13, None)
    return cv


def mark_back_cover():
    cv = Canvas(14, 14)
    cv.box(0, 0, 13, 13, 'p')
    cv.fill(2, 2, 11, 3, 'b')
    for y in (6, 8, 10):
        cv.line(2, y, 11, y, 'g')
    cv.put(0, 13, None)
    return cv


def mark_tick():
    cv = Canvas(14, 14)
    cv.art(0, 1, [
        "...........kk.",
        "..........kGk.",
        ".........kGGk.",
        "........kGGk..",
        ".kk....kGGk...",
        "kGGk..kGGk....",
        "kGGGkkGGk.....",
        ".kGGGGGk......",
        "..kGGGk.......",
        "...kGk........",
        "....k.........",
    ])
    return cv


def mark_picture():
    """A small photograph: sky, sun and hills, in more colours than 16."""
    rows = []
    for y in range(14):
        row = []
        for x in range(14):
            if x in (0, 13) or y in (0, 13):
                row.append((48, 48, 48))
            elif (x - 9) ** 2 + (y - 4) ** 2 <= 4:
                row.append((250, 210, 70))
            elif y >= 9 - (x // 3) % 2 + (1 if x > 8 else 0):
                row.append((40 + 10 * y, 150 + 4 * x, 50))
            else:
                row.append((120 + 8 * y, 170 + 5 * y, 240))
        rows.append(row)
    rows[13][0] = None
    return rows


# ---- output ----

def write_png(path, rows):
    h, w = len(rows), len(rows[0])
    raw = b''
    for row in rows:
        raw += b'\0' + b''.join(bytes((0, 0, 0, 0)) if p is None else bytes(p) + b'\xff' for p in row)

    def chunk(tag, data):
        body = tag + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)

    png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(png)


def rgb_rows(cv):
    return [[None if c is None else PALETTE[c] for c in row] for row in cv.px]


def preview(path, pictures, scale=8):
    """All pictures side by side on a light background, enlarged."""
    gap = 4
    width = sum(len(p[0]) + gap for p in pictures) + gap
    height = max(len(p) for p in pictures) + 2 * gap
    sheet = [[(240, 240, 240)] * (width * scale) for _ in range(height * scale)]
    x0 = gap
    for p in pictures:
        for y, row in enumerate(p):
            for x, c in enumerate(row):
                if c is None:
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        sheet[(gap + y) * scale + dy][(x0 + x) * scale + dx] = c
        x0 += len(p[0]) + gap
    write_png(path, sheet)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'resources', 'bitmaps')
    os.makedirs(os.path.join(out, 'toolbar'), exist_ok=True)
    pictures = []
    for index, name, draw in TOOLBAR:
        cv = Canvas()
        draw(cv)
        assert cv.px[15][0] is None, name + ": bottom-left pixel must stay transparent"
        rows = rgb_rows(cv)
        write_png(os.path.join(out, 'toolbar', '%02d-%s.png' % (index, name)), rows)
        pictures.append(rows)
    marks = [("mark-info", rgb_rows(mark_info())), ("mark-front-cover", rgb_rows(mark_front_cover())),
             ("mark-back-cover", rgb_rows(mark_back_cover())), ("mark-picture", mark_picture()),
             ("mark-tick", rgb_rows(mark_tick()))]
    for name, rows in marks:
        assert rows[-1][0] is None, name + ": bottom-left pixel must stay transparent"
        write_png(os.path.join(out, name + '.png'), rows)
    if len(sys.argv) == 3 and sys.argv[1] == '--preview':
        preview(sys.argv[2], pictures + [rows for _, rows in marks])


if __name__ == '__main__':
    main()
