#!/usr/bin/env python3
"""Draws the program's pictures with ImageMagick and writes them into src/resources/:

  toolbar.bmp   the toolbar strip: seventeen 32 x 32 pictures side by side (544 x 32, 24-bit),
                on the grey (192, 192, 192) that the toolbar maps to the button face
  drawlot.ico   the window icon (32 x 32 and 16 x 16), resources 12 and 13
  dxf.ico       the icon of DXF rows (12 x 12 and 16 x 16), resource 300
  dwg.ico       the icon of DWG rows (12 x 12 and 16 x 16), resource 301
  folder_*.ico  the folder-selection dialog's seven row icons (12 x 12 and 16 x 16), resources
                310 to 316: dot entry, folder, fixed drive, CD-ROM, removable, network, RAM disk
  about.bmp     the About box's picture (128 x 64, 8 bits per pixel), resource 351

Run it again after changing a picture and commit what it wrote:  python3 tools/make_images.py
"""
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "src", "resources")
FACE = "rgb(192,192,192)"
FONT = "DejaVu-Sans-Bold"

# Reusable parts, in ImageMagick -draw syntax (coordinates in a 32 x 32 picture).
FOLDER = [
    "fill rgb(214,160,40) stroke rgb(120,80,10) stroke-width 1",
    "path 'M 2,8 L 11,8 L 13,11 L 29,11 L 29,27 L 2,27 Z'",
    "fill rgb(250,204,80)",
    "path 'M 2,27 L 6,15 L 31,15 L 28,27 Z'",
]
SHEET = [
    "fill rgb(255,255,250) stroke rgb(60,60,60) stroke-width 1",
    "path 'M 7,3 L 20,3 L 26,9 L 26,29 L 7,29 Z'",
    "fill rgb(210,210,210) path 'M 20,3 L 20,9 L 26,9 Z'",
]
LIST = [
    "fill rgb(255,255,250) stroke rgb(60,60,60) stroke-width 1",
    "rectangle 3,5 28,27",
    "stroke rgb(140,140,140) line 3,11 28,11 line 3,16 28,16 line 3,21 28,21 line 11,5 11,27",
]
PENCIL = [
    "stroke rgb(60,40,10) stroke-width 1 fill rgb(240,180,40)",
    "path 'M 14,28 L 27,15 L 31,19 L 18,32 Z'",
    "fill rgb(250,220,170) path 'M 14,28 L 18,32 L 12,32 Z'",
]


def label(text, x, y, colour, size=10):
    return [f"stroke none fill {colour} font {FONT} font-size {size}", f"text {x},{y} '{text}'"]


def arrow(up):
    if up:
        pts = "16,3 29,17 21,17 21,29 11,29 11,17 3,17"
    else:
        pts = "16,29 29,15 21,15 21,3 11,3 11,15 3,15"
    return ["fill rgb(30,110,200) stroke rgb(10,50,110) stroke-width 1.5", f"polygon {pts}"]


