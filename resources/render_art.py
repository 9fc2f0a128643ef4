#!/usr/bin/env python3
"""Renders the pictures of varuno from their SVG sources to the Windows resource files.

Usage (from anywhere):
    python3 resources/render_art.py                 # writes bitmaps/, icons/ and corvid/
    python3 resources/render_art.py --contact X.png # also writes a contact sheet: every output
                                                    # read back from its file, x4, on grey and black

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
  * Outputs:
      bitmaps/bNNN.bmp  24-bit uncompressed "BM" bitmaps (BITMAPINFOHEADER, bottom-up rows padded
                        to 4 bytes). Buttons and the header are composed over black, the window
                        colour. Kind icons are keyed: a pixel at least half covered becomes opaque
                        in its own colour, anything else pure magenta RGB(255,0,255), which the
                        program treats as transparent; no drawn pixel is left exactly magenta.
      icons/*.ico       icons with 32-bit BGRA DIB entries plus AND mask (16, 32, 48 px).
      icons/hand.cur    the same layout with type 2 and the hotspot in each entry.
      corvid/bitmaps/   the guide program's pictures, 24-bit like the above: the character keyed on
                        pure green RGB(0,255,0) (the program cuts its window to the other pixels),
                        the balloon decoration composed over the balloon colour.
      corvid/icons/corvid.ico  the guide's icon (16, 32, 48 px).
  * Sources: art/buttons/ (function buttons), art/header.svg (title band), art/kinds/ (one
    pictogram per unit kind, named by meaning; KINDS below maps them to resource numbers),
    art/icons/ (program icon drawn separately for 16, 32 and 48 px, and the hand cursor),
    art/corvid/ (the guide's character, balloon decoration and icon).
"""

import argparse
import base64
import os
import re
import struct
import subprocess
import sys
import zlib

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

# Program icons: output file -> sources (one SVG per size, each drawn for its own pixel grid).
PROGRAM_ICONS = {
    "varuno.ico": [("varuno16.svg", 16), ("varuno32.svg", 32), ("varuno48.svg", 48)],
    "varuno_small.ico": [("varuno16.svg", 16)],
}

CURSOR = ("hand.cur", "hand.svg", 32, (11, 1))  # hotspot: the tip of the index finger

# The guide program Corvid: output name under corvid/bitmaps -> (source under art/corvid, width,
# height, background). A background of None keys the picture on pure green.
CORVID = os.path.join(HERE, "corvid")
GREEN = (0, 255, 0)
BALLOON_YELLOW = (255, 255, 155)
CORVID_BITMAPS = {
    "character.bmp": ("character.svg", 262, 377, None),
    "decoration.bmp": ("decoration.svg", 31, 30, BALLOON_YELLOW),
}
CORVID_ICON = ("corvid.ico", [("crow16.svg", 16), ("crow32.svg", 32), ("crow32.svg", 48)])


# ---------------------------------------------------------------- rendering and PNG decoding

def render(svg_path, width, height, classes=None, stylesheet=None):
    """Renders one SVG to RGBA rows of exactly width x height pixels.

    classes, when given, replaces the class list of the root <svg> element, which is how the
    button sources select a state."""
    with open(svg_path, encoding="utf-8") as f:
        text = f.read()
    if classes is not None:
        text, count = re.subn(r'(<svg\b[^>]*?\bclass=")[^"]*(")', lambda m: m.group(1) + classes + m.group(2),
                              text, count=1)
        if count != 1:
            sys.exit(f"{svg_path}: root <svg> needs a class attribute to select states")
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


def icon_file(images, hotspot=None):
    """An ICO (type 1) or, with a hotspot, a CUR (type 2) file holding square RGBA images."""
    kind = 1 if hotspot is None else 2
    blobs = [dib32(rows) for rows in images]
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for rows, blob in zip(images, blobs):
        size = len(rows)
        a, b = (1, 32) if hotspot is None else hotspot
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, a, b, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


# ---------------------------------------------------------------- the pictures

