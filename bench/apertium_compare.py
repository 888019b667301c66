#!/usr/bin/env python3
"""Measures what Apertium's analysers would find as dictionary forms, against the look-up.

For English, Spanish, French, Italian and Swedish: each form of bench/inflected_forms that is
no headword is analysed with lt-proc and the analyser's lemmas that are headwords of the bundled
list are kept, in the analyser's order. Printed per language: the forms whose right dictionary
form is among them, and those whose first one is wrong; then, on the judged sample of
docs/DICTIONARY_FORMS.md, how often its first headword is the one judged right there, another,
or none, and what it gives for the forms judged wrong.
Usage: bench/apertium_compare.py [-v] [APERTIUM_FOLDER]   (run from the repository; needs lttoolbox
and the apertium-eng-spa, apertium-fr-es, apertium-spa-ita and apertium-swe-dan packages)
"""
import re
import subprocess
import sys

ANALYSERS = {
    'English': 'apertium-eng-spa/eng-spa.automorf.bin',
    'Spanish': 'apertium-eng-spa/spa-eng.automorf.bin',
    'French': 'apertium-fr-es/fr-es.automorf.bin',
    'Italian': 'apertium-spa-ita/ita-spa.automorf.bin',
    'Swedish': 'apertium-swe-dan/swe-dan.automorf.bin',
}


def headwords(language):
    with open(f'data/{language}_to_Persian.tsv', encoding='utf-8') as f:
        return {line.split('\t')[0].lower() for line in f if '\t' in line}


def lemmas(analyser, words):
    """Each word's lemmas in the analyser's order ("^libri/libro<n><m><pl>$")."""
    out = subprocess.run(['lt-proc', '-w', analyser], input='\n'.join(words) + '\n',
                         capture_output=True, text=True, check=True).stdout
    units = re.findall(r'\^(.*?)\$', out)
    result = {}
    for unit in units:
        surface, *readings = unit.split('/')
        found = []
        for reading in readings:
            if reading.startswith('*'):
                continue
            # A word with attached pronouns is lemma<tags>+pronoun<tags>: the first part counts.
            lemma = re.split(r'[<+#]', reading, maxsplit=1)[0]
            if lemma and lemma not in found:
                found.append(lemma)
        result[surface] = found
    return result


def bench_list(language):
    expected = {}
    with open(f'bench/inflected_forms/{language}_to_Persian.tsv', encoding='utf-8') as f:
        for line in f:
            if '\t' in line:
                form, lemma = line.rstrip('\n').split('\t')[:2]
                expected.setdefault(form, set()).add(lemma.lower())
    return expected


def judged_sample(language):
    """(word, first form shown, judged wrong) from the judged sample's section."""
    with open('docs/DICTIONARY_FORMS.md', encoding='utf-8') as f:
        text = f.read()
    match = re.search(rf'^## {language}:.*?\n\n(.*?)\n', text, re.M | re.S)
    if not match:
        return []
    items = []
    for item in match.group(1).split(';'):
        parts = item.strip().split(' → ')
        if len(parts) == 2:
            shown, wrong = parts[1].replace('**✗**', '').strip(), '✗' in parts[1]
            items.append((parts[0], shown, wrong))
    return items


def main():
    folders = [a for a in sys.argv[1:] if not a.startswith('-')]
    folder = folders[0] if folders else '/usr/share/apertium'
    print('| Language | Forms | Found | Wrong first | Sample: same first | other | none |'
          ' Sample ✗: other | same |')
    print('|---|---|---|---|---|---|---|---|---|')
    for language, analyser in ANALYSERS.items():
        heads = headwords(language)
        expected = {f: e for f, e in bench_list(language).items() if f.lower() not in heads}
        sample = judged_sample(language)
        analysed = lemmas(f'{folder}/{analyser}', list(expected) + [w for w, _, _ in sample])

        def shown(word):
            return [lemma for lemma in analysed.get(word, []) if lemma.lower() in heads]

        found = sum(bool(set(map(str.lower, shown(f))) & e) for f, e in expected.items())
        wrong = sum(bool(shown(f)) and shown(f)[0].lower() not in e for f, e in expected.items())
        counts = {'same': 0, 'other': 0, 'none': 0, 'wrong other': 0, 'wrong same': 0}
        for word, ours, judged_wrong in sample:
            first = shown(word)[0].lower() if shown(word) else None
            if judged_wrong:
                counts['wrong same' if first == ours.lower() else 'wrong other'] += 1
            else:
                counts['none' if first is None else 'same' if first == ours.lower()
                       else 'other'] += 1
        right = len(sample) - counts['wrong same'] - counts['wrong other']
        print(f"| {language} | {len(expected)} | {found} | {wrong} | {counts['same']} of {right}"
              f" | {counts['other']} | {counts['none']} | {counts['wrong other']} |"
              f" {counts['wrong same']} |")
        if '-v' in sys.argv:
            for word, ours, judged_wrong in sample:
                if (shown(word)[:1] or ['-'])[0].lower() != ours.lower():
                    print(f'  {word}: ours {ours}{" ✗" if judged_wrong else ""},'
                          f' apertium {shown(word)[:3]}', file=sys.stderr)


if __name__ == '__main__':
    main()
