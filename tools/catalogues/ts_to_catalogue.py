#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns the program's Qt Linguist files (i18n/<area>_<lang>.ts) into its catalogues.

A catalogue is what the Qt-free core and the page read: UTF-8 records, each the context,
the English source and the translation's forms (one, or one per plural form), fields
separated by U+001F and records ended by U+001E, after a first record naming the format
and the language. Untranslated and obsolete messages are left out, so that their English
shows. Besides the languages of the .ts files it writes the pseudo-language "pseudo":
every source of any file bracketed and made a third longer, which shows any text that
never went through the catalogue.

  ts_to_catalogue.py --out DIR [--cc FILE [--cc-languages de,nl,...]]
                     [--pseudo-ts FILE] TS_FILE...
  ts_to_catalogue.py --check [--glossary FILE] TS_FILE...

writes DIR/vantrel_<lang>.cat per language, and with --cc a C++ file that holds the named
catalogues (all by default) for BuiltInCatalogue(); with --pseudo-ts the pseudo-language
as a .ts file for lrelease. --check writes nothing and fails, naming each, when a text is
untranslated in a language that other texts are translated into, when its placeholders
(%1 ... %9, %n) differ from the source's, when a translation writes an ellipsis as three dots
or quotes with straight double quotes (each language has its own marks), or, with a glossary
(i18n/glossary.tsv), when its English holds a key term and a translation lacks that term's
word in its language.
"""

import argparse
import math
import os
import re
import sys
import xml.etree.ElementTree as ET

FIELD = '\x1f'
RECORD = '\x1e'
FORMAT = 'vantrel-catalogue 1'
PSEUDO = 'pseudo'


def language_of(path):
    match = re.search(r'_([a-z]{2,3})\.ts$', os.path.basename(path))
    if not match:
        sys.exit(f'{path}: the file name must end in _<language>.ts')
    return match.group(1)


def read_ts(path):
    """The messages of one .ts file: (context, source, forms, numerus)."""
    messages = []
    root = ET.parse(path).getroot()
    for context in root.iter('context'):
        name = context.findtext('name') or ''
        for message in context.iter('message'):
            source = message.findtext('source')
            if source is None:
                continue
            numerus = message.get('numerus') == 'yes'
            translation = message.find('translation')
            forms = []
            kind = translation.get('type') if translation is not None else 'unfinished'
            if translation is not None and kind not in ('unfinished', 'obsolete', 'vanished'):
                if numerus:
                    forms = [form.text or '' for form in translation.iter('numerusform')]
                else:
                    forms = [translation.text or '']
            messages.append((name, source, [f for f in forms], numerus))
    return messages


def pseudo(text):
    """The text in brackets, a third longer; placeholders stay readable. Each paragraph of a
    longer text is bracketed on its own, since a face may show paragraphs apart."""
    if text == '':
        return text
    if '\n\n' in text:
        return '\n\n'.join(pseudo(paragraph) for paragraph in text.split('\n\n'))
    padding = '~' * math.ceil(len(text) / 3)
    return f'[{text} {padding}]'


def catalogue_bytes(language, entries):
    records = [FIELD.join([FORMAT, language])]
    for (context, source), forms in sorted(entries.items()):
        for field in [context, source, *forms]:
            if FIELD in field or RECORD in field:
                sys.exit(f'{context}/{source!r}: separator character in a text')
        records.append(FIELD.join([context, source, *forms]))
    return (RECORD.join(records) + RECORD).encode('utf-8')


def write_if_changed(path, data):
    try:
        with open(path, 'rb') as old:
            if old.read() == data:
                return
    except OSError:
        pass
    with open(path, 'wb') as new:
        new.write(data)


def cc_text(catalogues):
    lines = [
        '// Generated from i18n/*.ts by tools/catalogues/ts_to_catalogue.py. Do not edit.',
        '#include "language/catalogue.h"',
        '',
        'namespace vantrel {',
        '',
        'namespace {',
    ]
    for language, data in catalogues:
        body = ', '.join(str(b) for b in data)
        lines.append(f'constexpr unsigned char kCatalogue_{language}[] = {{{body}}};')
    parameter = 'code' if catalogues else '/*code*/'
    lines += ['}  // namespace', '', f'std::string_view BuiltInCatalogue(std::string_view {parameter}) {{']
    for language, _ in catalogues:
        lines.append(f'  if (code == "{language}") {{')
        lines.append(f'    return {{reinterpret_cast<const char*>(kCatalogue_{language}),'
                     f' sizeof kCatalogue_{language}}};')
        lines.append('  }')
    lines += ['  return {};', '}', '', '}  // namespace vantrel', '']
    return '\n'.join(lines).encode('utf-8')


def pseudo_ts(entries):
    root = ET.Element('TS', version='2.1', language='en')
    by_context = {}
    for (context, source), (forms, numerus) in sorted(entries.items()):
        by_context.setdefault(context, []).append((source, forms, numerus))
    for context, messages in by_context.items():
        element = ET.SubElement(root, 'context')
        ET.SubElement(element, 'name').text = context
        for source, forms, numerus in messages:
            message = ET.SubElement(element, 'message')
            if numerus:
                message.set('numerus', 'yes')
            ET.SubElement(message, 'source').text = source
            translation = ET.SubElement(message, 'translation')
            if numerus:
                for form in forms:
                    ET.SubElement(translation, 'numerusform').text = form
            else:
                translation.text = forms[0]
    return b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + ET.tostring(
        root, encoding='utf-8')


def placeholders(text):
    return sorted(re.findall(r'%[1-9n]', text))


# A glossary term in English is never part of an option, key or column name.
TERM_BEFORE = r'(?<![\w\-,=])'
TERM_AFTER = r'(?![\w\-,=])'


def read_glossary(path):
    """The glossary's rows: (term, English pattern, {language: accepted forms}, contexts)."""
    rows = []
    with open(path, encoding='utf-8') as file:
        lines = [line.rstrip('\n') for line in file if line.strip() and not line.startswith('#')]
    header = lines[0].split('\t')
    languages = [name for name in header if name not in ('term', 'english', 'contexts')]
    for number, line in enumerate(lines[1:], start=2):
        cells = dict(zip(header, line.split('\t')))
        if not cells.get('term') or not cells.get('english'):
            sys.exit(f'{path}: row {number} lacks its term or its English')
        pattern = re.compile(TERM_BEFORE + '(?:' + cells['english'] + ')' + TERM_AFTER,
                             re.IGNORECASE | re.MULTILINE)
        accepted = {language: [form.casefold() for form in cells.get(language, '').split('|') if form]
                    for language in languages}
        contexts = {context for context in cells.get('contexts', '').split(',') if context}
        rows.append((cells['term'], pattern, accepted, contexts))
    return rows


