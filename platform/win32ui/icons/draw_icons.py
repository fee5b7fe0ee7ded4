#!/usr/bin/env python3
"""Draws the window's icons (16 and 32 px, 32-bit with alpha) into .ico files beside this script,
and the program's icon for Linux desktops (PNG at the hicolor theme's sizes and SVG) into
packaging/linux/icons/hicolor.

Each picture is a list of shapes in a 16-unit square, painted in order and sampled 4 x 4 per
pixel, so every size comes from one drawing and both editions look alike. Run it again after
changing a picture and commit its output; the build only reads it.
"""

import os
import struct
import zlib

SAMPLES = 4


def rect(x0, y0, x1, y1, color):
    return ("rect", (x0, y0, x1, y1), color)


def ellipse(cx, cy, rx, ry, color):
    return ("ellipse", (cx, cy, rx, ry), color)


def ring(cx, cy, r, width, color):
    return ("ring", (cx, cy, r, width), color)


def poly(points, color):
    return ("poly", points, color)


def inside(shape, x, y):
    kind, a, _ = shape
    if kind == "rect":
        return a[0] <= x < a[2] and a[1] <= y < a[3]
    if kind == "ellipse":
        return ((x - a[0]) / a[2]) ** 2 + ((y - a[1]) / a[3]) ** 2 <= 1.0
    if kind == "ring":
        d = ((x - a[0]) ** 2 + (y - a[1]) ** 2) ** 0.5
        return a[2] - a[3] <= d <= a[2]
    # Polygon: even-odd rule.
    result = False
    n = len(a)
    for i in range(n):
        (x0, y0), (x1, y1) = a[i], a[(i + 1) % n]
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            result = not result
    return result


