#!/usr/bin/env python3
"""Draws the built-in pictures of the indicator and the program icon.

Writes resources/*.bmp (8-bit with an exact palette, run-length coded where that is smaller), resources/Quonthary.ico, the about
dialog's background (resources/about.bmp, 8-bit run-length coded, with its own palette), the sample skin (resources/Skin/Ocean/: the nine
pictures a skin replaces and its colors.ini), and PNG previews of the composed indicator,
the skin and the about background under build/artwork/ for judging the look:

    python3 scripts/make-artwork.py            # pictures, icon and previews
    python3 scripts/make-artwork.py --no-preview

Standard library only. Transparent pictures use the form library's rule: the colour of the
bottom-left pixel is the transparent colour, so that pixel holds KEY and KEY is used nowhere
visible.
"""

import argparse
import os
import struct
import sys
import zlib

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
RES = os.path.join(ROOT, "resources")
PREVIEW = os.path.join(ROOT, "build", "artwork")

KEY = (255, 0, 255)


# --- pictures ------------------------------------------------------------------------------


class Picture:
    def __init__(self, w, h, fill=KEY):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        """Fills [x0, x1) x [y0, y1)."""
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[y][x] = c


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def ramp(stops, t):
    """Colour at t (0..1) along a list of (position, colour) stops."""
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0.0)
    return stops[-1][1]


def from_art(rows, palette):
    """A picture from rows of characters; '.' is the transparent key."""
    h, w = len(rows), len(rows[0])
    pic = Picture(w, h)
    for y, row in enumerate(rows):
        assert len(row) == w, (row, w)
        for x, ch in enumerate(row):
            pic.set(x, y, KEY if ch == "." else palette[ch])
    return pic


def shade_rows(pic, ch_colours):
    """Re-colours pixels of the given colours with a top-to-bottom gradient per colour."""
    for y in range(pic.h):
        t = y / max(1, pic.h - 1)
        for x in range(pic.w):
            c = pic.get(x, y)
            for base, (top, bottom) in ch_colours.items():
                if c == base:
                    pic.set(x, y, mix(top, bottom, t))
    return pic


# --- the artwork ---------------------------------------------------------------------------

OUTLINE = (235, 238, 242)  # the battery's light rim: reads on dark and on blue taskbars
GAP = (24, 26, 30)  # dark band between rim and charge bar
TERMINAL = (214, 218, 224)
TERMINAL_EDGE = (124, 128, 136)


def battery():
    """53 x 27, drawn at window x = -2: columns 2..51 are window x 0..49.

    Window x 0 and 47 are the rim of the body, 48..49 the terminal (the window region cuts
    the silhouette). The charge bars cover x 3..44 over almost the whole height, so what shows
    of this picture is a frame: 3 px at the sides and 0..2 rows at top and bottom depending on
    the scale. Rows are stretched nearest-neighbour, so the bottom rim is repeated over the
    last rows across the whole body (behind the bars and the gaps beside them): at small
    heights those rows are the ones that get sampled, and the bottom edge stays unbroken.
    """
    pic = Picture(53, 27, GAP)
    for y in range(27):
        for wx in range(-2, 51):
            x = wx + 2
            if wx < 0:
                pic.set(x, y, GAP)
            elif wx in (0, 47) or y in (0, 26):
                pic.set(x, y, OUTLINE)
            elif wx >= 48:
                # terminal: a light nub with a darker far edge, so it shows on light taskbars
                pic.set(x, y, TERMINAL if wx == 48 else TERMINAL_EDGE)
            elif 1 <= wx <= 46 and y >= 23:
                pic.set(x, y, OUTLINE)
            else:
                pic.set(x, y, GAP)
    return pic


def bar(stops, rim):
    """42 x 25, stretched in both directions: every column is the same, so any width works."""
    pic = Picture(42, 25)
    for y in range(25):
        if y == 0 or y == 24:
            c = rim
        else:
            c = ramp(stops, (y - 1) / 22)
        for x in range(42):
            pic.set(x, y, c)
    return pic


def charged():
    return bar([(0.0, (74, 168, 72)), (0.12, (58, 148, 60)), (0.45, (38, 124, 46)), (1.0, (20, 86, 30))], GAP)


