#!/usr/bin/python3
"""Writes the puzzle files of the mini-games into content/config/minigames/:

    screen2.xml    the beer pipes: the grid of turning pieces, the way through, the tap
    screen5.xml    the safe's code: the keys to press, by row (4 = top) and column
    screen15.xml   the breakout: field walls, ball, bar and bricks
    screen18.xml   the piano: the key areas, the tune and where its marks go
    screen22.xml   the jigsaw of the torn photograph: where each piece belongs
    screen28.xml   the chocolate box: chocolate pictures, the box's slots, loose chocolates
    screen32.xml   the letters of Grandmother's motto, LUX MEA, and their places on the card

The layouts match the pictures that ui_art.py and the puzzle_*.py scripts
paint: the code is the one on Grandmother's note on the safe, the tune the one
on the sheet music over the piano, the chocolates' slots the box's cavities.
"""

import os
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
FOLDER = "content/config/minigames/"

# The keypad, row by row from the top left: which symbol each key shows.
KEYPAD = ["1", "2", "3", "star", "4", "5", "6", "moon", "7", "8", "9", "sun", "heart", "0", "anchor", "note"]
# Grandmother's note on the safe: anchor, 1, 9, heart.
SAFE_CODE = ["anchor", "1", "9", "heart"]

# Breakout: the cabinet's screen is x 112..912, y 100..768; the bottom is open.
FIELD = (112, 100, 912, 768)
BRICK_SIZE = (88, 28)
BRICK_COLUMNS = [128 + 96 * c for c in range(8)]
BRICK_ROWS = [160, 196, 232]          # Brick1, Brick2, Brick3

# Piano: eight keys C4..C5, key i at x 192 + 80 i; the sound of a key is its
# area's name. The tune on the sheet, by key number (1 = C4 ... 8 = C5).
PIANO_KEY = (192, 470, 78, 230)       # x of key 0, y, width, height
TUNE = [1, 3, 5, 8, 6, 5, 3, 1]
MARK_SIZE = 44

# Pipes: 7 x 5 tiles of 96 px from (176, 134); the keg feeds row 2 from the
# left and the tap takes it out on the right. Corner.png joins left and top;
# each step turns a piece a quarter clockwise, so the corner's steps join
# left-top, top-right, right-bottom, bottom-left. Straights are drawn the way
# they lie and count at any even step.
PIPE_GRID = (176, 134, 96, 7, 5)
STRAIGHT, CORNER, FREE = 1, 2, 7
PIPE_PATH = {  # (column, row): (picture, type, right step)
    (0, 2): ("StraightH", STRAIGHT, -2), (1, 2): ("Corner", CORNER, 0), (1, 1): ("StraightV", STRAIGHT, -2),
    (1, 0): ("Corner", CORNER, 2), (2, 0): ("StraightH", STRAIGHT, -2), (3, 0): ("Corner", CORNER, 3),
    (3, 1): ("StraightV", STRAIGHT, -2), (3, 2): ("StraightV", STRAIGHT, -2), (3, 3): ("Corner", CORNER, 1),
    (4, 3): ("StraightH", STRAIGHT, -2), (5, 3): ("Corner", CORNER, 0), (5, 2): ("Corner", CORNER, 2),
    (6, 2): ("StraightH", STRAIGHT, -2),
}
TAP = (924, 318)

# Jigsaw: the photograph's 4 x 3 cells of 120 px from (272, 170); each piece's
# picture is its cell with a 24 px margin for the tabs.
PHOTO = (272, 170, 120, 4, 3, 24)

# Letters: LUX MEA, tiles of 80 x 96 on the card.
MOTTO = [("L", 196), ("U", 288), ("X", 380), ("M", 564), ("E", 656), ("A", 748)]
MOTTO_Y = 300
LETTER = (80, 96)

# Chocolates: the box's cavities by row and column (ui_art.py paints them),
# chocolates of 80 px; the loose ones lie on the table beside the box.
CHOC_CAVITY_TYPES = [[1, 2, 3, 1], [2, 3, 1, 2], [3, 1, 2, 3]]
CHOC_ORIGIN, CHOC_STEP, CHOC_SIZE = (347, 304), 110, 80
LOOSE = [(x, y) for x in (40, 140, 804, 904) for y in (200, 340, 480)]
LOOSE_TYPES = [2, 1, 3, 3, 2, 1, 1, 3, 2, 2, 1, 3]


