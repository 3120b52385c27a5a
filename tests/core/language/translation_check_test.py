#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The translation check: a text whose English holds a glossary term fails when a
translation lacks the term's word, in any plural form; a longer term is checked before the
shorter one inside it, a row with contexts holds only there, and names of options, keys and
columns are no terms. A translation with three dots for an ellipsis or straight double
quotes fails too. Each case is one message in a German .ts file.

  translation_check_test.py TOOL
"""

import os
import subprocess
import sys
import tempfile

GLOSSARY = '\n'.join([
    '# a comment line',
    'term\tenglish\tde\tcontexts',
    'program run\truns?\tSitzung\tJournal',
    'gene pool\tgene ?pools?\tGenpool\t',
    'run\truns?\tDurchgang|Durchgäng\t',
    'feed\tfeed(?:s|ing)?\tFütter\t',
]) + '\n'

CASES = [  # context, English, translation (a list for plural forms), passes
    ('W', 'Feed this organism', 'Füttere diesen Organismus', True),
    ('W', 'Feed this organism', 'Gib diesem Organismus Futter', False),
    ('W', 'feeds and runs', 'FÜTTERUNGEN und DURCHGÄNGE', True),
    ('W', '%1 runs', ['%1 Durchgang', '%1 Durchgänge'], True),
    ('W', '%1 runs', ['%1 Durchgang', '%1 Läufe'], False),
    ('W', 'A new gene pool', 'Ein neuer Genpool', True),
    ('W', 'A new genepool', 'Ein neuer Vorrat', False),
    ('Journal', 'No earlier run', 'Keine frühere Sitzung', True),
    ('W', 'No earlier run', 'Keine frühere Sitzung', False),
    ('W', 'columns run,feeds,shots', 'Spalten run,feeds,shots', True),
    ('W', '--runs N', '--runs N', True),
    ('W', 'Export runs…', 'Durchgänge exportieren …', True),
    ('W', 'Export runs…', 'Durchgänge exportieren...', False),
    ('W', 'Save "%1"', '„%1“ speichern', True),
    ('W', 'Save "%1"', '"%1" speichern', False),
]


def ts_file(context, source, translation):
    if isinstance(translation, list):
        forms = ''.join(f'<numerusform>{form}</numerusform>' for form in translation)
        message = f'<message numerus="yes"><source>{source}</source><translation>{forms}'
    else:
        message = f'<message><source>{source}</source><translation>{translation}'
    return (f'<?xml version="1.0" encoding="utf-8"?><TS version="2.1" language="de"><context>'
            f'<name>{context}</name>{message}</translation></message></context></TS>')


def main():
    tool = sys.argv[1]
    wrong = []
    with tempfile.TemporaryDirectory() as folder:
        glossary = os.path.join(folder, 'glossary.tsv')
        with open(glossary, 'w', encoding='utf-8') as file:
            file.write(GLOSSARY)
        for context, source, translation, passes in CASES:
            path = os.path.join(folder, 'case_de.ts')
            with open(path, 'w', encoding='utf-8') as file:
                file.write(ts_file(context, source, translation))
            result = subprocess.run([sys.executable, tool, '--check', '--glossary', glossary, path],
                                    capture_output=True, text=True)
            if (result.returncode == 0) != passes or (not passes and 'untranslated' in result.stderr):
                wrong.append(f'{context}: {source!r} -> {translation!r}: {result.stderr.strip()!r}')
    for line in wrong:
        print('FAIL:', line)
    return 1 if wrong else 0


if __name__ == '__main__':
    sys.exit(main())
