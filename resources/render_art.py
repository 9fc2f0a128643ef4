#!/usr/bin/env python3
"""Renders the pictures of varuno from their SVG sources to the Windows resource files.

Usage (from anywhere):
    python3 resources/render_art.py                 # writes bitmaps/, icons/, corvid/ and the
                                                    # two scaled_bitmaps.rc
    python3 resources/render_art.py --contact X.png # also writes a contact sheet: every output
                                                    # read back from its file, magnified, on grey
                                                    # and on black (--zoom N sets the magnification)

Needs rsvg-convert (Debian package librsvg2-bin) and the font "Noto Sans CJK JP"
(fonts-noto-cjk) plus "DejaVu Sans" (fonts-dejavu-core); Python 3 with no extra modules.

How it works:
  * Every picture is one SVG under art/, rendered by rsvg-convert to a PNG of the exact pixel size.
    The PNG is decoded here (zlib only) and written out in the final format by the code below, so
    the outputs carry no timestamps and rerunning reproduces them byte for byte.
  * Function buttons (art/buttons/) share art/buttons/button.css. One SVG draws one button; its
    states are selected by the class list on the root <svg> element, which this script replaces
    per state (e.g. "close hover"). The sources' own class list is the normal state, so each SVG
    can also be viewed as it is.
  * Display scales. Every bitmap is written for 100, 125, 150 and 200 % (96, 120, 144 and 192 DPI).
    Its size at a scale is its 96-DPI size rounded as Windows' MulDiv does, size_at(v, dpi) =
    (v * dpi + 48) // 96: the 500 x 46 header is 625 x 58, 750 x 69 and 1000 x 92. Each size is
    rendered from the SVG, never resampled from another bitmap, with the same composing or keying.
    At 100 % a source is rendered exactly as it is. At the other scales its root element also
    gets the class "s125", "s150" or "s200", so a source can adjust itself for a scale through
    its own <style>, and sources drawn on their design's pixel grid (all but SMOOTH_SOURCES) have
    their straight-edged shapes moved onto the new pixel grid first (snap_to_pixels): a one-pixel
    line would otherwise straddle two pixels at 125 and 150 % and come out blurred.
  * Resource ids: a scaled bitmap has the id of its 100 % bitmap plus 10000 (125 %), 20000
    (150 %) or 30000 (200 %): the header 157 is also 10157, 20157 and 30157; the guide's character
    105 is also 10105, 20105 and 30105. The 100 % bitmaps keep the ids and lines written by hand
    in varuno.rc and corvid/corvid.rc (checked against the tables here on every run); the scaled
    ones are listed in the generated scaled_bitmaps.rc beside each of those scripts, which
    includes it.
  * Outputs:
      bitmaps/bNNN.bmp  24-bit uncompressed "BM" bitmaps (BITMAPINFOHEADER, bottom-up rows padded
                        to 4 bytes) at 100 %; bitmaps/s125/, s150/ and s200/ hold the same names
                        at the other scales. Buttons and the header are composed over black, the
                        window colour. Kind icons are keyed: a pixel at least half covered becomes
                        opaque in its own colour, anything else pure magenta RGB(255,0,255), which
                        the program treats as transparent; no drawn pixel is left exactly magenta.
      scaled_bitmaps.rc the resource lines of bitmaps/s125, s150 and s200 (generated).
      icons/*.ico       icons with 32-bit BGRA DIB entries plus AND mask, the 256-px entry a PNG
                        (as Windows Vista and later read it): varuno.ico at 16, 20, 24, 32, 40, 48,
                        64 and 256 px, varuno_small.ico at 16, 20, 24 and 32 px. Each size is
                        drawn from the design for the largest design size not above it.
      icons/hand.cur    the same layout with type 2: 32, 40, 48 and 64 px (the 32-px cursor at
                        each scale, rendered with that scale's class and snapping like a bitmap),
                        the hotspot in each entry scaled like the size.
      corvid/bitmaps/   the guide program's pictures, 24-bit like the above, with s125/, s150/
                        and s200/: the character keyed on pure green RGB(0,255,0) (the program
                        cuts its window to the other pixels), the balloon decoration composed
                        over the balloon colour.
      corvid/scaled_bitmaps.rc  the guide's scaled bitmaps (generated).
      corvid/icons/corvid.ico  the guide's icon, in the same eight sizes as varuno.ico.
  * Sources: art/buttons/ (function buttons), art/header.svg (title band), art/kinds/ (one
    pictogram per unit kind, named by meaning; KINDS below maps them to resource numbers),
    art/icons/ (program icon drawn separately for 16, 32 and 48 px, and the hand cursor),
    art/corvid/ (the guide's character, balloon decoration and icon).
"""

