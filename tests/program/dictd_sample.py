#!/usr/bin/env python3
"""Prints "headword<TAB>expected look-up result" for a sample of a dictd database's plain
headwords (lower-case letters and single spaces, and written so at the start of each of their
definitions, so that the index holds them as written), read with Python's own gzip and the dictd
base64 digits: every definition under that headword, trimmed, in index order, a blank line
between them, escaped as the look-up tool writes a result.

Usage: dictd_sample.py INDEX DICT_DZ COUNT [WORD...]   (the WORDs are always in the sample)
"""
import collections
import gzip
import random
import re
import sys

DIGITS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def number(text):
    value = 0
    for c in text:
        value = value * 64 + DIGITS.index(c)
    return value


def escaped(text):
    return (text.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t")
            .replace("\r", "\\r"))


def main():
    index_path, dict_path, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
    always = sys.argv[4:]
    text = gzip.open(dict_path).read()
    places = collections.defaultdict(list)
    plain_word = re.compile(r"[a-z]+( [a-z]+)*")
    with open(index_path, encoding="utf-8") as index:
        for line in index:
            headword, offset, length = line.rstrip("\n").split("\t")[:3]
            if plain_word.fullmatch(headword) and not headword.startswith("00"):
                places[headword].append((number(offset), number(length)))

    def senses(headword):
        return [text[start:start + length].decode("utf-8").strip()
                for start, length in places[headword]]

    def written_so(headword):
        for body in senses(headword):
            first = body.split("\n")[0]
            if not (first == headword or first.startswith(headword + " ")):
                return False
        return True

    candidates = sorted(places)
    random.seed(7)
    random.shuffle(candidates)
    sample = [h for h in candidates[:count * 3] if written_so(h)][:count] + always
    for headword in sample:
        print(headword + "\t" + escaped("\n\n".join(senses(headword))))


main()