def discharged():
    return bar([(0.0, (178, 60, 54)), (0.12, (164, 46, 42)), (0.45, (138, 32, 30)), (1.0, (88, 18, 20))], GAP)


ARROW_RIGHT = [
    "...k....",
    "...kk...",
    "kkkkak..",
    "kaaaaak.",
    "kbbbbbbk",
    "kccccck.",
    "kkkkck..",
    "...kk...",
    "...k....",
]


def arrow(rows, light, dark):
    pal = {"k": (16, 18, 20), "a": light, "b": mix(light, dark, 0.5), "c": dark}
    return from_art(rows, pal)


def arrow_charging():
    return arrow(ARROW_RIGHT, (255, 244, 150), (236, 190, 30))


def arrow_discharging():
    return arrow([r[::-1] for r in ARROW_RIGHT], (255, 255, 255), (200, 206, 214))


def ac_plug():
    # Lying down, prongs pointing into the battery; drawn in the lower rows because at the
    # smallest sizes only the bottom nine rows are inside the window, and kept low so that
    # the arrows creeping over it stay readable.
    rows = [
        "............",
        "............",
        "............",
        "............",
        "............",
        "............",
        "....kkkkkkk.",
        "...kwwwwkmmk",
        "kkkkwwwwkkk.",
        "ccccwvvvk...",
        "kkkkvvvvkkk.",
        "...kvvvvkmmk",
        "....kkkkkkk.",
        "............",
    ]
    pal = {
        "k": (16, 18, 20),
        "m": (214, 178, 80),
        "w": (250, 250, 250),
        "v": (196, 200, 208),
        "c": (70, 74, 80),
    }
    return from_art(rows, pal)


def status_critical():
    rows = [
        "..kkkkk....",
        ".krrrrrk...",
        "krrrwrrrk..",
        "krrrwrrrk..",
        "krrrwrrrk..",
        "krrrrrrrk..",
        "krrrwrrrk..",
        ".krrrrrk...",
        "..kkkkk....",
        "...........",
        "...........",
        "...........",
    ]
    pic = from_art(rows, {"k": (16, 18, 20), "r": (1, 1, 1), "w": (255, 255, 255)})
    return shade_rows(pic, {(1, 1, 1): ((255, 84, 72), (176, 16, 16))})


def status_low():
    rows = [
        ".....k.....",
        "....kyk....",
        "....kyk....",
        "...kyyyk...",
        "...kykyk...",
        "..kyykyyk..",
        "..kyykyyk..",
        ".kyyyyyyyk.",
        ".kyyykyyyk.",
        "kyyyyyyyyyk",
        "kkkkkkkkkkk",
        "...........",
    ]
    pic = from_art(rows, {"k": (16, 18, 20), "y": (1, 1, 1)})
    return shade_rows(pic, {(1, 1, 1): ((255, 236, 110), (240, 180, 20))})


def connection_error():
    rows = [
        "..kkkk..",
        ".krrrrk.",
        "krwrrwrk",
        "krrwwrrk",
        "krrwwrrk",
        "krwrrwrk",
        ".krrrrk.",
        "..kkkk..",
    ]
    pic = from_art(rows, {"k": (16, 18, 20), "r": (1, 1, 1), "w": (255, 255, 255)})
    return shade_rows(pic, {(1, 1, 1): ((255, 90, 80), (200, 24, 24))})


def volume_wedge(fill_of):
    """42 x 9: segments 2 px wide rising from left to right on a dark backing, so that any
    left part of it (the control is cut to the volume) reads as a level."""
    pic = Picture(42, 9)
    back = (16, 18, 20)
    first, step, count = 2, 3, 13
    for i in range(count):
        x = first + i * step
        top = 6 - int(round(i * 5 / (count - 1)))  # 2 rows high at the left, 7 at the right
        for y in range(top - 1, 9):
            for dx in (-1, 0, 1, 2):
                pic.set(x + dx, y, back)
        for y in range(top, 8):
            for dx in (0, 1):
                pic.set(x + dx, y, fill_of(i / (count - 1), y))
    assert pic.get(0, 8) == KEY
    return pic