import argparse
import base64
import math
import os
import re
import struct
import subprocess
import sys
import zlib
from xml.etree import ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ART = os.path.join(HERE, "art")
BITMAPS = os.path.join(HERE, "bitmaps")
ICONS = os.path.join(HERE, "icons")
BUTTON_CSS = os.path.join(ART, "buttons", "button.css")

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)

# Function buttons: resource number -> (source, classes on the root element, width, height).
BUTTONS = {}


def _button_family(source, size, states):
    for number, classes in states:
        BUTTONS[number] = (source, classes, size[0], size[1])


_button_family("close.svg", (20, 20), [(500, "close normal"), (501, "close pressed"), (502, "close hover")])
_button_family("minimise.svg", (20, 20), [(508, "normal"), (509, "pressed"), (510, "hover")])
_button_family("pin.svg", (20, 20), [(512, "normal on"), (513, "normal off"), (514, "hover on"), (515, "hover off")])
_button_family("help.svg", (20, 20), [(516, "normal"), (517, "pressed"), (518, "hover")])
_button_family("about.svg", (20, 20), [(520, "normal"), (521, "pressed"), (522, "hover")])
_button_family("omega.svg", (44, 46), [(524, "normal"), (525, "pressed"), (526, "hover")])
_button_family("star.svg", (42, 44), [(528, "normal"), (529, "pressed"), (530, "hover")])
_button_family("live_auto.svg", (28, 18), [
    (532, "auto normal selected"), (533, "auto normal unselected"),
    (534, "auto hover selected"), (535, "auto hover unselected")])
_button_family("live_manual.svg", (28, 18), [
    (536, "manual normal selected"), (537, "manual normal unselected"),
    (538, "manual hover selected"), (539, "manual hover unselected")])

# Unit kind pictograms, 16x16, keyed on magenta: resource number -> source under art/kinds/.
KINDS = {
    600: "length", 601: "area", 602: "volume", 193: "mass", 208: "force", 184: "pressure",
    205: "work", 206: "power", 207: "temperature", 182: "heat", 209: "time", 210: "speed",
    211: "acceleration", 212: "plane_angle", 213: "solid_angle", 214: "angular_velocity",
    215: "angular_acceleration", 175: "electricity", 178: "magnetism", 180: "light",
    177: "radiation", 187: "digital_length", 194: "information", 186: "transfer_rate",
    196: "flow", 197: "frequency", 199: "wavenumber", 181: "density", 217: "viscosity",
    198: "kinematic_viscosity", 185: "substance", 190: "military", 201: "printing",
    179: "paper", 202: "rice", 188: "counts", 174: "ratio", 203: "packing_box", 204: "currency",
}

HEADER = (157, "header.svg", 500, 46)

# Display scales: percent -> (DPI, resource id offset, folder under bitmaps/). Pixel sizes at a
# scale come from the 96-DPI sizes through size_at, which rounds like Windows' MulDiv.
SCALES = {
    100: (96, 0, None),
    125: (120, 10000, "s125"),
    150: (144, 20000, "s150"),
    200: (192, 30000, "s200"),
}

# Program icons: output file -> (source, size) per entry. Each size is drawn from the design made
# for the nearest grid at or below it, so a scaled entry never thins the lines of a larger design.
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
PNG_ICON_SIZE = 256  # entries this large are stored PNG-compressed, as Windows Vista+ reads them


def _icon_sources(by_design, sizes):
    """Pairs each size with the design of the largest design size not above it."""
    return [(by_design[max(d for d in by_design if d <= size)], size) for size in sizes]


PROGRAM_ICONS = {
    "varuno.ico": _icon_sources({16: "varuno16.svg", 32: "varuno32.svg", 48: "varuno48.svg"}, ICON_SIZES),
    "varuno_small.ico": _icon_sources({16: "varuno16.svg", 32: "varuno32.svg"}, (16, 20, 24, 32)),
}

# The hand cursor, drawn for 32 px and written at that size scaled to each display scale; the
# hotspot, the tip of the index finger, is scaled with it.
CURSOR = ("hand.cur", "hand.svg", 32, (11, 1))

