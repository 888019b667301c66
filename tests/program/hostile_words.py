#!/usr/bin/python3
"""Word files made to exhaust an importer's memory or time, small on disk.

Usage: hostile_words.py FOLDER        the files for the import test
       hostile_words.py --seeds FUZZ  small versions as fuzz seeds (files joined by @@FILE@@)
"""
import os
import struct
import sys
import zlib

B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def dictd_number(n):
    digits = ""
    while True:
        digits = B64[n % 64] + digits
        n //= 64
        if n == 0:
            return digits


def ifo(count, idx_size):
    return (f"StarDict's dict ifo file\nversion=2.4.2\nbookname=x\nwordcount={count}\n"
            f"idxfilesize={idx_size}\nsametypesequence=m\n").encode()


def idx(entries):
    return b"".join(w.encode() + b"\0" + struct.pack(">II", o, s) for w, o, s in entries)


def gzip_of_zeros(megabytes):
    z = zlib.compressobj(9, zlib.DEFLATED, 31)
    block = bytes(1 << 20)
    out = [z.compress(block) for _ in range(megabytes)]
    return b"".join(out) + z.flush()


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def files(folder):
    os.makedirs(folder, exist_ok=True)
    # Every entry of the index points at the whole 1 MB definition file.
    text = bytes(97 + i % 26 for i in range(1 << 20))
    whole = [(f"w{i}", 0, len(text)) for i in range(24000)]
    write(f"{folder}/whole.dict", text)
    write(f"{folder}/whole.idx", idx(whole))
    write(f"{folder}/whole.ifo", ifo(len(whole), len(idx(whole))))
    # The same as dictd, each entry within the per-entry limit but all on one stretch.
    write(f"{folder}/repeat.dict", text)
    write(f"{folder}/repeat.index", "".join(
        f"w{i}\tA\t{dictd_number(60000)}\n" for i in range(24000)).encode())
    # A gzip bomb: 600 MB of zeros in about 600 KB.
    write(f"{folder}/bomb.dict.dz", gzip_of_zeros(600))
    write(f"{folder}/bomb.index", f"zero\tA\t{dictd_number(100)}\n".encode())
    # A 4 GB sparse definition file with one real entry.
    with open(f"{folder}/sparse.dict", "wb") as f:
        f.write(b"sparse word")
        f.truncate(4 << 30)
    one = idx([("sparse", 0, 11)])
    write(f"{folder}/sparse.idx", one)
    write(f"{folder}/sparse.ifo", ifo(1, len(one)))
    # A headword of 300 letters on line 2.
    write(f"{folder}/long.tsv", ("a\tb\n" + "x" * 300 + "\tc\n").encode())


def seeds(fuzz):
    marker = b"@@FILE@@"
    text = b"abcdefghij" * 100
    whole = idx([(f"w{i}", 0, len(text)) for i in range(200)])
    write(f"{fuzz}/stardict/hostile_whole",
          b"\0" + ifo(200, len(whole)) + marker + whole + marker + text)
    write(f"{fuzz}/dictd/hostile_repeat", "".join(
        f"w{i}\tA\t{dictd_number(900)}\n" for i in range(200)).encode() + marker + text)
    write(f"{fuzz}/dictd/hostile_bomb", b"zero\tA\tBk\n" + marker + gzip_of_zeros(8))
    write(f"{fuzz}/dictzip/hostile_bomb", gzip_of_zeros(8))
    write(f"{fuzz}/tsv/hostile_long", ("a\tb\n" + "x" * 300 + "\tc\n").encode())


if __name__ == "__main__":
    if sys.argv[1] == "--seeds":
        seeds(sys.argv[2])
    else:
        files(sys.argv[1])
