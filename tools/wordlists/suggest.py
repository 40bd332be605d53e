#!/usr/bin/env python3
"""Proposes inflected forms the lexica lack, for review.

The lexica miss many regular forms of short words (old dative -e, genitive -s, short
imperatives, Konjunktiv II with umlaut). This derives such strings from words already accepted
and from the lexica's verbs; every proposal still needs a reviewer's yes before it may be used.

Usage: suggest.py NODE_MODULES LENGTH ACCEPTED... > proposals.tsv
ACCEPTED are candidate files (first column: word in capitals).
"""

import csv
import sys
from pathlib import Path

import pool

UMLAUT = {"A": "Ä", "O": "Ö", "U": "Ü"}


def read_words(paths):
    words = set()
    for path in paths:
        with open(path, encoding="utf-8", newline="") as f:
            for row in csv.DictReader(f, delimiter="\t"):
                words.add(row["word"])
    return words


def umlauted(word):
    """Each variant with one of its vowels A, O, U replaced by its umlaut."""
    for i, letter in enumerate(word):
        if letter in UMLAUT:
            yield word[:i] + UMLAUT[letter] + word[i + 1:]


def proposals(length, two_letter, shorter, verb_forms, longer_verb_forms):
    """Maps each proposed word to how it was derived."""
    found = {}

    def propose(word, how):
        if len(word) == length and word not in found:
            found[word] = how

    for word in sorted(shorter):
        # Genitive -s, old dative -e, plural -e, 3rd person -t; -n only after e (Aue, Auen).
        for ending in "ESN" if word.endswith("E") else "EST":
            propose(word + ending, f"{word}+{ending}")
        # Plural with umlaut (Ast, Äste).
        for variant in umlauted(word):
            propose(variant + "E", f"{word}: umlaut+E")
    for word in sorted(two_letter):
        for ending in ("EN", "ER", "ES", "SE"):
            propose(word + ending, f"{word}+{ending}")
    for word in sorted(verb_forms):
        # The other persons of the same verb, and Konjunktiv II with umlaut.
        stem = word[:-1] if word[-1] in "ET" else word
        for ending in ("", "E", "T"):
            propose(stem + ending, f"{word}: same verb")
        for variant in umlauted(word):
            propose(variant, f"{word}: umlaut")
    for form in sorted(longer_verb_forms):
        if form.endswith("E"):
            propose(form[:-1], f"{form}: imperative without -e")
    return found


def main():
    node_modules, length = Path(sys.argv[1]), int(sys.argv[2])
    accepted = read_words(sys.argv[3:])
    pooled = pool.build_pool(node_modules, lengths=(length - 2, length - 1, length, length + 1))
    known = {w.upper() for w in pooled if len(w) == length} | accepted
    shorter = {w.upper() for w in pooled if len(w) == length - 1} | {
        w for w in accepted if len(w) == length - 1}
    verb_forms = {w.upper() for w, s in pooled.items()
                  if len(w) == length and w.islower() and pool.VERBS in s} & accepted
    longer_verb_forms = {w.upper() for w, s in pooled.items()
                         if len(w) == length + 1 and w.islower() and pool.VERBS in s}
    two_letter = {w.upper() for w in pooled if len(w) == length - 2} | {
        w for w in accepted if len(w) == length - 2}
    found = proposals(length, two_letter, shorter, verb_forms, longer_verb_forms)
    writer = csv.writer(sys.stdout, delimiter="\t", lineterminator="\n")
    writer.writerow(["word", "derived"])
    for word in sorted(found):
        if word not in known and pool.WORD_SHAPE.match(word.capitalize()):
            writer.writerow([word, found[word]])


if __name__ == "__main__":
    main()