# One picture per toolbar button, in button order.
TOOLBAR = [
    # 330 choose folders and read them: a folder with a green tick
    FOLDER + ["stroke rgb(0,130,0) stroke-width 3.5 fill none", "polyline 14,20 19,25 29,12"],
    # 331 DWG with subfolders: three folders stacked as a tree
    ["fill none stroke rgb(60,60,60) stroke-width 1.5", "polyline 6,9 6,26 13,26",
     "line 6,17 13,17",
     "fill rgb(250,204,80) stroke rgb(120,80,10) stroke-width 1",
     "rectangle 2,2 14,10", "rectangle 13,13 27,21", "rectangle 13,22 27,30"]
    + label("W", 16, 20, "rgb(20,70,170)", 8) + label("W", 16, 29, "rgb(20,70,170)", 8),
    # 332 DWG folder
    FOLDER + label("DWG", 6, 25, "rgb(20,70,170)", 9),
    # 333 DXF folder
    FOLDER + label("DXF", 7, 25, "rgb(0,120,40)", 9),
    # 334 one drawing file: a sheet with a folded corner
    SHEET + ["stroke rgb(20,70,170) stroke-width 1 fill none", "rectangle 10,13 23,25",
             "line 10,19 23,19", "line 16,13 16,25"],
    # 335 delete from the list: a list with a red cross
    LIST + ["stroke rgb(200,20,20) stroke-width 4 fill none", "line 9,9 25,25", "line 25,9 9,25"],
    # 336 start: a green play triangle in a circle
    ["fill rgb(40,160,60) stroke rgb(10,80,20) stroke-width 1.5", "circle 16,16 16,2",
     "fill rgb(255,255,250) stroke none", "polygon 12,8 25,16 12,24"],
    # 337 printers and papers: a printer with a sheet coming out
    ["fill rgb(255,255,250) stroke rgb(60,60,60) stroke-width 1", "rectangle 9,2 23,12",
     "fill rgb(120,120,130)", "roundrectangle 2,11 30,24 3,3",
     "fill rgb(255,255,250)", "rectangle 8,20 24,30",
     "stroke rgb(120,120,120) line 11,24 21,24 line 11,27 19,27",
     "fill rgb(60,220,60) stroke none", "rectangle 25,14 27,16"],
    # 338 initial values: a gear
    ["fill rgb(110,110,120) stroke rgb(40,40,50) stroke-width 1",
     "polygon 14,1 18,1 19,6 23,7 27,4 29,7 26,11 27,14 31,15 31,18 27,19 26,22 29,26 26,29 "
     "22,26 19,27 18,31 14,31 13,27 10,26 6,29 3,26 6,22 5,19 1,18 1,15 5,14 6,11 3,7 6,4 "
     "10,7 13,6",
     "fill " + FACE, "circle 16,16 16,11"],
    # 339 edit one row: a list with a highlighted row and a pencil
    LIST + ["fill rgb(120,170,240) stroke none", "rectangle 4,12 27,15"] + PENCIL,
    # 340 copy one row: two rows, one behind the other
    ["fill rgb(255,255,250) stroke rgb(60,60,60) stroke-width 1", "rectangle 2,5 22,14",
     "fill rgb(120,170,240)", "rectangle 9,16 29,25",
     "stroke rgb(60,60,60) fill none stroke-dasharray 2,2", "line 12,14 12,16"],
    # 341 paste one row: a clipboard with a row on it
    ["fill rgb(170,110,50) stroke rgb(90,50,10) stroke-width 1", "roundrectangle 5,4 27,30 2,2",
     "fill rgb(255,255,250)", "rectangle 8,8 24,27",
     "fill rgb(190,190,200) stroke rgb(60,60,60)", "rectangle 11,2 21,7",
     "fill rgb(120,170,240) stroke rgb(60,60,60)", "rectangle 10,15 22,19"],
    # 342 edit one column: a list with a highlighted column and a pencil
    LIST + ["fill rgb(120,170,240) stroke none", "rectangle 12,6 18,26"] + PENCIL,
    # 343 down
    arrow(False),
    # 344 up
    arrow(True),
    # 345 help: a question mark in a blue circle
    ["fill rgb(30,110,200) stroke rgb(10,50,110) stroke-width 1.5", "circle 16,16 16,2"]
    + label("?", 10, 25, "rgb(255,255,250)", 22),
    # 346 quit: a red power sign
    ["fill rgb(200,30,30) stroke rgb(110,10,10) stroke-width 1", "circle 16,16 16,2",
     "fill none stroke rgb(255,255,250) stroke-width 3", "arc 8,8 24,24 -60,240",
     "line 16,5 16,16"],
]


def draw(commands, size, background, path):
    subprocess.run(["convert", "-size", f"{size}x{size}", f"xc:{background}",
                    "-draw", " ".join(commands), path], check=True)


def drawing_icon(letter_colour, text):
    # A sheet with a coloured band and the kind's letter, readable at 12 pixels.
    return ["fill rgb(255,255,250) stroke rgb(40,40,40) stroke-width 2",
            "path 'M 4,2 L 21,2 L 28,9 L 28,30 L 4,30 Z'",
            f"fill {letter_colour} stroke none", "rectangle 5,16 27,29"] + \
        label(text, 7, 28, "rgb(255,255,250)", 14)


def icon(commands, sizes, path, work):
    big = os.path.join(work, "big.png")
    draw(commands, 32, "none", big)
    frames = []
    for size in sizes:
        frame = os.path.join(work, f"f{size}.png")
        subprocess.run(["convert", big, "-resize", f"{size}x{size}", frame], check=True)
        frames.append(frame)
    subprocess.run(["convert", *frames, path], check=True)


def drive(body, mark):
    # A drive box in the kind's colour with a mark of its own.
    return [f"fill {body} stroke rgb(40,40,40) stroke-width 2", "roundrectangle 2,9 30,25 3,3",
            "fill rgb(60,220,60) stroke none", "rectangle 23,19 27,22"] + mark