# The guide program Corvid: output name under corvid/bitmaps -> (resource id, source under
# art/corvid, width, height, background). A background of None keys the picture on pure green.
# The ids are IDB_CHARACTER and IDB_DECORATION of corvid/corvid_resource.h (checked when writing).
CORVID = os.path.join(HERE, "corvid")
GREEN = (0, 255, 0)
BALLOON_YELLOW = (255, 255, 155)
CORVID_BITMAPS = {
    "character.bmp": (105, "character.svg", 262, 377, None),
    "decoration.bmp": (109, "decoration.svg", 31, 30, BALLOON_YELLOW),
}
CORVID_ICON = ("corvid.ico", _icon_sources({16: "crow16.svg", 32: "crow32.svg"}, ICON_SIZES))

# Sources drawn freely rather than on the pixel grid of their design size: rendered at other sizes
# as they are, without snap_to_pixels.
SMOOTH_SOURCES = {"character.svg", "decoration.svg", "crow32.svg"}


def grid_drawn(source):
    return os.path.basename(source) not in SMOOTH_SOURCES


def size_at(value, dpi):
    """A 96-DPI length in pixels at another DPI, rounded half up as MulDiv(value, dpi, 96) does."""
    return (value * dpi + 48) // 96


# ---------------------------------------------------------------- rendering and PNG decoding

def render(svg_path, width, height, classes=None, stylesheet=None, percent=100, snap=False):
    """Renders one SVG to RGBA rows of exactly width x height pixels.

    classes, when given, replaces the class list of the root <svg> element, which is how the
    button sources select a state. At a display scale other than 100 % the root element also gets
    the class "sNNN" (e.g. "s125"), so that a source can adjust itself for that scale. With snap,
    a source rendered at other than its design size has its straight-edged shapes moved onto the
    pixel grid of that size (snap_to_pixels). At its design size a source is rendered exactly as
    it is, whatever snap says."""
    with open(svg_path, encoding="utf-8") as f:
        text = f.read()
    if classes is not None:
        text, count = re.subn(r'(<svg\b[^>]*?\bclass=")[^"]*(")', lambda m: m.group(1) + classes + m.group(2),
                              text, count=1)
        if count != 1:
            sys.exit(f"{svg_path}: root <svg> needs a class attribute to select states")
    if percent != 100:
        scale_class = f"s{percent}"
        text, count = re.subn(r'(<svg\b[^>]*?\bclass="[^"]*)(")', lambda m: m.group(1) + " " + scale_class + m.group(2),
                              text, count=1)
        if count == 0:
            text = re.sub(r"<svg\b", f'<svg class="{scale_class}"', text, count=1)
    if snap:
        text = snap_to_pixels(text, width, height, stroked_classes(stylesheet))
    cmd = ["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png"]
    if stylesheet:
        cmd += ["-s", stylesheet]
    # The SVG goes in through stdin so that the state rewrite needs no temporary file.
    result = subprocess.run(cmd, input=text.encode("utf-8"), capture_output=True, cwd=os.path.dirname(svg_path))
    if result.returncode != 0:
        sys.exit(f"rsvg-convert failed on {svg_path}: {result.stderr.decode(errors='replace')}")
    w, h, rows = decode_png(result.stdout)
    if (w, h) != (width, height):
        sys.exit(f"{svg_path}: rendered {w}x{h}, expected {width}x{height}")
    return rows


# ---------------------------------------------------------------- pixel snapping

# Most sources are drawn on the pixel grid of their design size: one-pixel lines centred on
# half-pixels, rectangles on whole pixels. Scaled by 1.25 or 1.5 such a line would straddle two
# pixels and come out blurred, so before rendering at those scales the straight-edged shapes are
# moved onto the new grid: every edge to a whole pixel, every stroke to a whole number of pixels.
# Curves, text, transformed shapes and pattern tiles are left alone.

SVG_NS = "{http://www.w3.org/2000/svg}"
XLINK_NS = "http://www.w3.org/1999/xlink"


def _round(value):
    """Rounds half up, as MulDiv does for positive values."""
    return math.floor(value + 0.5)


class _Axis:
    """One axis of a picture: user units 0..extent drawn on pixels 0..pixels."""

    def __init__(self, extent, pixels):
        self.extent, self.pixels, self.k = extent, pixels, pixels / extent

    def edge(self, c):
        """The pixel boundary nearest to user coordinate c, counted from the nearer side of the
        picture, so that a symmetric design stays symmetric."""
        if 2 * c <= self.extent:
            return _round(c * self.k)
        return self.pixels - _round((self.extent - c) * self.k)

    def stroke(self, width):
        """A stroke width in whole pixels, at least one."""
        return max(1, _round(width * self.k))

    def centre(self, c, width):
        """Snaps the centre line c of a stroke of the given user width: the side of the line
        facing the nearer side of the picture goes to a pixel boundary, and the line keeps a whole
        number of pixels. Returns user units."""
        if 2 * c <= self.extent:
            return (self.edge(c - width / 2) + self.stroke(width) / 2) / self.k
        return (self.edge(c + width / 2) - self.stroke(width) / 2) / self.k

    def span(self, start, end):
        """Snaps a filled span to pixel boundaries, at least one pixel wide; returns user units."""
        a = self.edge(start)
        b = max(self.edge(end), a + 1)
        return a / self.k, (b - a) / self.k


