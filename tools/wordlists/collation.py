"""The order of the three- and four-letter lists.

Alphabetical with case ignored, Ä, Ö, Ü compared as A, O, U and É as E; of two words equal
under that rule, the one with the plain letter at the first differing position comes first.
"""

PLAIN = str.maketrans("ÄÖÜÉ", "AOUE")
# Ties are broken letter by letter, plain letters before their accented forms.
TIE = str.maketrans("ÄÖÜÉ", "\x5b\x5c\x5d\x5e")


def sort_key(word):
    upper = word.upper()
    return (upper.translate(PLAIN), upper.translate(TIE))


def between(word, low, high):
    """True when word sorts strictly between low and high."""
    return sort_key(low) < sort_key(word) < sort_key(high)
