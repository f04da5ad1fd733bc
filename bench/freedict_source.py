#!/usr/bin/env python3
"""Turns a dictd dictionary (.index and .dict.dz, as Debian's freedict
packages install them) into a two-space source text in code page 1252.

usage: freedict_source.py INDEX DICT_DZ OUTPUT

Each headword becomes one entry; its definition's lines (the headword line
dropped) are joined by "; ". Entries whose text 1252 cannot carry are
written with "?" in place of those characters.
"""
import gzip
import sys

B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def b64(text):
    value = 0
    for c in text:
        value = value * 64 + B64.index(c)
    return value


def main():
    index_path, dict_path, out_path = sys.argv[1:4]
    data = gzip.open(dict_path, "rb").read()
    count = 0
    with open(index_path, encoding="utf-8") as index, open(out_path, "wb") as out:
        for line in index:
            parts = line.rstrip("\n").split("\t")
            if len(parts) < 3 or parts[0].startswith("00-database"):
                continue
            word, offset, length = parts[0], b64(parts[1]), b64(parts[2])
            body = data[offset:offset + length].decode("utf-8", "replace").split("\n")
            text = "; ".join(s.strip() for s in body[1:] if s.strip())
            word = " ".join(word.split())
            if not text or len(word) < 1:
                continue
            out.write((word + "  " + text + "\r\n").encode("cp1252", "replace"))
            count += 1
    print(f"{count} entries", file=sys.stderr)


if __name__ == "__main__":
    main()