def render(shapes, size):
    scale = 16.0 / size
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    for shape in reversed(shapes):
                        if inside(shape, x, y):
                            color = shape[2]
                            r += color[0]
                            g += color[1]
                            b += color[2]
                            a += 255
                            break
            count = SAMPLES * SAMPLES
            covered = a // 255
            if covered:
                row.append((r // covered, g // covered, b // covered, a // count))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def ico(images):
    header = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    data = b""
    offset = 6 + 16 * len(images)
    for pixels in images:
        size = len(pixels)
        mask_stride = ((size + 31) // 32) * 4
        body = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        for row in reversed(pixels):
            for r, g, b, a in row:
                body += struct.pack("BBBB", b, g, r, a)
        for row in reversed(pixels):
            bits = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            body += bytes(bits)
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(body), offset)
        data += body
        offset += len(body)
    return header + entries + data


def png(pixels):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    size = len(pixels)
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in pixels)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def svg(shapes):
    def fill(color):
        return "#%02x%02x%02x" % color

    def number(value):
        return ("%.3f" % value).rstrip("0").rstrip(".")

    lines = ['<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">']
    for kind, a, color in shapes:
        if kind == "rect":
            lines.append('  <rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                         % (number(a[0]), number(a[1]), number(a[2] - a[0]), number(a[3] - a[1]), fill(color)))
        elif kind == "ellipse":
            lines.append('  <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"/>'
                         % (number(a[0]), number(a[1]), number(a[2]), number(a[3]), fill(color)))
        elif kind == "ring":
            lines.append('  <circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="%s"/>'
                         % (number(a[0]), number(a[1]), number(a[2] - a[3] / 2), fill(color), number(a[3])))
        else:
            points = " ".join("%s,%s" % (number(x), number(y)) for x, y in a)
            lines.append('  <polygon points="%s" fill="%s" fill-rule="evenodd"/>' % (points, fill(color)))
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


BLUE = (40, 96, 180)
LIGHT_BLUE = (120, 170, 230)
DARK = (40, 48, 64)
WHITE = (255, 255, 255)
GREEN = (40, 150, 70)
ORANGE = (230, 140, 30)
YELLOW = (240, 200, 60)
GREY = (130, 136, 150)
RED = (200, 60, 50)
PAPER = (250, 250, 245)


def cylinder(body, top):
    return [rect(3, 4, 13, 13, body), ellipse(8, 13, 5, 2, body), ellipse(8, 4, 5, 2, top),
            ring(8, 4, 5, 0.6, DARK)]


def grid(x0, y0, x1, y1):
    shapes = [rect(x0, y0, x1, y1, DARK), rect(x0 + 0.7, y0 + 0.7, x1 - 0.7, y1 - 0.7, PAPER),
              rect(x0 + 0.7, y0 + 0.7, x1 - 0.7, y0 + 3, LIGHT_BLUE)]
    y = y0 + 3
    while y < y1 - 1.5:
        shapes.append(rect(x0 + 0.7, y + 2, x1 - 0.7, y + 2.6, GREY))
        y += 2.6
    shapes.append(rect((x0 + x1) / 2 - 0.3, y0 + 0.7, (x0 + x1) / 2 + 0.3, y1 - 0.7, GREY))
    return shapes


def person(cx, top, color):
    return [ellipse(cx, top + 2.5, 2.5, 2.5, color), ellipse(cx, top + 9, 4.2, 3.5, color),
            rect(cx - 4.2, top + 9, cx + 4.2, top + 12.5, color)]


def arrow(right):
    points = [(2, 8), (8, 2.5), (8, 5.5), (14, 5.5), (14, 10.5), (8, 10.5), (8, 13.5)]
    if right:
        points = [(16 - x, y) for x, y in points]
    return [poly(points, GREEN)]


def magnifier(cx, cy, r):
    return [ellipse(cx, cy, r, r, (225, 238, 250)), ring(cx, cy, r, 1.5, DARK),
            poly([(cx + r * 0.6, cy + r * 0.8), (cx + r * 0.8, cy + r * 0.6), (15, 13.6),
                  (13.6, 15)], DARK)]


PICTURES = {
    # Toolbar.
    "SurveyDatabase": cylinder(BLUE, LIGHT_BLUE) + magnifier(11, 10, 3),
    "CopyTable": [rect(1, 1, 10, 12, DARK), rect(1.8, 1.8, 9.2, 11.2, PAPER),
                  rect(6, 5, 15, 16, DARK), rect(6.8, 5.8, 14.2, 15.2, PAPER)]
    + [rect(8, y, 13, y + 0.8, GREY) for y in (8, 10, 12)],
    "Back": arrow(False),
    "For": arrow(True),
    "Info": [ellipse(8, 8, 7, 7, BLUE), rect(7, 6.5, 9, 12.5, WHITE), ellipse(8, 4, 1.2, 1.2, WHITE)],
    "Save": [rect(1.5, 1.5, 14.5, 14.5, BLUE), rect(4, 1.5, 12, 6, WHITE), rect(9.5, 2.2, 11, 5.2, DARK),
             rect(3.5, 9, 12.5, 14.5, PAPER)],
    "Replace": [rect(1, 2, 7, 8, ORANGE), rect(9, 8, 15, 14, BLUE),
                poly([(3, 9), (3, 12), (6, 12), (6, 14), (9, 11), (6, 8), (6, 10), (4.5, 10), (4.5, 9)], GREEN)],
    "Search": magnifier(6.5, 6.5, 5),
    # Tree.
    "Datenbank": cylinder(ORANGE, YELLOW),
    "Tabellen": grid(4, 1, 15, 10) + grid(1, 6, 12, 15),
    "Tabelle": grid(1, 2, 15, 14),
    "Felder": [rect(1, 1, 15, 15, DARK), rect(1.7, 1.7, 14.3, 14.3, PAPER)]
    + [rect(3, y, 13, y + 2, LIGHT_BLUE) for y in (3, 7, 11)],
    "Feld": [rect(1, 5, 15, 11, DARK), rect(1.8, 5.8, 14.2, 10.2, PAPER), rect(3, 7, 9, 9, BLUE)],
    "Eigenschaft": [poly([(8, 3), (13, 8), (8, 13), (3, 8)], GREEN)],
    "PopupListe": [rect(1, 2, 15, 7, DARK), rect(1.7, 2.7, 10.5, 6.3, PAPER), poly([(11.5, 3.8), (14, 3.8), (12.75, 5.6)], WHITE),
                   rect(1, 7, 11, 15, DARK), rect(1.7, 7.7, 10.3, 14.3, PAPER),
                   rect(2.5, 9, 9.5, 10, GREY), rect(2.5, 11.5, 9.5, 12.5, GREY)],
    "PopupItem": [ellipse(4, 8, 2, 2, BLUE), rect(7, 7, 15, 9, GREY)],
    "User": person(8, 1.5, BLUE),
    "Users": person(10.5, 1, LIGHT_BLUE) + person(5.5, 3, BLUE),
    # The program.
    "Veltrano": [rect(0.5, 0.5, 15.5, 15.5, BLUE),
                 poly([(3, 3), (5.5, 3), (8, 10), (10.5, 3), (13, 3), (9.2, 13.5), (6.8, 13.5)], WHITE)],
}


# The hicolor theme's sizes of the program's icon on Linux.
DESKTOP_SIZES = (16, 32, 48, 64, 128, 256)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, shapes in PICTURES.items():
        write(os.path.join(folder, name + ".ico"), ico([render(shapes, 16), render(shapes, 32)]))
    hicolor = os.path.join(folder, "..", "..", "..", "packaging", "linux", "icons", "hicolor")
    program = PICTURES["Veltrano"]
    for size in DESKTOP_SIZES:
        write(os.path.join(hicolor, "%dx%d" % (size, size), "apps", "veltrano.png"), png(render(program, size)))
    write(os.path.join(hicolor, "scalable", "apps", "veltrano.svg"), svg(program).encode())


if __name__ == "__main__":
    main()