def build():
    """Renders every picture and writes it; returns the paths written, in order."""
    made = []
    os.makedirs(BITMAPS, exist_ok=True)
    os.makedirs(ICONS, exist_ok=True)

    def write(path, data):
        with open(path, "wb") as f:
            f.write(data)

    for number, (source, classes, w, h) in sorted(BUTTONS.items()):
        rows = over(render(os.path.join(ART, "buttons", source), w, h, classes, BUTTON_CSS), BLACK)
        path = os.path.join(BITMAPS, f"b{number}.bmp")
        write(path, bmp24(rows))
        made.append(path)

    number, source, w, h = HEADER
    rows = over(render(os.path.join(ART, source), w, h), BLACK)
    path = os.path.join(BITMAPS, f"b{number}.bmp")
    write(path, bmp24(rows))
    made.append(path)

    for number, name in sorted(KINDS.items()):
        rows = keyed(render(os.path.join(ART, "kinds", name + ".svg"), 16, 16))
        path = os.path.join(BITMAPS, f"b{number}.bmp")
        write(path, bmp24(rows))
        made.append(path)

    for name, sources in PROGRAM_ICONS.items():
        images = [render(os.path.join(ART, "icons", source), size, size) for source, size in sources]
        path = os.path.join(ICONS, name)
        write(path, icon_file(images))
        made.append(path)

    name, source, size, hotspot = CURSOR
    image = render(os.path.join(ART, "icons", source), size, size)
    path = os.path.join(ICONS, name)
    write(path, icon_file([image], hotspot))
    made.append(path)

    os.makedirs(os.path.join(CORVID, "bitmaps"), exist_ok=True)
    os.makedirs(os.path.join(CORVID, "icons"), exist_ok=True)
    for name, (source, w, h, background) in sorted(CORVID_BITMAPS.items()):
        rows = render(os.path.join(ART, "corvid", source), w, h)
        rows = keyed(rows, GREEN) if background is None else over(rows, background)
        path = os.path.join(CORVID, "bitmaps", name)
        write(path, bmp24(rows))
        made.append(path)

    name, sources = CORVID_ICON
    images = [render(os.path.join(ART, "corvid", source), size, size) for source, size in sources]
    path = os.path.join(CORVID, "icons", name)
    write(path, icon_file(images))
    made.append(path)
    return made


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
        size, offset = data[6 + 16 * i], struct.unpack_from("<I", data, 6 + 16 * i + 12)[0]
        xor = offset + 40
        rows = [[tuple(data[xor + 4 * (y * size + x) + k] for k in (2, 1, 0, 3)) for x in range(size)]
                for y in range(size)]
        images.append(rows[::-1])
    return images


def contact_sheet(paths, out_path, scale=4):
    """Reads the written files back and lays them out scaled up, once on grey and once on black,
    each with its file name, so that a person can judge them side by side."""
    tiles = []  # (label, RGBA rows)
    for path in paths:
        with open(path, "rb") as f:
            data = f.read()
        label = os.path.basename(path)
        if path.endswith(".bmp"):
            tiles.append((label, read_bmp24(data)))
        else:
            tiles.extend((f"{label} {len(rows)}", rows) for rows in read_icon(data))

    pad, label_h = 10, 14
    sheet_w = max(1100, max(len(rows[0]) for _, rows in tiles) * scale + 2 * pad)
    placed, x, y, line_h = [], pad, pad, 0
    for label, rows in tiles:
        w, h = len(rows[0]) * scale, len(rows) * scale
        cell_w = max(w, 7 * len(label))
        if x + cell_w > sheet_w - pad:
            x, y, line_h = pad, y + line_h + label_h + pad, 0
        big = [[px for px in row for _ in range(scale)] for row in rows for _ in range(scale)]
        placed.append((label, base64.b64encode(encode_png(big)).decode(), x, y, w, h))
        x += cell_w + pad
        line_h = max(line_h, h)
    panel_h = y + line_h + label_h + pad

    parts = []
    for i, (bg, fg) in enumerate((("#808080", "#000"), ("#000", "#ccc"))):
        oy = i * panel_h
        parts.append(f'<rect x="0" y="{oy}" width="{sheet_w}" height="{panel_h}" fill="{bg}"/>')
        for label, png, px, py, w, h in placed:
            parts.append(f'<image x="{px}" y="{oy + py}" width="{w}" height="{h}" '
                         f'xlink:href="data:image/png;base64,{png}"/>')
            parts.append(f'<text x="{px}" y="{oy + py + h + 11}" font-family="DejaVu Sans" font-size="10" '
                         f'fill="{fg}">{label}</text>')
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
           f'width="{sheet_w}" height="{2 * panel_h}">' + "".join(parts) + "</svg>")
    result = subprocess.run(["rsvg-convert", "-o", out_path], input=svg.encode("utf-8"))
    if result.returncode != 0:
        sys.exit("rsvg-convert failed on the contact sheet")


def main():
    parser = argparse.ArgumentParser(description="Render varuno's SVG art to BMP, ICO and CUR files.")
    parser.add_argument("--contact", metavar="PNG", help="also write a contact sheet of all outputs")
    args = parser.parse_args()
    made = build()
    if args.contact:
        contact_sheet(made, args.contact)
    print(f"wrote {len(made)} files")


if __name__ == "__main__":
    main()