def glossary_faults(glossary, context, source, language, forms):
    """What a translation of `source` lacks of the glossary's words, one line per term."""
    faults = []
    english = source
    for term, pattern, accepted, contexts in glossary:
        if contexts and context not in contexts:
            continue
        # A matched part is blanked out, so a later, shorter term does not see it again.
        english, found = pattern.subn(lambda match: '\0' * len(match.group()), english)
        words = accepted.get(language)
        if not found or not words:
            continue
        for form in forms:
            if not any(word in form.casefold() for word in words):
                faults.append(f'{language}: glossary: {term!r} is {" or ".join(accepted[language])}:'
                              f' {context}: {source!r} -> {form!r}')
                break
    return faults


def check(paths, glossary=()):
    translations = {}  # language -> (context, source) -> forms
    numerus_of = {}
    for path in paths:
        language = language_of(path)
        for context, source, forms, numerus in read_ts(path):
            translations.setdefault(language, {})[(context, source)] = forms
            numerus_of[(context, source)] = numerus
    faults = []
    languages = sorted(language for language in translations if language != 'en')
    for key, numerus in sorted(numerus_of.items()):
        context, source = key
        for language in languages:
            forms = translations[language].get(key)
            if not forms or any(form == '' for form in forms):
                faults.append(f'{language}: untranslated: {context}: {source!r}')
                continue
            for form in forms:
                wanted = placeholders(source)
                if numerus:
                    wanted = [p for p in wanted if p != '%n']
                    got = [p for p in placeholders(form) if p != '%n']
                else:
                    got = placeholders(form)
                if got != wanted:
                    faults.append(f'{language}: placeholders differ: {context}: {source!r} -> {form!r}')
            for form in forms:
                if '...' in form or '"' in form:
                    faults.append(f'{language}: "..." or straight quotes: {context}: {source!r} -> {form!r}')
                    break
            faults += glossary_faults(glossary, context, source, language, forms)
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


def main():
    if len(sys.argv) > 1 and sys.argv[1] == '--check':
        paths = sys.argv[2:]
        glossary = []
        if paths[:1] == ['--glossary']:
            glossary = read_glossary(paths[1])
            paths = paths[2:]
        sys.exit(check(paths, glossary))
    parser = argparse.ArgumentParser()
    parser.add_argument('--out', required=True)
    parser.add_argument('--cc')
    parser.add_argument('--cc-languages')
    parser.add_argument('--pseudo-ts')
    parser.add_argument('ts', nargs='+')
    args = parser.parse_args()

    by_language = {}
    sources = {}
    for path in args.ts:
        language = language_of(path)
        entries = by_language.setdefault(language, {})
        for context, source, forms, numerus in read_ts(path):
            # English forms (plurals) are what the pseudo-language brackets.
            english = forms if language == 'en' and forms else [source, source] if numerus else [source]
            if (context, source) not in sources or language == 'en':
                sources[(context, source)] = (english, numerus)
            if forms:
                entries[(context, source)] = forms
    by_language[PSEUDO] = {
        key: [pseudo(form) for form in forms] for key, (forms, _) in sources.items()
    }
    pseudo_entries = {key: ([pseudo(f) for f in forms], numerus)
                      for key, (forms, numerus) in sources.items()}

    os.makedirs(args.out, exist_ok=True)
    catalogues = []
    for language in sorted(by_language):
        data = catalogue_bytes(language, by_language[language])
        write_if_changed(os.path.join(args.out, f'vantrel_{language}.cat'), data)
        catalogues.append((language, data))
    if args.cc:
        wanted = None if args.cc_languages is None else set(filter(None, args.cc_languages.split(',')))
        write_if_changed(args.cc, cc_text([c for c in catalogues if wanted is None or c[0] in wanted]))
    if args.pseudo_ts:
        write_if_changed(args.pseudo_ts, pseudo_ts(pseudo_entries))


if __name__ == '__main__':
    main()