def volume():
    return volume_wedge(
        lambda t, y: ramp([(0.0, (150, 220, 255)), (1.0, (235, 248, 255))], t)
    )


def mutedvolume():
    pic = volume_wedge(lambda t, y: (128, 132, 138))
    # A red stroke through the whole length, edged in black so it shows on the red bar too.
    red, back = (240, 48, 40), (16, 18, 20)
    for x in range(1, 41):
        for y in (3, 5):
            if pic.get(x, y) == KEY:
                pic.set(x, y, back)
        pic.set(x, 4, red)
    return pic


PICTURES = {
    "battery.bmp": battery,
    "charged.bmp": charged,
    "discharged.bmp": discharged,
    "ac_plug.bmp": ac_plug,
    "arrow_charging.bmp": arrow_charging,
    "arrow_discharging.bmp": arrow_discharging,
    "connection_error.bmp": connection_error,
    "status_low.bmp": status_low,
    "status_critical.bmp": status_critical,
    "volume.bmp": volume,
    "mutedvolume.bmp": mutedvolume,
}


# --- the about dialog's background --------------------------------------------------------


def about():
    """237 x 233, the dialog's whole client area (stretched to it if the area differs).

    Dark, so that the white, silver and pale texts and the light-blue links read on it: a
    night-blue gradient with a soft diagonal sheen, a thin rule under the title line, and a
    faint charged battery on the right beside the maker's lines."""
    w, h = 237, 233
    top, bottom = (16, 26, 50), (30, 54, 90)
    pic = Picture(w, h)
    for y in range(h):
        base = mix(top, bottom, y / (h - 1))
        for x in range(w):
            # A wide band of light running from the top right to the bottom left.
            d = (x - w * 0.75) * 0.6 + (y - h * 0.15)
            sheen = max(0.0, 1.0 - abs(d) / 90.0) ** 2 * 0.10
            pic.set(x, y, mix(base, (120, 160, 210), sheen))
    # The title line: a touch darker, closed by a thin silver rule.
    for y in range(0, 29):
        for x in range(w):
            pic.set(x, y, mix(pic.get(x, y), (8, 12, 24), 0.35))
    for x in range(8, w - 8):
        edge = min(x - 8, w - 9 - x) / 24.0
        pic.set(x, 29, mix(pic.get(x, 29), (192, 192, 192), 0.45 * min(1.0, edge)))

    def blend(x, y, c, a):
        pic.set(x, y, mix(pic.get(x, y), c, a))

    # The battery watermark: rim, terminal and a three-quarter charge.
    l, t, r, b = 168, 52, 222, 80
    for y in range(t, b):
        for x in range(l, r):
            rim = x < l + 2 or x >= r - 2 or y < t + 2 or y >= b - 2
            if rim:
                blend(x, y, (235, 238, 242), 0.22)
            elif l + 4 <= x < l + 4 + 34 and t + 4 <= y < b - 4:
                v = (y - t - 4) / (b - t - 9)
                blend(x, y, ramp([(0.0, (104, 204, 92)), (1.0, (24, 104, 36))], v), 0.30)
    for y in range(t + 9, b - 9):
        for x in range(r, r + 4):
            blend(x, y, (214, 218, 224), 0.22)
    return pic


# --- the sample skin ("Skin\Ocean\") -------------------------------------------------------

SKIN_NAME = "Ocean"
OCEAN_RIM = (120, 220, 255)
OCEAN_GAP = (6, 22, 44)


def ocean_battery():
    """The built-in battery's layout in cyan on deep navy."""
    pic = battery()
    for y in range(pic.h):
        for x in range(pic.w):
            c = pic.get(x, y)
            if c == OUTLINE:
                pic.set(x, y, OCEAN_RIM)
            elif c == GAP:
                pic.set(x, y, OCEAN_GAP)
            elif c == TERMINAL:
                pic.set(x, y, (90, 190, 235))
            elif c == TERMINAL_EDGE:
                pic.set(x, y, (40, 110, 160))
    return pic


