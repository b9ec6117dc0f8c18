#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into the folder given (one
sub-folder per target): small metafiles touching every record family the
player knows, small pictures of each format, and GIFs with extensions."""
import os
import struct
import subprocess
import sys
import zlib


def record(function, *words, raw=b""):
    body = b"".join(struct.pack("<h" if w < 0 else "<H", w) for w in words) + raw
    if len(body) % 2:
        body += b"\0"
    return struct.pack("<IH", 3 + len(body) // 2, function) + body


def colorref(r, g, b):
    return (r | g << 8, b)


def dib(width, height, bits=24):
    stride = (width * bits + 31) // 32 * 4
    table = b"" if bits > 8 else b"".join(struct.pack("<BBBB", i * 60 % 256, 0, 255 - i * 60 % 256, 0) for i in range(1 << bits))
    rows = bytes((x * 37 + y * 11) % 256 for y in range(height) for x in range(stride))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(rows), 0, 0, 0, 0)
    return header + table + rows


def metafile(records, objects=4, placeable=True, box=(0, 0, 200, 150), inch=96):
    body = b"".join(records) + record(0)
    header = struct.pack("<HHHIHIH", 1, 9, 0x300, (18 + len(body)) // 2, objects, 64, 0)
    if not placeable:
        return header + body
    words = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, *box, inch, 0)
    checksum = 0
    for i in range(0, 20, 2):
        checksum ^= struct.unpack_from("<H", words, i)[0]
    return words + struct.pack("<H", checksum) + header + body


def wmf_seeds():
    window = [record(0x0103, 8), record(0x020B, 0, 0), record(0x020C, 150, 200)]
    pen = record(0x02FA, 0, 3, 0, *colorref(200, 0, 0))
    brush = record(0x02FC, 0, *colorref(0, 128, 255), 0)
    hatch = record(0x02FC, 2, *colorref(0, 0, 0), 4)
    face = b"Liberation Sans".ljust(32, b"\0")
    font = record(0x02FB, (-20) & 0xFFFF, 0, 0, 0, 700, raw=b"\0\0\0\0\0\0\0\0" + face)
    select = [record(0x012D, 0), record(0x012D, 1)]
    yield "shapes", metafile(window + [pen, brush] + select + [
        record(0x041B, 60, 80, 10, 10), record(0x0418, 140, 190, 90, 100),
        record(0x061C, 20, 20, 140, 90, 100, 10),
        record(0x0324, 3, 100, 10, 190, 10, 150, 80),
        record(0x0538, 2, 3, 3, 10, 10, 50, 10, 30, 40, 60, 60, 90, 60, 80, 90),
        record(0x0106, 2), record(0x0325, 3, 0, 0, 100, 140, 200, 0),
        record(0x0214, 75, 0), record(0x0213, 75, 200)])
    yield "arcs", metafile(window + [pen, hatch] + select + [
        record(0x0817, 10, 100, 140, 100, 140, 190, 10, 10),
        record(0x081A, 75, 190, 10, 100, 140, 190, 10, 10),
        record(0x0830, 140, 10, 10, 10, 140, 190, 10, 10), record(0x0102, 1)])
    yield "state", metafile(window + [pen, brush, record(0x001E), record(0x012D, 0),
        record(0x020D, 10, 10), record(0x020E, 75, 100), record(0x0416, 140, 190, 10, 10),
        record(0x0415, 60, 60, 20, 20), record(0x041B, 150, 200, 0, 0), record(0x0127, -1 & 0xFFFF),
        record(0x01F0, 0), record(0x0410, 1, 2, 1, 2), record(0x020F, 5, 5),
        record(0x0201, *colorref(255, 255, 0)), record(0x041F, *colorref(0, 0, 0), 5, 5)])
    text = b"Hola \xe1\xe9!"  # even length: the coordinates follow unpadded
    yield "text", metafile(window + [font, record(0x012D, 0), record(0x0209, *colorref(0, 0, 200)),
        record(0x012E, 24), record(0x0521, len(text), raw=text + struct.pack("<hh", 80, 20)),
        record(0x0A32, 120, 20, len(text), 6, 10, 100, 190, 140,
               raw=text + b"".join(struct.pack("<h", 14) for _ in text))])
    image = dib(8, 6)
    yield "bitmaps", metafile(window + [
        record(0x0F43, 0x0020, 0x00CC, 0, 6, 8, 0, 0, 60, 80, 10, 10, raw=image),
        record(0x0B41, 0x0020, 0x00CC, 6, 8, 0, 0, 60, 80, 80, 100, raw=dib(4, 4, 1)),
        record(0x0940, 0x0020, 0x00CC, 0, 0, 6, 8, 120, 150, raw=dib(8, 6, 8)),
        record(0x0142, 5, 0, raw=dib(8, 8, 4)), record(0x012D, 0), record(0x041B, 150, 200, 140, 0),
        record(0x061D, 0x0021, 0x00F0, 20, 20, 0, 0)])
    yield "plain", metafile(window + [pen, record(0x012D, 0), record(0x041B, 60, 80, 10, 10)],
                            placeable=False)
    yield "metric", metafile([record(0x0103, 6), record(0x041B, -1000, 1000, 0, 0)],
                             box=(0, -1440, 1440, 0), inch=1440)


def bmp(width, height):
    rows = bytes((x * 7 + y) % 256 for y in range(height) for x in range((width * 3 + 3) // 4 * 4))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 0, 0, 0, 0)
    return header + info + rows


def gif(frames):
    out = b"GIF89a" + struct.pack("<HHBBB", 2, 2, 0x80, 0, 0) + b"\xff\0\0\0\0\xff"
    out += b"\x21\xff\x0bNETSCAPE2.0\x03\x01\0\0\0"
    for _ in range(frames):
        out += b"\x21\xf9\x04\x04\x0a\0\0\0"
        out += b"\x2c" + struct.pack("<HHHHB", 0, 0, 2, 2, 0) + b"\x02\x02\x44\x01\0"
    out += b"\x21\xfe\x03abc\0"
    return out + b"\x3b"


def png(width, height):
    raw = b"".join(b"\0" + bytes((x * 40) % 256 for x in range(width * 3)) for _ in range(height))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def main():
    root = sys.argv[1]
    seeds = {"fuzz_wmf_player": dict(wmf_seeds())}
    pictures = dict(seeds["fuzz_wmf_player"])
    pictures.update({"bmp": bmp(5, 3), "gif": gif(2), "png": png(4, 3)})
    scratch = os.path.join(root, "scratch")
    os.makedirs(scratch, exist_ok=True)
    # ImageMagick, when present, adds a JPEG and an icon made from the BMP seed.
    for name, fmt in (("jpeg", "jpg"), ("ico", "ico")):
        source = os.path.join(scratch, "seed.bmp")
        with open(source, "wb") as f:
            f.write(bmp(8, 8))
        target = os.path.join(scratch, "seed." + fmt)
        try:
            subprocess.run(["convert", source, target], check=True, capture_output=True)
            with open(target, "rb") as f:
                pictures[name] = f.read()
        except (OSError, subprocess.CalledProcessError):
            pass
    seeds["fuzz_picture_decoder"] = pictures
    seeds["fuzz_gif_layout"] = {"one": gif(1), "three": gif(3), "cut": gif(2)[:40]}
    seeds["fuzz_gif_frames"] = dict(seeds["fuzz_gif_layout"])
    seeds["fuzz_profile_file"] = {
        "settings": b"[Opciones]\r\nFuente=Courier New\r\nTama\xf1o=10\r\n\r\n[Otra]\nclave = valor\n",
        "bom": b"\xef\xbb\xbf[opciones]\r\nTAMA\xc3\x91O=8",
        "utf16": b"\xff\xfe[\0O\0]\0",
        "unterminated": b"[Opciones\r\nx=1\r\n[Opciones]",
    }
    seeds["fuzz_value_store"] = {
        "notepad": b"REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Notepad]\r\n"
                   b"\"lfFaceName\"=\"Lucida Console\"\r\n\"iPointSize\"=dword:00000064\r\n"
                   b"\"StatusBar\"=hex:01,00,\\\r\n  00,00\r\n@=\"a\\\\b\\\"c\"\r\n",
        "deleted": b"REGEDIT4\n[-HKEY_CURRENT_USER\\x]\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Notepad\n"
                   b"\"iPointSize\"=hex(b):01\n",
        "empty": b"",
    }
    for target, files in seeds.items():
        folder = os.path.join(root, target)
        os.makedirs(folder, exist_ok=True)
        for name, data in files.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