def stroked_classes(stylesheet):
    """The classes a stylesheet gives a stroke to (rules for one class that set stroke)."""
    if not stylesheet:
        return set()
    with open(stylesheet, encoding="utf-8") as f:
        css = re.sub(r"/\*.*?\*/", "", f.read(), flags=re.S)
    return {m.group(1) for m in re.finditer(r"^\s*\.([\w-]+)\s*\{[^}]*\bstroke\s*:\s*(?!none)", css, re.M)}


def _path_points(d):
    """Parses a path made only of straight segments (M, L, H, V, Z, absolute or relative) into
    subpaths of absolute points, each with a closed flag; None for any other path."""
    tokens = re.findall(r"[A-Za-z]|-?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?", d)
    if not tokens or any(t.isalpha() and t not in "MmLlHhVvZz" for t in tokens):
        return None
    subpaths, x, y, start, i, command = [], 0.0, 0.0, (0.0, 0.0), 0, None
    while i < len(tokens):
        if tokens[i].isalpha():
            command = tokens[i]
            i += 1
            if command in "Zz":
                subpaths[-1][1] = True
                x, y = start
                continue
        if command is None:
            return None
        relative = command.islower()
        c = command.upper()
        need = 2 if c in "ML" else 1
        values = [float(v) for v in tokens[i:i + need]]
        i += need
        if c in "ML":
            x, y = (x + values[0], y + values[1]) if relative else values
        elif c == "H":
            x = x + values[0] if relative else values[0]
        else:
            y = y + values[0] if relative else values[0]
        if c == "M":
            subpaths.append([[(x, y)], False])
            start = (x, y)
            command = "l" if relative else "L"  # coordinates after a moveto are linetos
        else:
            subpaths[-1][0].append((x, y))
    return subpaths


def _num(value):
    return f"{value:.4f}".rstrip("0").rstrip(".")


def snap_to_pixels(text, width, height, css_stroked=()):
    """Returns the SVG text with its straight-edged shapes snapped to the pixel grid of a
    width x height rendering (see the note above). A shape is taken as stroked when it or an
    ancestor has a stroke attribute other than none, or when it has a class that css_stroked
    names; its stroke width comes from the attributes (1 if none)."""
    ET.register_namespace("", SVG_NS[1:-1])
    ET.register_namespace("xlink", XLINK_NS)
    root = ET.fromstring(text)
    view = [float(v) for v in root.get("viewBox", f"0 0 {root.get('width')} {root.get('height')}").replace(",", " ").split()]
    if (view[2], view[3]) == (width, height) or view[0] or view[1]:
        return text  # at the design size nothing moves; a view box off the origin is left alone
    ax, ay = _Axis(view[2], width), _Axis(view[3], height)

    def walk(node, stroke, stroke_width, free):
        tag = node.tag.replace(SVG_NS, "")
        stroke = node.get("stroke", stroke)
        stroke_width = float(node.get("stroke-width", stroke_width))
        free = free and node.get("transform") is None and tag not in ("pattern", "clipPath", "mask", "marker", "text")
        if free:
            stroked = (stroke not in (None, "none")) or bool(set(node.get("class", "").split()) & css_stroked)
            if node.get("stroke") == "none":
                stroked = False
            snap_shape(node, tag, stroked, stroke_width)
        for child in node:
            walk(child, stroke, stroke_width, free)

    def set_stroke(node, stroked, sw):
        if stroked:
            node.set("stroke-width", _num(ax.stroke(sw) / ax.k))

    def snap_shape(node, tag, stroked, sw):
        if tag == "rect":
            x, y = float(node.get("x", 0)), float(node.get("y", 0))
            w, h = float(node.get("width", 0)), float(node.get("height", 0))
            if w <= 0 or h <= 0:
                return
            if stroked:
                new = []
                for axis, a, b in ((ax, x, x + w), (ay, y, y + h)):
                    lo, hi = axis.centre(a, sw), axis.centre(b, sw)
                    new += [lo, max(hi - lo, 1 / axis.k)]
                x, w, y, h = new
                set_stroke(node, stroked, sw)
            else:
                x, w = ax.span(x, x + w)
                y, h = ay.span(y, y + h)
            for name, value in (("x", x), ("y", y), ("width", w), ("height", h)):
                node.set(name, _num(value))
        elif tag in ("circle", "ellipse"):
            cx, cy = float(node.get("cx", 0)), float(node.get("cy", 0))
            if tag == "circle":
                if abs(ax.k - ay.k) > 1e-9:
                    return
                rx = ry = float(node.get("r", 0))
            else:
                rx, ry = float(node.get("rx", 0)), float(node.get("ry", 0))
            extra = sw / 2 if stroked else 0
            radii = []
            for axis, c, r, name in ((ax, cx, rx, "cx"), (ay, cy, ry, "cy")):
                a, b = axis.edge(c - r - extra), axis.edge(c + r + extra)
                inner = (b - a - (axis.stroke(sw) if stroked else 0)) / 2
                node.set(name, _num((a + b) / 2 / axis.k))
                radii.append(max(inner, 0.5) / axis.k)
            if tag == "circle":
                node.set("r", _num(radii[0]))
            else:
                node.set("rx", _num(radii[0]))
                node.set("ry", _num(radii[1]))
            set_stroke(node, stroked, sw)
        elif tag == "path":
            subpaths = _path_points(node.get("d", ""))
            if subpaths is None:
                return
            if stroked:
                fx, fy = (lambda c: ax.centre(c, sw)), (lambda c: ay.centre(c, sw))
            else:
                fx, fy = (lambda c: ax.edge(c) / ax.k), (lambda c: ay.edge(c) / ay.k)
            parts = []
            for points, closed in subpaths:
                parts.append("M" + " L".join(f"{_num(fx(px))},{_num(fy(py))}" for px, py in points) + (" Z" if closed else ""))
            node.set("d", " ".join(parts))
            set_stroke(node, stroked, sw)
        elif tag == "use":
            for name, axis in (("x", ax), ("y", ay)):
                if node.get(name) is not None:
                    node.set(name, _num(_round(float(node.get(name)) * axis.k) / axis.k))

    walk(root, None, 1.0, True)
    return ET.tostring(root, encoding="unicode")