def ocean_charged():
    return bar([(0.0, (150, 236, 255)), (0.15, (60, 190, 240)), (0.5, (20, 130, 210)), (1.0, (8, 70, 140))], OCEAN_GAP)


def ocean_discharged():
    return bar([(0.0, (70, 84, 104)), (0.15, (52, 64, 84)), (0.5, (36, 46, 64)), (1.0, (20, 28, 42))], OCEAN_GAP)


def ocean_arrow_charging():
    return arrow(ARROW_RIGHT, (210, 250, 255), (60, 200, 240))


def ocean_arrow_discharging():
    return arrow([r[::-1] for r in ARROW_RIGHT], (255, 214, 150), (240, 140, 40))


def ocean_ac_plug():
    pic = ac_plug()
    recolour = {(250, 250, 250): (200, 245, 255), (196, 200, 208): (110, 200, 240), (214, 178, 80): (255, 255, 255)}
    for y in range(pic.h):
        for x in range(pic.w):
            c = pic.get(x, y)
            if c in recolour:
                pic.set(x, y, recolour[c])
    return pic


def ocean_connection_error():
    rows = [
        "..kkkk..",
        ".krrrrk.",
        "krwrrwrk",
        "krrwwrrk",
        "krrwwrrk",
        "krwrrwrk",
        ".krrrrk.",
        "..kkkk..",
    ]
    pic = from_art(rows, {"k": (16, 18, 20), "r": (1, 1, 1), "w": (255, 255, 255)})
    return shade_rows(pic, {(1, 1, 1): ((255, 190, 80), (230, 110, 10))})


def ocean_volume():
    return volume_wedge(lambda t, y: ramp([(0.0, (60, 200, 240)), (1.0, (220, 250, 255))], t))


def ocean_mutedvolume():
    pic = volume_wedge(lambda t, y: (70, 84, 104))
    orange, back = (255, 150, 40), (16, 18, 20)
    for x in range(1, 41):
        for y in (3, 5):
            if pic.get(x, y) == KEY:
                pic.set(x, y, back)
        pic.set(x, 4, orange)
    return pic


# The nine pictures a skin may replace, under the names the program looks for.
SKIN_PICTURES = {
    "battery.bmp": ocean_battery,
    "charged.bmp": ocean_charged,
    "discharged.bmp": ocean_discharged,
    "ac_plug.bmp": ocean_ac_plug,
    "arrow_charging.bmp": ocean_arrow_charging,
    "arrow_discharging.bmp": ocean_arrow_discharging,
    "connection_error.bmp": ocean_connection_error,
    "volume.bmp": ocean_volume,
    "mutedvolume.bmp": ocean_mutedvolume,
}


def colour_value(rgb):
    """A Windows colour (0x00BBGGRR) as the decimal text colors.ini holds."""
    r, g, b = rgb
    return str(r | (g << 8) | (b << 16))


def skin_colours():
    lines = [
        "[label_colors]",
        "WhenCharging=" + colour_value((200, 245, 255)),
        "WhenDischarging=" + colour_value((255, 200, 120)),
        "WhenVolumeChanging=" + colour_value((160, 255, 200)),
        "WhenMonitorOffInfo=" + colour_value((255, 255, 255)),
        "",
    ]
    return "\r\n".join(lines).encode("ascii")


# --- file formats --------------------------------------------------------------------------


def bmp_bytes(pic):
    stride = (pic.w * 3 + 3) & ~3
    data = bytearray()
    for y in range(pic.h - 1, -1, -1):
        row = bytearray()
        for r, g, b in pic.px[y]:
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, pic.w, pic.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def palette_of(colours, size):
    """At most size colours standing for the given ones: median cut, each box split across
    its widest channel at the median, the mean of a box its colour."""
    boxes = [sorted(colours)]
    while len(boxes) < size:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break
        box = max(splittable, key=lambda b: max(max(c[i] for c in b) - min(c[i] for c in b) for i in range(3)))
        channel = max(range(3), key=lambda i: max(c[i] for c in box) - min(c[i] for c in box))
        box.sort(key=lambda c: c[channel])
        boxes.remove(box)
        half = len(box) // 2
        boxes += [box[:half], box[half:]]
    return [tuple(round(sum(c[i] for c in b) / len(b)) for i in range(3)) for b in boxes]


