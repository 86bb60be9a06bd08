#!/usr/bin/env python3
"""Checks the format facts of the committed assets; exits 1 and names each failure.

Run after re-making any asset: python3 assets/check_assets.py
"""

import os
import struct
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
failures = []


def Check(condition, what):
    if not condition:
        failures.append(what)


def Read(name):
    with open(os.path.join(HERE, name), "rb") as f:
        return f.read()


def CheckDib(data, offset, size, label):
    """One 32-bit DIB image of size x size: header, pixels, AND mask, all present."""
    fields = struct.unpack_from("<IiiHHI", data, offset)
    Check(fields == (40, size, size * 2, 1, 32, 0), f"{label}: header {fields}")
    pixels = data[offset + 40 : offset + 40 + size * size * 4]
    alphas = pixels[3::4]
    Check(len(pixels) == size * size * 4, f"{label}: pixels cut short")
    opaque = sum(1 for a in alphas if a == 255)
    Check(0 < opaque < size * size, f"{label}: no opaque and clear parts")
    Check(any(0 < a < 255 for a in alphas), f"{label}: no anti-aliased edge")
    mask_row = (size + 31) // 32 * 4
    mask = data[offset + 40 + size * size * 4 :]
    # A pixel is masked out exactly when it is fully transparent.
    for y in range(size):
        for x in range(size):
            bit = mask[y * mask_row + x // 8] >> (7 - x % 8) & 1
            if bit != (alphas[y * size + x] == 0):
                Check(False, f"{label}: mask disagrees with alpha at ({x}, {size - 1 - y})")
                return
    return alphas


def CheckCursor():
    data = Read("keyloom.cur")
    Check(len(data) == 4286, f"keyloom.cur: {len(data)} bytes, not 4286")
    Check(struct.unpack_from("<HHH", data, 0) == (0, 2, 1), "keyloom.cur: not one cursor image")
    w, h, colours, _, hot_x, hot_y, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
    Check((w, h, colours) == (32, 32, 0), f"keyloom.cur: entry {w}x{h}, {colours} colours")
    Check((hot_x, hot_y) == (8, 3), f"keyloom.cur: hot spot ({hot_x}, {hot_y})")
    Check((size, offset) == (4264, 22), f"keyloom.cur: image {size} bytes at {offset}")
    alphas = CheckDib(data, 22, 32, "keyloom.cur")
    if alphas:
        # Rows are stored bottom-up: the tip pixel (8, 3) must be solid, the arrow pointing from it.
        Check(alphas[(31 - 3) * 32 + 8] == 255, "keyloom.cur: hot spot pixel not solid")
        above = [alphas[(31 - y) * 32 + x] for y in range(3) for x in range(32)]
        Check(max(above) < 8, "keyloom.cur: drawing above the tip")


def CheckIcon():
    data = Read("keyloom.ico")
    Check(struct.unpack_from("<HHH", data, 0) == (0, 1, 3), "keyloom.ico: not three icon images")
    end = 6 + 16 * 3
    for i, want in enumerate((16, 32, 48)):
        w, h, _, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        Check((w, h, planes, bits) == (want, want, 1, 32), f"keyloom.ico[{i}]: {w}x{h} {bits}-bit")
        Check(offset == end, f"keyloom.ico[{i}]: image not where the previous ends")
        mask = (want + 31) // 32 * 4 * want
        Check(size == 40 + want * want * 4 + mask, f"keyloom.ico[{i}]: image of {size} bytes")
        CheckDib(data[: offset + size], offset, want, f"keyloom.ico[{i}]")
        end = offset + size
    Check(end == len(data), "keyloom.ico: trailing bytes")


def CheckLogo():
    data = Read("logo.jpg")
    Check(2500 <= len(data) <= 3600, f"logo.jpg: {len(data)} bytes, not about 3 KB")
    Check(data[:2] == b"\xff\xd8", "logo.jpg: not a JPEG")
    pos, frame = 2, None
    while pos + 4 <= len(data) and data[pos] == 0xFF:
        marker, length = data[pos + 1], struct.unpack_from(">H", data, pos + 2)[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            rows, columns = struct.unpack_from(">HH", data, pos + 5)
            frame = (marker, data[pos + 4], rows, columns, data[pos + 9])
        if marker == 0xDA:
            break
        pos += 2 + length
    # Baseline DCT (SOF0), 8-bit, 31 rows of 120, three components.
    Check(frame == (0xC0, 8, 31, 120, 3), f"logo.jpg: frame {frame}")


def CheckManifest():
    text = Read("keyloom.manifest").decode("utf-8")
    root = ET.fromstring(text)
    settings = "http://schemas.microsoft.com/SMI/"
    aware = root.find(f".//{{{settings}2005/WindowsSettings}}dpiAware")
    awareness = root.find(f".//{{{settings}2016/WindowsSettings}}dpiAwareness")
    Check(
        aware is not None and aware.text.strip().lower() == "true/pm",
        "keyloom.manifest: dpiAware is not true/pm",
    )
    Check(
        awareness is not None and awareness.text.replace(" ", "") == "PerMonitorV2,PerMonitor",
        "keyloom.manifest: dpiAwareness is not PerMonitorV2, PerMonitor",
    )
    level = root.find(".//{urn:schemas-microsoft-com:asm.v3}requestedExecutionLevel")
    Check(
        level is not None and (level.get("level"), level.get("uiAccess")) == ("asInvoker", "false"),
        "keyloom.manifest: execution level",
    )
    ids = [
        (e.get("name"), e.get("version"), e.get("processorArchitecture"))
        for e in root.iter("{urn:schemas-microsoft-com:asm.v1}assemblyIdentity")
    ]
    Check(
        ("Microsoft.Windows.Common-Controls", "6.0.0.0", "*") in ids,
        "keyloom.manifest: no Common Controls 6 dependency",
    )
    compatibility = "{urn:schemas-microsoft-com:compatibility.v1}supportedOS"
    os_ids = {e.get("Id") for e in root.iter(compatibility)}
    Check(len(os_ids) == 4, f"keyloom.manifest: {len(os_ids)} supportedOS entries")


def main():
    for check in (CheckCursor, CheckIcon, CheckLogo, CheckManifest):
        try:
            check()
        except (OSError, struct.error, ET.ParseError) as e:
            failures.append(f"{check.__name__}: {e}")
    for f in failures:
        print("FAIL", f)
    print("assets ok" if not failures else f"{len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
