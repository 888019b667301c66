#!/usr/bin/env python3
"""Draws words of real text that are no headwords and prints the dictionary forms shown.

For each language: forms of ranks 300 to 20,000 of its word-frequency list, three letters or
longer and no headword of the bundled list, shuffled with a fixed seed; the first COUNT are
looked up with lexaro-words, one per line out: word, first form shown ("-" for none), the
others. Usage: bench/sample_forms.py LEXARO_WORDS DATABASE FREQUENCY_FOLDER [COUNT [FIRST-LAST SEED]]
[--leave-out FOLDER] (FIRST-LAST: other ranks, SEED: another shuffle, for a draw of words not
seen before; FOLDER: the judged samples, NAME-LANG.tsv with the word first, whose words are
left out before the first COUNT are taken, so that a new sample holds no word judged before.)

With --catalogues in place of FREQUENCY_FOLDER the words come from other text: the translated
messages of the programs installed (/usr/share/locale/LANG/LC_MESSAGES/*.mo; for English the
original messages), words written as they stand there, seen in at least two messages, shuffled
with another seed; --leave-out works as above.
"""
import collections
import glob
import random
import re
import struct
import subprocess
import sys

LANGUAGES = {'ar': 'Arabic', 'de': 'German', 'en': 'English', 'es': 'Spanish',
             'fi': 'Finnish', 'fr': 'French', 'it': 'Italian', 'sv': 'Swedish'}


def draw(code, folder, count, ranks=(300, 20000), seed=21):
    heads = headwords(code)
    forms = []
    with open(f'{folder}/{code}.tsv', encoding='utf-8') as f:
        for rank, line in enumerate(f):
            word = line.split('\t')[0]
            if line.startswith('#') or not ranks[0] <= rank <= ranks[1] or len(word) < 3:
                continue
            if all(c.isalpha() or c == "'" for c in word) and word.lower() not in heads:
                forms.append(word)
    random.Random(seed).shuffle(forms)
    return forms[:count]


def headwords(code):
    with open(f'data/{LANGUAGES[code]}_to_Persian.tsv', encoding='utf-8') as f:
        return {line.split('\t')[0].lower() for line in f}


def mo_messages(path):
    """The (original, translation) pairs of a compiled message catalogue."""
    with open(path, 'rb') as f:
        data = f.read()
    order = '<' if data[:4] == b'\xde\x12\x04\x95' else '>'
    count, originals, translations = struct.unpack(order + '3I', data[8:20])
    for i in range(count):
        pair = []
        for table in (originals, translations):
            length, offset = struct.unpack(order + '2I', data[table + 8 * i:table + 8 * i + 8])
            pair.append(data[offset:offset + length].decode('utf-8', 'replace'))
        yield pair


def catalogue_messages(code):
    """Each message's words: for English the originals, for the others those of the translation
    that its original does not hold (names, commands and words left untranslated)."""
    # Letters with their marks: an Arabic shadda or vowel sign is inside the word (المخزّن).
    letter = r"(?:[^\W\d_]|[\u0610-\u061A\u064B-\u065F\u0670])"
    word = re.compile(rf"{letter}+(?:'{letter}+)?")
    # Printf codes and tags part words; an access key's mark (&Datei, Ei_genschaften) is inside one.
    markup = re.compile(r'%[-#0-9.]*[a-zA-Z]|<[^>]*>')
    access_key = re.compile(r'[&_](?=\w)')
    locale = 'de' if code == 'en' else code  # English: the originals of the German catalogues
    for path in sorted(glob.glob(f'/usr/share/locale/{locale}/LC_MESSAGES/*.mo')):
        if '/iso_' in path:  # lists of language and country names
            continue
        for original, translation in mo_messages(path):
            if not original:  # the empty original holds the catalogue's header
                continue
            words = [set(word.findall(access_key.sub('', markup.sub(' ', m.replace('\u2019', "'")))))
                     for m in (original, translation)]
            yield words[0] if code == 'en' else words[1] - words[0]


def draw_from_catalogues(code, count):
    heads = headwords(code)
    seen = collections.Counter()
    for words in catalogue_messages(code):
        seen.update(words)
    # No program names (inner capitals), nothing of another script.
    forms = sorted(w for w, n in seen.items()
                   if n >= 2 and len(w) >= 3 and w.lower() not in heads
                   and not any(c.isupper() for c in w[1:])
                   and (code == 'ar') == all('\u0600' <= c <= '\u06ff' for c in w))
    random.Random(2026).shuffle(forms)
    return forms[:count]


def judged_words(folder, code):
    """The words of the judged samples of one language in the folder, written small."""
    words = set()
    for path in glob.glob(f'{folder}/*-{code}.tsv'):
        with open(path, encoding='utf-8') as f:
            words.update(line.split('\t')[0].lower() for line in f if line.strip())
    return words


def main():
    args = sys.argv[1:]
    leave_out = None
    if '--leave-out' in args:
        at = args.index('--leave-out')
        leave_out = args[at + 1]
        del args[at:at + 2]
    tool, database, folder = args[0:3]
    count = int(args[3]) if len(args) > 3 else 400
    ranks, seed = (300, 20000), 21
    if len(args) > 5:
        ranks, seed = tuple(int(r) for r in args[4].split('-')), int(args[5])
    for code, name in LANGUAGES.items():
        if folder == '--catalogues':
            words = draw_from_catalogues(code, count if not leave_out else 10 ** 6)
            if leave_out:
                judged = judged_words(leave_out, code)
                words = [w for w in words if w.lower() not in judged][:count]
        elif leave_out:
            judged = judged_words(leave_out, code)
            words = [w for w in draw(code, folder, 10 ** 6, ranks, seed)
                     if w.lower() not in judged][:count]
        else:
            words = draw(code, folder, count, ranks, seed)
        shown = subprocess.run([tool, 'lookup', name, '--database', database],
                               input='\n'.join(words) + '\n', capture_output=True,
                               text=True, check=True).stdout.split('\n')
        for word, line in zip(words, shown):
            # The not-found text, then each form and its translation after an empty line.
            forms = [block.split('\\n')[0] for block in line.split('\\n\\n')[1:]]
            print(f"{code}\t{word}\t{forms[0] if forms else '-'}\t{' | '.join(forms[1:])}")


if __name__ == '__main__':
    main()
