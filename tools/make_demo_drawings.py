#!/usr/bin/env python3
"""Gives the demo workspace's drawings (examples/demo/drawings/*.dxf) the parts a drawing saved by
AutoCAD 2004 has and the preview pane reads: $ACADVER in a HEADER section, and a THUMBNAILIMAGE
section holding a picture of the drawing's lines (a 1-bit DIB, 240 pixels wide, in hex lines).

The LINE entities of each file are kept as they are; the rest is written again from them, so
running it twice gives the same bytes. Run it after changing a drawing and commit what it wrote:
  python3 tools/make_demo_drawings.py
"""
import glob
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
DRAWINGS = os.path.join(HERE, "..", "examples", "demo", "drawings")
WIDTH = 240
MARGIN = 6
HEX_BYTES_PER_LINE = 127  # as AutoCAD writes them: 254 hex digits a line


def groups(text):
    lines = text.replace("\r\n", "\n").split("\n")
    return [(int(lines[i]), lines[i + 1]) for i in range(0, len(lines) - 1, 2)]


def entities(pairs):
    """The groups of the ENTITIES section, and each LINE's end points."""
    start = pairs.index((2, "ENTITIES")) + 1
    end = pairs.index((0, "ENDSEC"), start)
    body = pairs[start:end]
    lines, current = [], None
    for code, value in body:
        if code == 0:
            current = {} if value == "LINE" else None
            if current is not None:
                lines.append(current)
        elif current is not None and code in (10, 20, 11, 21):
            current[code] = float(value)
    return body, [(l[10], l[20], l[11], l[21]) for l in lines]


def picture(segments):
    """A 1-bit DIB (white ground, black lines), bottom-up as DIBs are, of the segments."""
    xs = [x for s in segments for x in (s[0], s[2])]
    ys = [y for s in segments for y in (s[1], s[3])]
    left, bottom = min(xs), min(ys)
    span_x, span_y = max(xs) - left or 1, max(ys) - bottom or 1
    scale = (WIDTH - 2 * MARGIN - 1) / span_x
    height = int(round(span_y * scale)) + 2 * MARGIN + 1
    ink = [[False] * WIDTH for _ in range(height)]  # row 0 is the bottom row

    def at(x, y):
        return int(round((x - left) * scale)) + MARGIN, int(round((y - bottom) * scale)) + MARGIN

    for x0, y0, x1, y1 in segments:
        (a, b), (c, d) = at(x0, y0), at(x1, y1)
        steps = max(abs(c - a), abs(d - b), 1)
        for k in range(steps + 1):
            ink[round(b + (d - b) * k / steps)][round(a + (c - a) * k / steps)] = True
    stride = (WIDTH + 31) // 32 * 4
    bits = bytearray()
    for row in ink:
        line = bytearray(stride)
        for x, dark in enumerate(row):
            if not dark:  # colour 1 is white
                line[x // 8] |= 0x80 >> (x % 8)
        bits += line
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, height, 1, 1, 0, len(bits), 0, 0, 2, 2)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    return header + palette + bytes(bits)


def write(pairs):
    return "".join("%d\r\n%s\r\n" % pair for pair in pairs)


def remake(path):
    with open(path, newline="") as f:
        body, segments = entities(groups(f.read()))
    dib = picture(segments)
    pairs = [(0, "SECTION"), (2, "HEADER"), (9, "$ACADVER"), (1, "AC1018"), (0, "ENDSEC")]
    pairs += [(0, "SECTION"), (2, "ENTITIES")] + body + [(0, "ENDSEC")]
    pairs += [(0, "SECTION"), (2, "THUMBNAILIMAGE"), (90, str(len(dib)))]
    for at in range(0, len(dib), HEX_BYTES_PER_LINE):
        pairs.append((310, dib[at:at + HEX_BYTES_PER_LINE].hex().upper()))
    pairs += [(0, "ENDSEC"), (0, "EOF")]
    with open(path, "w", newline="") as f:
        f.write(write(pairs))


for drawing in sorted(glob.glob(os.path.join(DRAWINGS, "*.dxf"))):
    remake(drawing)
    print(os.path.relpath(drawing), os.path.getsize(drawing), "bytes")