def rle8_row(indices):
    """One row run-length coded as BI_RLE8: runs of two or more as (count, index), other
    stretches of three or more as a literal run padded to a word, single ones as runs."""
    out = bytearray()
    i, n = 0, len(indices)
    while i < n:
        run = 1
        while i + run < n and run < 255 and indices[i + run] == indices[i]:
            run += 1
        if run >= 2:
            out += bytes((run, indices[i]))
            i += run
            continue
        j = i
        while j < n and j - i < 255 and not (j + 1 < n and indices[j + 1] == indices[j]):
            j += 1
        if j - i >= 3:
            out += bytes((0, j - i)) + bytes(indices[i:j]) + (b"\0" if (j - i) % 2 else b"")
            i = j
        else:
            out += bytes((1, indices[i]))
            i += 1
    return out + b"\0\0"


def bmp8_bytes(pic):
    """An 8-bit palette bitmap, run-length coded: a fifteenth of the 24-bit size, for the
    large about background, whose smooth dark gradient loses nothing the eye sees at 256
    colours."""
    colours = {c for row in pic.px for c in row}
    palette = palette_of(list(colours), 256)
    nearest = {c: min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(c, palette[i])))
               for c in colours}
    data = bytearray()
    for y in range(pic.h - 1, -1, -1):
        data += rle8_row([nearest[c] for c in pic.px[y]])
    data += b"\0\1"
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, pic.w, pic.h, 1, 8, 1, len(data), 2835, 2835, len(palette), 0)
    return header + info + table + bytes(data)


def bmp_exact_bytes(pic):
    """The built-in pictures: their own few colours as an exact palette, rows run-length
    coded (BI_RLE8) or plain 8-bit, whichever is smaller; 24-bit where more than 256
    colours are used. The same pixels as bmp_bytes at a fraction of the program's size."""
    palette = sorted({c for row in pic.px for c in row})
    if len(palette) > 256:
        return bmp_bytes(pic)
    index = {c: i for i, c in enumerate(palette)}
    rows = [[index[c] for c in pic.px[y]] for y in range(pic.h - 1, -1, -1)]
    coded = b"".join(rle8_row(r) for r in rows) + b"\0\1"
    stride = (pic.w + 3) & ~3
    plain = b"".join(bytes(r) + b"\0" * (stride - pic.w) for r in rows)
    compression, data = (1, coded) if len(coded) < len(plain) else (0, plain)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, pic.w, pic.h, 1, 8, compression, len(data), 2835, 2835,
                       len(palette), 0)
    return header + info + table + bytes(data)


def png_bytes(pic):
    raw = bytearray()
    for row in pic.px:
        raw.append(0)
        for c in row:
            raw += bytes(c)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    ihdr = struct.pack(">IIBBBBB", pic.w, pic.h, 8, 2, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", ihdr)
        + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + chunk(b"IEND", b"")
    )