# The folder-selection dialog's row icons, in image-list order (resources 310 to 316).
FOLDER_ICONS = [
    ("folder_dot.ico", ["fill rgb(200,200,200) stroke rgb(100,100,100) stroke-width 1.5",
                        "path 'M 2,8 L 11,8 L 13,11 L 29,11 L 29,27 L 2,27 Z'",
                        "fill rgb(30,110,200) stroke none", "polygon 16,12 25,21 19,21 19,26 "
                        "13,26 13,21 7,21"]),
    ("folder.ico", FOLDER),
    ("folder_fixed.ico", drive("rgb(150,150,160)", [])),
    ("folder_cdrom.ico", ["fill rgb(230,230,240) stroke rgb(60,60,60) stroke-width 2",
                          "circle 16,16 16,2", "fill rgb(170,200,240)", "circle 16,16 16,11",
                          "fill rgb(255,255,255)", "circle 16,16 16,14"]),
    ("folder_removable.ico", drive("rgb(190,190,200)", ["fill rgb(40,40,40)",
                                                        "rectangle 6,15 20,18"])),
    ("folder_network.ico", drive("rgb(150,150,160)", ["stroke rgb(20,70,170) stroke-width 3",
                                                      "line 16,25 16,31 line 6,31 26,31"])),
    ("folder_ramdisk.ico", ["fill rgb(20,120,60) stroke rgb(10,60,30) stroke-width 1.5",
                            "rectangle 2,8 30,22", "fill rgb(40,40,40) stroke none",
                            "rectangle 5,11 11,19 rectangle 13,11 19,19 rectangle 21,11 27,19",
                            "fill rgb(220,180,40)", "rectangle 4,23 28,27"]),
]


def folder_icons(work):
    for name, commands in FOLDER_ICONS:
        icon(commands, [12, 16], os.path.join(OUT, name), work)


# The About box's picture: a drawing sheet coming out of a plotter, and the program's name.
ABOUT = [
    "fill rgb(40,70,130) stroke none", "rectangle 0,0 127,63",
    "fill rgb(255,255,250) stroke rgb(20,20,20) stroke-width 1", "rectangle 10,6 50,40",
    "stroke rgb(20,70,170) fill none", "rectangle 14,10 46,32", "line 14,21 46,21",
    "line 30,10 30,32", "circle 22,16 22,19",
    "fill rgb(150,150,160) stroke rgb(20,20,20)", "roundrectangle 4,36 56,56 3,3",
    "fill rgb(60,220,60) stroke none", "rectangle 48,48 52,51",
] + label("Drawlot", 62, 30, "rgb(255,255,250)", 15) + label("Ver 1.56", 66, 48, "rgb(250,204,80)", 11)


def about_picture():
    subprocess.run(["convert", "-size", "128x64", "xc:black", "-draw", " ".join(ABOUT),
                    "-colors", "256", "-type", "Palette", "BMP3:" + os.path.join(OUT, "about.bmp")],
                   check=True)


def main():
    if len(TOOLBAR) != 17:
        sys.exit("the toolbar has 17 buttons")
    with tempfile.TemporaryDirectory() as work:
        pieces = []
        for index, commands in enumerate(TOOLBAR):
            piece = os.path.join(work, f"b{index:02d}.png")
            draw(commands, 32, FACE, piece)
            pieces.append(piece)
        subprocess.run(["convert", *pieces, "+append", "-background", FACE, "-alpha", "remove",
                        "-type", "TrueColor", "BMP3:" + os.path.join(OUT, "toolbar.bmp")],
                       check=True)
        window = ["fill rgb(255,255,250) stroke rgb(40,40,40) stroke-width 1.5",
                  "rectangle 3,3 24,28", "stroke rgb(150,150,150) stroke-width 1",
                  "line 6,9 21,9 line 6,14 21,14 line 6,19 21,19",
                  "fill rgb(40,160,60) stroke rgb(10,80,20) stroke-width 1",
                  "polygon 16,15 31,23 16,31"]
        icon(window, [32, 16], os.path.join(OUT, "drawlot.ico"), work)
        icon(drawing_icon("rgb(0,130,50)", "X"), [12, 16], os.path.join(OUT, "dxf.ico"), work)
        icon(drawing_icon("rgb(20,70,170)", "W"), [12, 16], os.path.join(OUT, "dwg.ico"), work)
        folder_icons(work)
    about_picture()


if __name__ == "__main__":
    main()