def decode_png(data):
    """Decodes an 8-bit, non-interlaced RGB or RGBA PNG (what rsvg-convert writes) to RGBA rows."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("rsvg-convert did not write a PNG")
    pos, idat, ihdr = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            ihdr = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = ihdr
    if depth != 8 or colour not in (2, 6) or interlace:
        sys.exit(f"unsupported PNG layout: depth {depth}, colour type {colour}, interlace {interlace}")
    bpp = 4 if colour == 6 else 3
    raw = zlib.decompress(idat)
    stride = width * bpp
    rows, prev, pos = [], bytearray(stride), 0
    for _ in range(height):
        filt, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if filt == 1:
                line[i] = (line[i] + a) & 255
            elif filt == 2:
                line[i] = (line[i] + b) & 255
            elif filt == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif filt == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        prev = line
        if bpp == 3:
            rows.append([(line[i], line[i + 1], line[i + 2], 255) for i in range(0, stride, 3)])
        else:
            rows.append([tuple(line[i:i + 4]) for i in range(0, stride, 4)])
    return width, height, rows


def encode_png(rows):
    """Encodes RGBA rows as a PNG (used for the contact sheet only)."""
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------- colour reduction

def over(rows, bg):
    """Composes RGBA rows over an opaque background colour; returns RGB rows."""
    out = []
    for row in rows:
        line = []
        for r, g, b, a in row:
            line.append(tuple((c * a + k * (255 - a) + 127) // 255 for c, k in zip((r, g, b), bg)))
        out.append(line)
    return out


def keyed(rows, key=MAGENTA):
    """Keys RGBA rows on a colour (magenta unless given): pixels at least half covered keep their
    colour, opaque; the rest become the key. A drawn pixel that happens to be the key colour is
    nudged so it stays visible."""
    nudged = tuple(c - 1 if c == 255 else c for c in key)
    out = []
    for row in rows:
        line = []
        for r, g, b, a in row:
            if a < 128:
                line.append(key)
            elif (r, g, b) == key:
                line.append(nudged)
            else:
                line.append((r, g, b))
        out.append(line)
    return out


# ---------------------------------------------------------------- Windows file formats

def bmp24(rgb_rows):
    """A 24-bit uncompressed BMP: file header, BITMAPINFOHEADER, bottom-up BGR rows padded to 4."""
    height, width = len(rgb_rows), len(rgb_rows[0])
    pad = (-3 * width) % 4
    pixels = b"".join(bytes(v for r, g, b in row for v in (b, g, r)) + b"\0" * pad for row in reversed(rgb_rows))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def dib32(rows):
    """An icon/cursor image: BITMAPINFOHEADER (double height), bottom-up BGRA rows, AND mask.

    The AND mask marks fully transparent pixels so that systems without alpha still see the shape."""
    size = len(rows)
    xor = b"".join(bytes(v for r, g, b, a in row for v in (b, g, r, a)) for row in reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, px in enumerate(row):
            if px[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + xor + mask


def icon_file(images, hotspots=None):
    """An ICO (type 1) or, with hotspots (one per image), a CUR (type 2) file holding square RGBA
    images. Images of PNG_ICON_SIZE and above are stored as PNG, the rest as DIBs (dib32)."""
    kind = 1 if hotspots is None else 2
    blobs = [encode_png(rows) if len(rows) >= PNG_ICON_SIZE else dib32(rows) for rows in images]
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for i, (rows, blob) in enumerate(zip(images, blobs)):
        size = len(rows)
        # An icon entry gives planes and bit count; a cursor entry gives the hotspot instead.
        a, b = (1, 32) if hotspots is None else hotspots[i]
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, a, b, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


# ---------------------------------------------------------------- the pictures

# The resource scripts that name the bitmaps: folder of the 100 % files -> (script, header with
# the symbolic ids). Each folder's scaled bitmaps are listed in scaled_bitmaps.rc beside its script.
RESOURCE_SCRIPTS = {
    BITMAPS: (os.path.join(HERE, "varuno.rc"), os.path.join(HERE, "resource.h")),
    os.path.join(CORVID, "bitmaps"): (os.path.join(CORVID, "corvid.rc"), os.path.join(CORVID, "corvid_resource.h")),
}
SCALED_RC = "scaled_bitmaps.rc"


def bitmap_pictures():
    """Every 24-bit bitmap as (resource id, folder, file name, width and height at 96 DPI, how),
    where how = (source SVG, root classes, stylesheet, mode, colour) tells compose how to draw it."""
    pictures = []
    for number, (source, classes, w, h) in sorted(BUTTONS.items()):
        how = (os.path.join(ART, "buttons", source), classes, BUTTON_CSS, "over", BLACK)
        pictures.append((number, BITMAPS, f"b{number}.bmp", w, h, how))
    number, source, w, h = HEADER
    pictures.append((number, BITMAPS, f"b{number}.bmp", w, h, (os.path.join(ART, source), None, None, "over", BLACK)))
    for number, name in sorted(KINDS.items()):
        how = (os.path.join(ART, "kinds", name + ".svg"), None, None, "keyed", MAGENTA)
        pictures.append((number, BITMAPS, f"b{number}.bmp", 16, 16, how))
    for name, (number, source, w, h, background) in sorted(CORVID_BITMAPS.items()):
        how = (os.path.join(ART, "corvid", source), None, None,
               "keyed" if background is None else "over", GREEN if background is None else background)
        pictures.append((number, os.path.join(CORVID, "bitmaps"), name, w, h, how))
    return pictures


def compose(how, width, height, percent):
    """Renders a bitmap's SVG at width x height for a display scale and reduces it to opaque RGB
    rows: composed over a background colour, or keyed on a colour."""
    svg, classes, stylesheet, mode, colour = how
    rows = render(svg, width, height, classes, stylesheet, percent, grid_drawn(svg))
    return over(rows, colour) if mode == "over" else keyed(rows, colour)


def scaled_path(folder, name, percent):
    """Where a bitmap lives at a display scale: the folder itself at 100 %, else its sNNN/."""
    sub = SCALES[percent][2]
    return os.path.join(folder, name) if sub is None else os.path.join(folder, sub, name)


def rc_bitmaps(script, header):
    """The BITMAP lines of a resource script as {resource id: file name as written}, with symbolic
    ids resolved through the header's #defines."""
    with open(header, encoding="utf-8") as f:
        defines = dict(re.findall(r"^#define\s+(\w+)\s+(\d+)\s*$", f.read(), re.M))
    with open(script, encoding="utf-8") as f:
        text = f.read()
    found = {}
    for ident, name in re.findall(r'^\s*(\w+)\s+BITMAP\s+"([^"]+)"', text, re.M):
        found[int(defines.get(ident, ident))] = name
    return found, text


