#!/usr/bin/env python3
"""Writes the hand-made .t2l seeds (old block version, 8-bit strings) that
the program itself never writes. The other seeds come from t2ltool."""
import struct
import sys
from pathlib import Path

MAGIC = b"KIV-VURivi@3.00"
MAIN_FIELDS = 80
CONT_FIELDS = 44


def header(cont_count, cross_mark=0, variant=0, reserved=0):
    return (MAGIC + b"\xff" * 16 + struct.pack("<HIBI", cont_count, reserved, cross_mark, variant))


def wide(text):
    data = text.encode("utf-16-le")
    n = len(data) // 2
    assert n < 0xFF
    return b"\xff\xfe\xff" + bytes([n]) + data


def narrow(text):
    data = text.encode("cp1252")
    if len(data) < 0xFF:
        return bytes([len(data)]) + data
    # 0xFF, then the length as a WORD
    return b"\xff" + struct.pack("<H", len(data)) + data


def strings(items, enc):
    return struct.pack("<H", len(items)) + b"".join(enc(s) for s in items)


def words(items):
    return struct.pack("<H", len(items)) + b"".join(struct.pack("<H", w) for w in items)


def main_texts():
    t = [""] * MAIN_FIELDS
    t[0] = "Müller & Söhne GmbH\r\nHauptstraße 12\r\n20095 Hamburg"
    t[17] = "Spedition Größe KG"
    t[31] = "Ersatzteile für Förderbänder  "  # trailing blanks are dropped on reading
    return t


def version1():
    block = struct.pack("<HH", 0x1206, 1)
    block += strings(main_texts(), wide)
    block += words([3] * MAIN_FIELDS)
    return header(0) + block + b"\x40"


def eight_bit():
    cont = [""] * (2 * CONT_FIELDS)
    cont[3] = "Zubehör: Schrauben, Muttern \"M8\""
    cont[CONT_FIELDS + 3] = "€ 1.234,56 – Übertrag"
    cont[CONT_FIELDS + 10] = "Lärmschutzwände, " * 20  # longer than 254 bytes
    block = struct.pack("<HH", 0x1206, 2)
    block += strings(main_texts(), narrow)
    block += words([3] * MAIN_FIELDS)
    block += struct.pack("<HH", 0x2003, CONT_FIELDS)
    block += strings(cont, narrow)
    block += words([2] * (2 * CONT_FIELDS))
    return header(2) + block + b"\x40"


if __name__ == "__main__":
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent / "seeds")
    out.mkdir(parents=True, exist_ok=True)
    (out / "version1.t2l").write_bytes(version1())
    (out / "eight_bit.t2l").write_bytes(eight_bit())
