#!/usr/bin/env python3
"""Writes the small dBase tables that seed fuzz_dbf_reader: the address
table as the program makes it, a table with other field types, a deleted
record and a zero byte, a memo-version header and one whose header promises
more records than it holds."""
import struct
import sys
from pathlib import Path


def table(fields, records, version=0x03, count=None, end_mark=True, extra_header=b""):
    record_length = 1 + sum(length for _, _, length in fields)
    header_length = 32 + 32 * len(fields) + 1 + len(extra_header)
    out = struct.pack("<BBBBIHH20x", version, 125, 6, 1,
                      len(records) if count is None else count, header_length, record_length)
    for name, kind, length in fields:
        out += name.encode("ascii").ljust(11, b"\0") + kind.encode("ascii") + b"\0" * 4
        out += bytes([length, 0]) + b"\0" * 14
    out += b"\r" + extra_header
    for flag, values in records:
        body = b"".join(v.ljust(length, b" ")[:length] for v, (_, _, length) in zip(values, fields))
        out += flag + body
    if end_mark:
        out += b"\x1a"
    return out


ADDRESS = [("ADRESS1", "C", 80), ("ADRESS2", "C", 80), ("ADRESS3", "C", 80), ("ADRESS4", "C", 80),
           ("ZOLLNR", "C", 25)]
MIXED = [("NAME", "C", 10), ("MENGE", "N", 5), ("DATUM", "D", 8), ("OK", "L", 1)]


def main(out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    (out / "address_empty.dbf").write_bytes(table(ADDRESS, [], end_mark=False))
    (out / "address_one.dbf").write_bytes(table(ADDRESS, [(b" ", [b"Erster Eintrag", b"", b"", b"", b""])]))
    (out / "address_umlauts.dbf").write_bytes(table(ADDRESS, [
        (b" ", ["Müller GmbH".encode("cp1252"), b"Hafenstr. 5", "D-20457 Hamburg".encode("cp1252"), b"", b"DE1"]),
        (b"*", [b"Geloescht", b"", b"", b"", b""])]))
    (out / "mixed_types.dbf").write_bytes(table(MIXED, [
        (b" ", [b"ab\0cd", b"   42", b"20250601", b"T"]), (b" ", [b"\x80\x93\x94", b"", b"", b"?"])]))
    (out / "memo_version.dbf").write_bytes(table(MIXED, [(b" ", [b"x", b"1", b"", b"F"])], version=0x83))
    (out / "count_too_high.dbf").write_bytes(table(MIXED, [(b" ", [b"x", b"1", b"", b"F"])], count=1000))
    (out / "long_header.dbf").write_bytes(table(MIXED, [(b" ", [b"x", b"1", b"", b"F"])], extra_header=b"\0" * 263))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent / "seeds-dbf")
