#!/usr/bin/env python3
"""Draws words of real text that are no headwords and prints the dictionary forms shown.

For each language: forms of ranks 300 to 20,000 of its word-frequency list, three letters or
longer and no headword of the bundled list, shuffled with a fixed seed; the first COUNT are
looked up with lexaro-words, one per line out: word, first form shown ("-" for none), the
others. Usage: bench/sample_forms.py LEXARO_WORDS DATABASE FREQUENCY_FOLDER [COUNT]
"""
import random
import subprocess
import sys

LANGUAGES = {'ar': 'Arabic', 'de': 'German', 'en': 'English', 'es': 'Spanish',
             'fi': 'Finnish', 'fr': 'French', 'it': 'Italian', 'sv': 'Swedish'}


def draw(code, folder, count):
    table = f'data/{LANGUAGES[code]}_to_Persian.tsv'
    with open(table, encoding='utf-8') as f:
        heads = {line.split('\t')[0].lower() for line in f}
    forms = []
    with open(f'{folder}/{code}.tsv', encoding='utf-8') as f:
        for rank, line in enumerate(f):
            word = line.split('\t')[0]
            if line.startswith('#') or not 300 <= rank <= 20000 or len(word) < 3:
                continue
            if all(c.isalpha() or c == "'" for c in word) and word.lower() not in heads:
                forms.append(word)
    random.Random(21).shuffle(forms)
    return forms[:count]


def main():
    tool, database, folder = sys.argv[1:4]
    count = int(sys.argv[4]) if len(sys.argv) > 4 else 400
    for code, name in LANGUAGES.items():
        words = draw(code, folder, count)
        shown = subprocess.run([tool, 'lookup', name, '--database', database],
                               input='\n'.join(words) + '\n', capture_output=True,
                               text=True, check=True).stdout.split('\n')
        for word, line in zip(words, shown):
            # The not-found text, then each form and its translation after an empty line.
            forms = [block.split('\\n')[0] for block in line.split('\\n\\n')[1:]]
            print(f"{code}\t{word}\t{forms[0] if forms else '-'}\t{' | '.join(forms[1:])}")


if __name__ == '__main__':
    main()
