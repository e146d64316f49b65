#!/usr/bin/python3
"""Packs the build's content chunks for the program to unpack on first use.

Reads a file of chunks (each a 4-byte little-endian length, then its bytes)
that an embedding tool wrote, packs each with LZMA (no header; the table
carries the properties and both sizes) and writes a C++ source defining

    extern const PackedChunk NAME[];   // one per chunk, in the file's order

for platform/canvas/Unpack.h to unpack. LC, LP and PB are LZMA's literal
context bits, literal position bits and position bits: 3 0 0 suits the
texts, 2 0 0 glyph coverage, 0 0 0 colour indices.

Usage: tools/pack/pack.py CHUNKS OUTPUT.cpp NAME LC LP PB
"""
import lzma
import struct
import sys


def ReadChunks(path):
    with open(path, "rb") as f:
        data = f.read()
    chunks, at = [], 0
    while at < len(data):
        (length,) = struct.unpack_from("<I", data, at)
        at += 4
        if at + length > len(data):
            raise ValueError(f"{path}: the last chunk is cut short")
        chunks.append(data[at:at + length])
        at += length
    return chunks


def Pack(chunk, lc, lp, pb):
    dictionary = 4096
    while dictionary < len(chunk):
        dictionary *= 2
    return lzma.compress(chunk, format=lzma.FORMAT_RAW, filters=[{
        "id": lzma.FILTER_LZMA1, "preset": 9 | lzma.PRESET_EXTREME,
        "dict_size": dictionary, "lc": lc, "lp": lp, "pb": pb}])


def Literal(data):
    """A string literal of the bytes, printable ones as they are and the
    rest as three-digit octal escapes, which never run on into a digit."""
    lines, line = [], []
    width = 0
    for b in data:
        piece = chr(b) if 0x20 <= b < 0x7F and chr(b) not in '"\\?' else "\\%03o" % b
        line.append(piece)
        width += len(piece)
        if width >= 100:
            lines.append("".join(line))
            line, width = [], 0
    lines.append("".join(line))
    return "\n".join('    "%s"' % text for text in lines)


def main(argv):
    if len(argv) != 7:
        sys.exit("usage: pack.py CHUNKS OUTPUT.cpp NAME LC LP PB")
    chunks_path, output, name = argv[1:4]
    lc, lp, pb = (int(v) for v in argv[4:7])
    properties = (pb * 5 + lp) * 9 + lc
    chunks = ReadChunks(chunks_path)
    parts = ["// Written by tools/pack/pack.py from the build's content; edit the sources instead.\n",
             '#include "platform/canvas/Unpack.h"\n\nnamespace {\n']
    table = []
    for i, chunk in enumerate(chunks):
        packed = Pack(chunk, lc, lp, pb)
        parts.append(f"const uint8_t {name}{i}[] =\n{Literal(packed)};\n")
        table.append(f"    {{{name}{i}, {len(packed)}, {len(chunk)}, {properties}}},\n")
    parts.append("}  // namespace\n\n")
    parts.append(f"extern const PackedChunk {name}[] = {{\n{''.join(table)}}};\n")
    with open(output, "w", encoding="ascii") as f:
        f.write("".join(parts))


if __name__ == "__main__":
    main(sys.argv)