def safe_xml():
    rows = ['<?xml version="1.0" encoding="UTF-8"?>', "<Minigame>"]
    for symbol in SAFE_CODE:
        index = KEYPAD.index(symbol)
        rows.append('  <Solution row="%d" column="%d"/>' % (4 - index // 4, index % 4 + 1))
    rows.append("</Minigame>")
    return "\n".join(rows) + "\n"


def breakout_xml():
    left, top, right, bottom = FIELD
    folder = "content/images/minigames/screen15/"
    rows = ['<?xml version="1.0" encoding="UTF-8"?>',
            '<Minigame imagePath="%s" background="Bg" barSpeedInitialStep="8" barSpeedStep="4"'
            ' numberOfLives="3" simulationStep="10" dumpingFactor="1">' % folder,
            '  <Ball fileName="%sBall" positionX="512" positionY="600" velocityX="170" velocityY="-360"/>' % folder,
            '  <Bar fileName="%sBar" positionX="448" positionY="680"/>' % folder]
    brick = 0
    for row, y in enumerate(BRICK_ROWS):
        for x in BRICK_COLUMNS:
            rows.append('  <Brick id="%d" positionX="%d" positionY="%d" fileName="%sBrick%d"/>'
                        % (brick, x, y, folder, row + 1))
            brick += 1
    # Each wall's normal points into the field (left of the way from start to end).
    rows += ['  <Wall id="1" startPointX="%d" startPointY="%d" endPointX="%d" endPointY="%d"/>'
             % (left, bottom, left, top),
             '  <Wall id="2" startPointX="%d" startPointY="%d" endPointX="%d" endPointY="%d"/>'
             % (left, top, right, top),
             '  <Wall id="3" startPointX="%d" startPointY="%d" endPointX="%d" endPointY="%d"/>'
             % (right, top, right, bottom),
             # The line below the field where the ball is lost.
             '  <Wall id="-1" startPointX="%d" startPointY="%d" endPointX="%d" endPointY="%d"/>'
             % (right, bottom + 30, left, bottom + 30),
             "</Minigame>"]
    return "\n".join(rows) + "\n"


def note_head(k, key):
    """Centre of the k-th note head on the sheet (puzzle_piano.py paints them)."""
    pitch = key - 1                    # 0 = C4
    return 300 + 64 * k, 278 - (pitch - 2) * 7


def piano_xml():
    x0, y, w, h = PIANO_KEY
    rows = ['<?xml version="1.0" encoding="UTF-8"?>',
            '<Minigame imagePath="content/images/minigames/screen18/" background="Bg" noteOver="NoteLit">']
    for i in range(8):
        rows.append('  <Slot id="%d" topLeftX="%d" topLeftY="%d" squareWidth="%d" squareHeight="%d"'
                    ' name="PIANO_NOTE_%d"/>' % (i, x0 + 80 * i, y, w, h, i + 1))
    for k, key in enumerate(TUNE):
        rows.append('  <Step id="%d" active="1" name="PIANO_NOTE_%d"/>' % (k, key))
    for k, key in enumerate(TUNE):
        cx, cy = note_head(k, key)
        rows.append('  <Note id="%d" active="1" positionX="%d" positionY="%d"/>'
                    % (k, cx - MARK_SIZE // 2, cy - MARK_SIZE // 2))
    rows.append("</Minigame>")
    return "\n".join(rows) + "\n"


def pipes_xml():
    x0, y0, tile, columns, rows = PIPE_GRID
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<Game imagePath="content/images/minigames/screen2/" offsetX="%d" offsetY="%d"'
           ' startBtnX="%d" startBtnY="%d" startBtnImage="Tap" numberOfConfigurations="4">'
           % (x0, y0, TAP[0], TAP[1])]
    for index, (row, column) in enumerate((r, c) for r in range(rows) for c in range(columns)):
        picture, type_id, step = PIPE_PATH.get((column, row), ("Blank", FREE, -1))
        out.append('  <Item image="%s" id="%d" positionX="%d" positionY="%d" typeId="%d"'
                   ' partOfSolution="%d" solutionConfiguration="%d"/>'
                   % (picture, index, tile * column, tile * row, type_id,
                      1 if (column, row) in PIPE_PATH else 0, step))
    out.append("</Game>")
    return "\n".join(out) + "\n"


def pieces_xml(folder, width, height, tolerance, pieces):
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<Game background="Bg" puzzleElementWidth="%d" puzzleElementHeight="%d" tolerance="%d">'
           % (width, height, tolerance)]
    for index, (path, x, y) in enumerate(pieces):
        out.append('  <Piece id="%d" solutionX="%d" solutionY="%d" path="%s%s"/>'
                   % (index, x, y, folder, path))
    out.append("</Game>")
    return "\n".join(out) + "\n"


def jigsaw_xml():
    x0, y0, cell, columns, rows, margin = PHOTO
    pieces = [("Piece%d" % (r * columns + c), x0 + cell * c - margin, y0 + cell * r - margin)
              for r in range(rows) for c in range(columns)]
    size = cell + 2 * margin
    return pieces_xml("content/images/minigames/screen22/", size, size, 24, pieces)


def letters_xml():
    return pieces_xml("content/images/minigames/screen32/", LETTER[0], LETTER[1], 24,
                      [(letter, x, MOTTO_Y) for letter, x in MOTTO])


def chocolates_xml():
    folder = "content/images/minigames/screen28/"
    out = ['<?xml version="1.0" encoding="UTF-8"?>', "<Minigame>"]
    out += ['  <Texture type="%d" fileName="%sChoc%d.png"/>' % (t, folder, t) for t in (1, 2, 3)]
    half = CHOC_SIZE // 2
    for r, row in enumerate(CHOC_CAVITY_TYPES):
        for c, type_id in enumerate(row):
            out.append('  <Slot type="%d" x="%d" y="%d"/>'
                       % (type_id, CHOC_ORIGIN[0] + CHOC_STEP * c - half, CHOC_ORIGIN[1] + CHOC_STEP * r - half))
    out += ['  <Shape type="%d" x="%d" y="%d"/>' % (t, x, y) for t, (x, y) in zip(LOOSE_TYPES, LOOSE)]
    out.append("</Minigame>")
    return "\n".join(out) + "\n"


def write(name, text):
    path = os.path.join(ROOT, FOLDER, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)
    print("wrote", FOLDER + name)


def main():
    write("screen2.xml", pipes_xml())
    write("screen5.xml", safe_xml())
    write("screen15.xml", breakout_xml())
    write("screen18.xml", piano_xml())
    write("screen22.xml", jigsaw_xml())
    write("screen28.xml", chocolates_xml())
    write("screen32.xml", letters_xml())
    return 0


if __name__ == "__main__":
    sys.exit(main())