def ico_bytes(images):
    """images: list of (size, rgba rows). 32-bit DIB entries with an AND mask (XP and later)."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for size, rows in images:
        xor = bytearray()
        for y in range(size - 1, -1, -1):
            for r, g, b, a in rows[y]:
                xor += bytes((b, g, r, a))
        mask_stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for y in range(size - 1, -1, -1):
            bits = bytearray(mask_stride)
            for x in range(size):
                if rows[y][x][3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        blob = info + bytes(xor) + bytes(mask)
        entries.append(struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# --- icon ----------------------------------------------------------------------------------


def icon(size):
    """A horizontal battery, three quarters charged, on whole pixels; corners softened by
    supersampling the rounded outline into the alpha channel."""
    ss = 4
    if size <= 16:
        body = (0, 3, 14, 13)  # left, top, right, bottom (exclusive), pixels
        rim, radius, edge = 1, 1.5, 0
        term = (14, 6, 16, 10)
        fill = (2, 5, 10, 11)
    else:
        body = (0, 6, 28, 26)
        rim, radius, edge = 2, 3.0, 1
        term = (28, 11, 31, 21)
        fill = (4, 10, 20, 22)
    light, shade, dark_edge = (246, 248, 250), (150, 156, 166), (92, 98, 110)
    if size <= 16:
        # one pixel of rim must show on white and on black alike
        light, shade = (196, 200, 208), (112, 118, 130)

    def inside_round(x, y, box, rad):
        l, t, r, b = box
        if not (l <= x < r and t <= y < b):
            return False
        cx = min(max(x, l + rad), r - rad)
        cy = min(max(y, t + rad), b - rad)
        return (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad

    def colour_at(x, y):
        l, t, r, b = body
        v = (y - t) / (b - t)
        if inside_round(x, y, body, radius):
            inner = (l + rim, t + rim, r - rim, b - rim)
            if inside_round(x, y, inner, max(0.5, radius - rim)):
                fl, ft, fr, fb = fill
                if fl <= x < fr and ft <= y < fb:
                    return ramp([(0.0, (104, 204, 92)), (0.35, (50, 160, 54)), (1.0, (24, 104, 36))],
                                (y - ft) / (fb - ft))
                return (38, 40, 46)
            ring = (l + edge, t + edge, r - edge, b - edge)
            if edge and not inside_round(x, y, ring, radius - edge):
                return dark_edge
            return mix(light, shade, v)
        tl, tt, tr, tb = term
        if tl <= x < tr and tt <= y < tb:
            if edge and (x >= tr - edge or y < tt + edge or y >= tb - edge):
                return dark_edge
            return mix((214, 218, 224), (140, 146, 156), (y - tt) / (tb - tt))
        return None

    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(ss):
                for sx in range(ss):
                    c = colour_at(px + (sx + 0.5) / ss, py + (sy + 0.5) / ss)
                    if c:
                        acc = [acc[0] + c[0], acc[1] + c[1], acc[2] + c[2], acc[3] + 1]
            n = acc[3]
            if n == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((acc[0] // n, acc[1] // n, acc[2] // n, round(255 * n / (ss * ss))))
        rows.append(row)
    return rows


# --- previews ------------------------------------------------------------------------------


def f32(v):
    return struct.unpack("<f", struct.pack("<f", v))[0]


def scale_of_step(step):
    return f32(f32(step * f32(0.1)) + f32(0.05))


def stretch_rows(src, dst_w, dst_h, centre):
    """Nearest neighbour; 'centre' samples pixel centres, otherwise top-left corners."""
    out = []
    for y in range(dst_h):
        sy = int((y + 0.5) * src.h / dst_h) if centre else y * src.h // dst_h
        row = []
        for x in range(dst_w):
            sx = int((x + 0.5) * src.w / dst_w) if centre else x * src.w // dst_w
            row.append(src.get(min(sx, src.w - 1), min(sy, src.h - 1)))
        out.append(row)
    return out


# A small stand-in for 11 px Tahoma: 5 x 7 glyphs, 1 px apart.
FONT = {
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "3": ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "7": ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    "8": ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    "9": ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
    ":": ["0", "0", "1", "0", "0", "1", "0"],
    "%": ["11001", "11010", "00010", "00100", "01000", "01011", "10011"],
    "+": ["00000", "00100", "00100", "11111", "00100", "00100", "00000"],
    " ": ["00", "00", "00", "00", "00", "00", "00"],
    "F": ["1111", "1000", "1000", "1110", "1000", "1000", "1000"],
    "U": ["1001", "1001", "1001", "1001", "1001", "1001", "0110"],
    "L": ["1000", "1000", "1000", "1000", "1000", "1000", "1111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "u": ["0000", "0000", "1001", "1001", "1001", "1001", "0111"],
    "t": ["010", "010", "111", "010", "010", "010", "001"],
    "e": ["0000", "0000", "0110", "1001", "1111", "1000", "0111"],
}


def text_width(s):
    return sum(len(FONT[ch][0]) + 1 for ch in s) - 1


def draw_text(canvas, s, right, top, colour):
    x = right - text_width(s)
    for ch in s:
        g = FONT[ch]
        for gy, line in enumerate(g):
            for gx, bit in enumerate(line):
                if bit == "1":
                    canvas.set(x + gx, top + gy, colour)
        x += len(g[0]) + 1


def in_region(x, y, w, h):
    q = h // 4
    rects = [(0, q, w - 1, h - q), (0, q + 1, w, h - q - 1), (1, 0, w - 3, h), (0, 1, w - 2, h - 1)]
    return any(l <= x < r and t <= y < b for l, t, r, b in rects)


def compose(pics, step, state, background, centre=False):
    """The indicator as the window draws it, over a taskbar colour."""
    f = scale_of_step(step)
    w = 50
    h = int(27 * f)
    bar_h = int(25 * f)
    bar_top = int((h - bar_h) * 0.5)
    win = Picture(w, h, (0, 0, 0))

    def blit_rows(rows, left, top, transparent=None, width=None):
        for y, row in enumerate(rows):
            for x, c in enumerate(row[: width if width is not None else len(row)]):
                if transparent is not None and c == transparent:
                    continue
                win.set(left + x, top + y, c)

    def blit_own(pic, left, top, width=None):
        blit_rows(pic.px, left, top, pic.get(0, pic.h - 1), width)

    blit_rows(stretch_rows(pics["battery.bmp"], 53, h, centre), -2, 0)
    blit_rows(stretch_rows(pics["discharged.bmp"], 42, bar_h, centre), 3, bar_top)
    green = int(state["percent"] * 42 * 0.01)
    if green > 0:
        blit_rows(stretch_rows(pics["charged.bmp"], green, bar_h, centre), 3, bar_top)
    if state.get("critical"):
        blit_own(pics["status_critical.bmp"], 2, 1)
    if state.get("low"):
        blit_own(pics["status_low.bmp"], 2, 1)
    if state.get("noconn"):
        blit_own(pics["connection_error.bmp"], w - 3 - 8, 1)
    if state.get("plug"):
        blit_own(pics["ac_plug.bmp"], -1, h - 14 + 1)
    arrow_top = int(h * 0.5 - 9 * 0.5)
    if "charging" in state:
        blit_own(pics["arrow_charging.bmp"], state["charging"], arrow_top)
    if "discharging" in state:
        blit_own(pics["arrow_discharging.bmp"], state["discharging"], arrow_top)
    if "volume" in state:
        vw = int(state["volume"] * 42 + 2)
        name = "mutedvolume.bmp" if state.get("muted") else "volume.bmp"
        blit_own(pics[name], 3, 0, vw)
    if f >= 0.3:
        # Label boxes as the indicator lays them out: state 11 px high, time 13 px high.
        st_h, tt_h = 11, 13
        st_top = 1 if st_h < h else int(h * 0.5 - st_h * 0.5)
        tt_top = h - tt_h - 1 if tt_h < h else int(h * 0.5 - tt_h * 0.5)
        show_time = "text" in state
        if tt_top + 2 < st_top + st_h and state.get("state_text"):
            show_time = False
        if "state_text" in state:
            draw_text(win, state["state_text"], 45, st_top + 2, (255, 255, 255))
        if show_time:
            draw_text(win, state["text"], 45, tt_top + 4, state.get("text_colour", (255, 255, 255)))

    for y in range(h):
        for x in range(w):
            if not in_region(x, y, w, h):
                win.set(x, y, background)
    return win


STATES = [
    {"percent": 64, "plug": True, "charging": 5, "text": "64%"},
    {"percent": 37, "discharging": 7, "text": "1:23"},
    {"percent": 4, "critical": True, "discharging": 3, "noconn": True, "text": "0:06"},
    {"percent": 100, "plug": True, "state_text": "FULL", "text": "100%"},
    {"percent": 58, "discharging": 9, "volume": 0.7, "text": "+70 %", "text_colour": (255, 255, 0)},
    {"percent": 58, "discharging": 9, "volume": 0.7, "muted": True, "text": "Mute",
     "text_colour": (255, 255, 0)},
]
BACKGROUNDS = [(32, 32, 32), (36, 94, 220), (212, 208, 200)]


def sheet(pics, step, centre=False, zoom=4):
    pad = 6
    f = scale_of_step(step)
    h = int(27 * f)
    cell_w, cell_h = 50 + 2 * pad, h + 2 * pad
    out = Picture(cell_w * len(STATES), cell_h * len(BACKGROUNDS), (0, 0, 0))
    for r, bg in enumerate(BACKGROUNDS):
        out.rect(0, r * cell_h, out.w, (r + 1) * cell_h, bg)
        for c, st in enumerate(STATES):
            win = compose(pics, step, st, bg, centre)
            for y in range(win.h):
                for x in range(win.w):
                    out.set(c * cell_w + pad + x, r * cell_h + pad + y, win.get(x, y))
    return enlarge(out, zoom)


def enlarge(pic, zoom):
    out = Picture(pic.w * zoom, pic.h * zoom)
    for y in range(out.h):
        src = pic.px[y // zoom]
        out.px[y] = [src[x // zoom] for x in range(out.w)]
    return out


def sprites_sheet(pics, zoom=8):
    names = list(PICTURES)
    gap = 4
    width = sum(pics[n].w for n in names) + gap * (len(names) + 1)
    height = max(pics[n].h for n in names) + 2 * gap
    out = Picture(width, height, (90, 90, 90))
    x = gap
    for n in names:
        p = pics[n]
        for y in range(p.h):
            for xx in range(p.w):
                out.set(x + xx, gap + y, p.get(xx, y))
        x += p.w + gap
    return enlarge(out, zoom)


def icon_preview(sizes):
    bgs = [(32, 32, 32), (36, 94, 220), (240, 240, 240)]
    total_w = sum(s for s, _ in sizes) + 4 * (len(sizes) + 1)
    h = max(s for s, _ in sizes) + 8
    out = Picture(total_w, h * len(bgs))
    for r, bg in enumerate(bgs):
        out.rect(0, r * h, out.w, (r + 1) * h, bg)
        x = 4
        for s, rows in sizes:
            for y in range(s):
                for xx in range(s):
                    cr, cg, cb, a = rows[y][xx]
                    out.set(x + xx, r * h + 4 + y, mix(bg, (cr, cg, cb), a / 255))
            x += s + 4
    return enlarge(out, 8)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--no-preview", action="store_true", help="write only the resources")
    args = ap.parse_args()

    pics = {name: make() for name, make in PICTURES.items()}
    for name, pic in pics.items():
        write(os.path.join(RES, name), bmp_exact_bytes(pic))
    sizes = [(16, icon(16)), (32, icon(32))]
    write(os.path.join(RES, "Quonthary.ico"), ico_bytes(sizes))
    background = about()
    write(os.path.join(RES, "about.bmp"), bmp8_bytes(background))
    skin = {name: make() for name, make in SKIN_PICTURES.items()}
    skin_dir = os.path.join(RES, "Skin", SKIN_NAME)
    for name, pic in skin.items():
        write(os.path.join(skin_dir, name), bmp_bytes(pic))
    write(os.path.join(skin_dir, "colors.ini"), skin_colours())

    if not args.no_preview:
        for step in (3, 5, 10, 20):
            write(os.path.join(PREVIEW, "indicator-step%02d.png" % step), png_bytes(sheet(pics, step)))
            write(
                os.path.join(PREVIEW, "indicator-step%02d-centre.png" % step),
                png_bytes(sheet(pics, step, centre=True)),
            )
            write(
                os.path.join(PREVIEW, "indicator-step%02d-actual.png" % step),
                png_bytes(sheet(pics, step, zoom=1)),
            )
        write(os.path.join(PREVIEW, "pictures.png"), png_bytes(sprites_sheet(pics)))
        write(os.path.join(PREVIEW, "icon.png"), png_bytes(icon_preview(sizes)))
        write(os.path.join(PREVIEW, "about.png"), png_bytes(enlarge(background, 2)))
        skin_all = dict(pics, **skin)
        for step in (5, 10):
            write(os.path.join(PREVIEW, "skin-%s-step%02d.png" % (SKIN_NAME.lower(), step)),
                  png_bytes(sheet(skin_all, step)))
        print("previews in", PREVIEW)
    return 0


if __name__ == "__main__":
    sys.exit(main())