def check_resource_scripts(pictures):
    """Stops unless each resource script lists exactly the 100 % bitmaps made here, under the same
    ids and file names, and includes its generated list of the scaled ones. The scaled ids are
    derived from the 100 % ids, so a renumbered picture would otherwise go out of step unnoticed."""
    for folder, (script, header) in RESOURCE_SCRIPTS.items():
        listed, text = rc_bitmaps(script, header)
        base = os.path.dirname(script)
        made = {number: os.path.relpath(os.path.join(f, name), base).replace(os.sep, "/")
                for number, f, name, _, _, _ in pictures if f == folder}
        if listed != made:
            wrong = sorted(set(listed.items()) ^ set(made.items()))
            sys.exit(f"{script} and render_art.py disagree about these bitmaps: {wrong}")
        if f'#include "{SCALED_RC}"' not in text:
            sys.exit(f'{script} lacks #include "{SCALED_RC}"')
        clash = sorted(set(listed) & {n + SCALES[p][1] for n in listed for p in SCALES if p != 100})
        if clash:
            sys.exit(f"{script}: scaled bitmap ids {clash} are already taken")


def scaled_rc(script, pictures):
    """The generated resource-script include listing the scaled bitmaps of one program."""
    base = os.path.dirname(script)
    lines = [f"// Generated by resources/render_art.py; do not edit, rerun the script.",
             f"// The pictures of {os.path.basename(script)} at 125, 150 and 200 % display scale: the",
             f"// resource id is the 100 % id plus 10000, 20000 and 30000; the files lie in",
             f"// bitmaps/s125, s150 and s200."]
    for percent in sorted(SCALES):
        _, offset, sub = SCALES[percent]
        if sub is None:
            continue
        lines.append("")
        lines.append(f"// {percent} % ({SCALES[percent][0]} DPI)")
        for number, folder, name, _, _, _ in sorted(pictures, key=lambda p: p[0]):
            path = os.path.relpath(scaled_path(folder, name, percent), base).replace(os.sep, "/")
            lines.append(f'{number + offset} BITMAP "{path}"')
    return "\n".join(lines) + "\n"


