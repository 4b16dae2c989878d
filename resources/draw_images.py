#!/usr/bin/env python3
"""Draw Tarnwick's icons and check-box bitmap and write them next to this script.

Only the standard library is used, so the pictures can be rebuilt anywhere,
and the output is byte-for-byte deterministic.

    app.ico          application icon, 32x32, 8 bpp
    tree.bmp         check-box states for the library tree, 48x16, 4 bpp
    tree_150.bmp     the same for 150% screens, 72x24
    tree_200.bmp     the same for 200% screens, 96x32
    arrow_right.ico  ">>" button, 32x32, 4 bpp
    arrow_left.ico   "<<" button, 32x32, 4 bpp
    binoculars.ico   Find button, 32x32 and 16x16, 4 bpp
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


# --- drawing ---------------------------------------------------------------

class Canvas:
    """A grid of palette indices; None marks a transparent pixel."""

    def __init__(self, width, height, fill=None):
        self.width, self.height = width, height
        self.px = [[fill] * width for _ in range(height)]

    def mask(self, inside):
        """Pixels whose centre satisfies inside(x, y)."""
        return {(x, y) for y in range(self.height) for x in range(self.width)
                if inside(x + 0.5, y + 0.5)}

    def shape(self, inside, fill, edge=None):
        """Fill a shape; with edge, also ring it with a 1-pixel outline."""
        pts = self.mask(inside)
        if edge is not None:
            for x, y in pts:
                for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                    if (nx, ny) not in pts:
                        self.put(nx, ny, edge)
        for x, y in pts:
            self.px[y][x] = fill
        return pts

    def put(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = c

    def mirrored(self):
        out = Canvas(self.width, self.height)
        out.px = [row[::-1] for row in self.px]
        return out


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def polygon(points):
    """Even-odd point-in-polygon test."""
    def inside(x, y):
        hit = False
        for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                hit = not hit
        return hit
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def pad_palette(colours, size):
    return list(colours) + [(0, 0, 0)] * (size - len(colours))


# --- file formats ----------------------------------------------------------

def pack_pixels(row, bpp):
    """Pack palette indices into bytes, padded to a 4-byte boundary."""
    per_byte = 8 // bpp
    out = bytearray()
    for i in range(0, len(row), per_byte):
        b = 0
        for j, v in enumerate(row[i:i + per_byte]):
            b |= v << (8 - bpp * (j + 1))
        out.append(b)
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def info_header(width, height, bpp, image_size, colours):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bpp, 0,
                       image_size, 0, 0, colours, 0)


def rgbquads(palette):
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)


def icon_image(canvas, palette, bpp):
    """One icon image: header, palette, XOR bitmap and AND mask, bottom-up.

    Transparent pixels are black (index 0) in the XOR bitmap so they vanish
    when the mask is applied.
    """
    rows = canvas.px[::-1]
    xor = b''.join(pack_pixels([0 if c is None else c for c in r], bpp) for r in rows)
    and_ = b''.join(pack_pixels([1 if c is None else 0 for c in r], 1) for r in rows)
    head = info_header(canvas.width, canvas.height * 2, bpp, len(xor) + len(and_), 0)
    return head + rgbquads(pad_palette(palette, 1 << bpp)) + xor + and_


def write_ico(name, images):
    """images: list of (canvas, palette, bpp)."""
    blobs = [icon_image(*img) for img in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (canvas, _, bpp), blob in zip(images, blobs):
        colours = 1 << bpp if bpp < 8 else 0
        out += struct.pack('<BBBBHHII', canvas.width % 256, canvas.height % 256,
                           colours, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    save(name, out + b''.join(blobs))


def write_bmp(name, canvas, palette, bpp):
    pixels = b''.join(pack_pixels(r, bpp) for r in canvas.px[::-1])
    colours = 1 << bpp
    head = info_header(canvas.width, canvas.height, bpp, len(pixels), colours)
    body = head + rgbquads(pad_palette(palette, colours)) + pixels
    offset = 14 + len(head) + 4 * colours
    save(name, struct.pack('<2sIHHI', b'BM', 14 + len(body), 0, 0, offset) + body)


def save(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


# --- pictures --------------------------------------------------------------

def draw_app():
    """Three stacked scenery layers (earth, water, grass) with a small plane."""
    palette = [
        (0, 0, 0),          # 0 transparent
        (28, 36, 48),       # 1 outline
        (214, 168, 104),    # 2 earth
        (150, 102, 52),     # 3 earth side
        (84, 160, 232),     # 4 water
        (40, 96, 170),      # 5 water side
        (120, 196, 76),     # 6 grass
        (62, 124, 40),      # 7 grass side
        (255, 255, 255),    # 8 plane
        (186, 226, 140),    # 9 field strip
    ]
    c = Canvas(32, 32)
    cx, w, h, t = 13, 11.5, 5.75, 2.5
    for cy, top, side in ((23, 2, 3), (18, 4, 5), (13, 6, 7)):
        c.shape(polygon([(cx - w, cy), (cx, cy + h), (cx + w, cy),
                         (cx + w, cy + t), (cx, cy + h + t), (cx - w, cy + t)]), side, 1)
        c.shape(polygon([(cx - w, cy), (cx, cy - h), (cx + w, cy), (cx, cy + h)]), top, 1)
    # A lighter field on the top layer suggests a map rather than a plain slab.
    c.shape(polygon([(cx - 6, 13), (cx - 1, 10.5), (cx + 4, 13), (cx - 1, 15.5)]), 9)

    # Plane seen from above, nose up, then turned to climb to the upper right.
    half = [(0, -5.5), (1, -4.5), (1, -1.2), (5.5, 1.2), (5.5, 2.6), (1, 1.4),
            (0.8, 3.6), (2.6, 4.8), (2.6, 5.8), (0, 5.2)]
    outline = half + [(-x, y) for x, y in reversed(half[1:-1])]
    a = math.radians(45)
    k = 1.35
    plane = [(24 + k * (x * math.cos(a) - y * math.sin(a)),
              8 + k * (x * math.sin(a) + y * math.cos(a))) for x, y in outline]
    c.shape(polygon(plane), 8, 1)
    return c, palette


def draw_arrow_right():
    palette = [(0, 0, 0), (0, 84, 0), (44, 160, 44), (150, 220, 120)]
    c = Canvas(32, 32)
    arrow = polygon([(4, 12), (17, 12), (17, 5), (28, 16), (17, 27), (17, 20), (4, 20)])
    pts = c.shape(arrow, 2, 1)
    # A highlight along the upper edges gives the arrow a little depth.
    for x, y in pts:
        if (x, y - 1) not in pts:
            c.px[y][x] = 3
    return c, palette


BINOCULAR_PALETTE = [
    (0, 0, 0),          # 0 transparent
    (16, 16, 20),       # 1 outline
    (64, 66, 76),       # 2 body
    (128, 130, 142),    # 3 eyepiece, bridge, sheen
    (40, 110, 210),     # 4 lens
    (170, 210, 255),    # 5 glint
]


def symmetric(canvas):
    """Copy the left half onto the right, mirrored."""
    for row in canvas.px:
        half = len(row) // 2
        row[half:] = row[:half][::-1]
    return canvas


def draw_binoculars_32():
    c = Canvas(32, 32)
    c.shape(rect(12, 11, 16, 17), 3, 1)
    c.shape(rect(5, 1.5, 10, 7.5), 3, 1)
    c.shape(union(rect(2, 7, 13, 24.5), circle(7.5, 24.5, 5.5)), 2, 1)
    c.shape(rect(3, 9, 4, 18), 3)
    c.shape(circle(7.5, 24.5, 4.5), 4)
    c.shape(rect(5, 22, 7, 24), 5)
    return symmetric(c)


def draw_binoculars_16():
    # Too small to draw with shapes: the left half, placed by hand.
    art = ['........',
           '........',
           '..1111..',
           '..1331..',
           '.111111.',
           '.1222211',
           '.1222213',
           '.1222213',
           '.1222211',
           '.124421.',
           '.145441.',
           '.144441.',
           '.124421.',
           '..1111..',
           '........',
           '........']
    c = Canvas(16, 16)
    for y, line in enumerate(art):
        for x, ch in enumerate(line):
            c.px[y][x] = None if ch == '.' else int(ch)
    return symmetric(c)


def draw_checkboxes(cell):
    """Empty, ticked and grey-ticked check boxes in cells of cell pixels,
    drawn for 16 and scaled; magenta is see-through."""
    palette = [(0, 0, 0), (255, 255, 255), (255, 0, 255), (128, 128, 128), (64, 64, 64)]
    black, white, magenta, grey, frame = 0, 1, 2, 3, 4
    tick = ['......#',
            '.....##',
            '#...###',
            '##.###.',
            '#####..',
            '.###...',
            '..#....']
    scale = cell / 16
    lo, hi, width = round(scale), round(13 * scale), max(1, int(scale))
    at, size = round(4 * scale), round(7 * scale)
    c = Canvas(3 * cell, cell, magenta)
    for n, ink in enumerate((None, black, grey)):
        ox = n * cell
        for y in range(lo, hi + 1):
            for x in range(lo, hi + 1):
                edge = min(x - lo, hi - x, y - lo, hi - y) < width
                c.px[y][ox + x] = frame if edge else white
        if ink is not None:
            for y in range(size):
                for x in range(size):
                    if tick[y * 7 // size][x * 7 // size] == '#':
                        c.px[at + y][ox + at + x] = ink
    return c, palette


def main():
    app, app_pal = draw_app()
    write_ico('app.ico', [(app, app_pal, 8)])

    right, arrow_pal = draw_arrow_right()
    write_ico('arrow_right.ico', [(right, arrow_pal, 4)])
    write_ico('arrow_left.ico', [(right.mirrored(), arrow_pal, 4)])

    write_ico('binoculars.ico', [(draw_binoculars_32(), BINOCULAR_PALETTE, 4),
                                 (draw_binoculars_16(), BINOCULAR_PALETTE, 4)])

    for cell, name in ((16, 'tree.bmp'), (24, 'tree_150.bmp'), (32, 'tree_200.bmp')):
        boxes, box_pal = draw_checkboxes(cell)
        write_bmp(name, boxes, box_pal, 4)


if __name__ == '__main__':
    main()