def build():
    """Renders every picture at every scale and writes it; returns the outputs as groups (one
    picture's files at all scales, or one icon file) of (label, path, percent or None), in order."""
    groups = []

    def write(path, data):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)

    pictures = bitmap_pictures()
    check_resource_scripts(pictures)
    for number, folder, name, w, h, how in pictures:
        group = []
        for percent in sorted(SCALES):
            dpi = SCALES[percent][0]
            path = scaled_path(folder, name, percent)
            write(path, bmp24(compose(how, size_at(w, dpi), size_at(h, dpi), percent)))
            group.append((f"{name} {percent}%", path, percent))
        groups.append(group)

    for folder, (script, _) in RESOURCE_SCRIPTS.items():
        path = os.path.join(os.path.dirname(script), SCALED_RC)
        write(path, scaled_rc(script, [p for p in pictures if p[1] == folder]).encode("utf-8"))

    def icon(path, folder, sources):
        images = [render(os.path.join(folder, source), size, size, snap=grid_drawn(source)) for source, size in sources]
        write(path, icon_file(images))
        groups.append([(os.path.basename(path), path, None)])

    for name, sources in PROGRAM_ICONS.items():
        icon(os.path.join(ICONS, name), os.path.join(ART, "icons"), sources)

    name, source, size, (hx, hy) = CURSOR
    dpis = {percent: SCALES[percent][0] for percent in sorted(SCALES)}
    images = [render(os.path.join(ART, "icons", source), size_at(size, dpi), size_at(size, dpi), percent=percent, snap=True)
              for percent, dpi in dpis.items()]
    hotspots = [(size_at(hx, dpi), size_at(hy, dpi)) for dpi in dpis.values()]
    path = os.path.join(ICONS, name)
    write(path, icon_file(images, hotspots))
    groups.append([(name, path, None)])

    name, sources = CORVID_ICON
    icon(os.path.join(CORVID, "icons", name), os.path.join(ART, "corvid"), sources)
    return groups


# ---------------------------------------------------------------- contact sheet

def read_bmp24(data):
    """Reads back a bitmap written by bmp24; returns RGBA rows, magenta as transparent."""
    width, height = struct.unpack_from("<ii", data, 18)
    offset, stride = struct.unpack_from("<I", data, 10)[0], (3 * width + 3) // 4 * 4
    rows = []
    for y in range(height - 1, -1, -1):
        line = data[offset + y * stride:offset + y * stride + 3 * width]
        rows.append([(0, 0, 0, 0) if (r, g, b) == MAGENTA else (r, g, b, 255)
                     for b, g, r in zip(line[0::3], line[1::3], line[2::3])])
    return rows


def read_icon(data):
    """Reads back the images of an ICO/CUR written by icon_file; returns a list of RGBA rows."""
    images = []
    for i in range(struct.unpack_from("<H", data, 4)[0]):
        length, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
        if data[offset:offset + 8] == b"\x89PNG\r\n\x1a\n":
            images.append(decode_png(data[offset:offset + length])[2])
            continue
        size = struct.unpack_from("<i", data, offset + 4)[0]
        xor = offset + 40
        rows = [[tuple(data[xor + 4 * (y * size + x) + k] for k in (2, 1, 0, 3)) for x in range(size)]
                for y in range(size)]
        images.append(rows[::-1])
    return images


CONTACT_SMALL = 64  # pictures up to this size are magnified on the contact sheet, larger ones not


def contact_sheet(groups, out_path, zoom=4):
    """Reads the written files back and lays them out magnified, once on grey and once on black,
    each with its label, so that a person can judge them side by side. Pixels are repeated, never
    smoothed. A bitmap at scale p is magnified about zoom * 100 / p times, so that all scales of a
    picture appear at much the same size, each with its own pixels; icon entries up to
    CONTACT_SMALL px are magnified zoom times. Larger pictures and icon entries are shown as they
    are, which keeps the sheet within what rsvg-convert can draw. Magnifications are labelled."""
    pad, label_h, panel_w = 10, 14, 1100
    tiles = []  # (label, RGBA rows, magnification, starts a group)
    for group in groups:
        first = True
        for label, path, percent in group:
            with open(path, "rb") as f:
                data = f.read()
            if path.endswith(".bmp"):
                images = [(label, read_bmp24(data), percent)]
            else:
                images = [(f"{label} {len(rows)}", rows, None) for rows in read_icon(data)]
            for text, rows, pc in images:
                side = max(len(rows), len(rows[0])) * (1 if pc is None else 100 / pc)
                scale = 1 if side > CONTACT_SMALL else max(1, round(zoom * (1 if pc is None else 100 / pc)))
                tiles.append((f"{text} x{scale}", rows, scale, first))
                first = False

    # A group starts a new line unless all of it fits beside what the line already holds.
    placed, x, y, line_h = [], pad, pad, 0
    widths = [max(len(rows[0]) * scale, 6 * len(label)) for label, rows, scale, _ in tiles]
    for i, (label, rows, scale, first) in enumerate(tiles):
        w, h = len(rows[0]) * scale, len(rows) * scale
        if first:
            end = next((j for j in range(i + 1, len(tiles)) if tiles[j][3]), len(tiles))
            group_w = sum(widths[i:end]) + pad * (end - i - 1)
            wraps = x + group_w > panel_w - pad
        else:
            wraps = x + widths[i] > panel_w - pad
        if x > pad and wraps:
            x, y, line_h = pad, y + line_h + label_h + pad, 0
        big = [[px for px in row for _ in range(scale)] for row in rows for _ in range(scale)]
        placed.append((label, base64.b64encode(encode_png(big)).decode(), x, y, w, h))
        x += widths[i] + pad
        line_h = max(line_h, h)
    panel_h = y + line_h + label_h + pad

    parts = []
    for i, (bg, fg) in enumerate((("#808080", "#000"), ("#000", "#ccc"))):
        ox = i * panel_w
        parts.append(f'<rect x="{ox}" y="0" width="{panel_w}" height="{panel_h}" fill="{bg}"/>')
        for label, png, px, py, w, h in placed:
            parts.append(f'<image x="{ox + px}" y="{py}" width="{w}" height="{h}" '
                         f'xlink:href="data:image/png;base64,{png}"/>')
            parts.append(f'<text x="{ox + px}" y="{py + h + 11}" font-family="DejaVu Sans" font-size="10" '
                         f'fill="{fg}">{label}</text>')
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
           f'width="{2 * panel_w}" height="{panel_h}">' + "".join(parts) + "</svg>")
    result = subprocess.run(["rsvg-convert", "-o", out_path], input=svg.encode("utf-8"))
    if result.returncode != 0:
        sys.exit("rsvg-convert failed on the contact sheet")


def main():
    parser = argparse.ArgumentParser(description="Render varuno's SVG art to BMP, ICO and CUR files.")
    parser.add_argument("--contact", metavar="PNG", help="also write a contact sheet of all outputs")
    parser.add_argument("--zoom", type=int, default=4, metavar="N",
                        help="magnification on the contact sheet (default 4; large pictures get less)")
    args = parser.parse_args()
    groups = build()
    if args.contact:
        contact_sheet(groups, args.contact, args.zoom)
    print(f"wrote {sum(len(g) for g in groups) + len(RESOURCE_SCRIPTS)} files")


if __name__ == "__main__":
    main()
