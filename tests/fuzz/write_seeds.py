#!/usr/bin/env python3
"""Writes the fuzz targets' seed inputs into seeds/<target>/, in the input format of
fuzz_input.h: UTF-16 code units, little-endian. Run it from any folder; it replaces the seeds."""

import pathlib
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent


def units(text):
    """The UTF-16 code units of a text; lone surrogates are kept as they are."""
    encoded = text.encode("utf-16-le", "surrogatepass")
    return list(struct.unpack(f"<{len(encoded) // 2}H", encoded))


def encode(code_units):
    return struct.pack(f"<{len(code_units)}H", *code_units)


def boxes(*texts):
    """Lengths of all boxes but the last, then every box's text."""
    parts = [units(text) for text in texts]
    return encode([len(part) for part in parts[:-1]] + [u for part in parts for u in part])


def position_and_text(position, text):
    return encode([position & 0xFFFF] + units(text))


LONG = "abcdefghijklmnopqrstuvwxyzäöüéß 😀\t\n" * 120

SEEDS = {
    "upper_case": {
        "mixed_words": encode(units("hüb* Öl äff olé ß Maß")),
        "all_letters": encode(units("abcdefghijklmnopqrstuvwxyzäöüéABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜÉ")),
        "emoji_pair": encode(units("a😀b")),
        "lone_surrogates": encode(units("\ud800a\udc00ä")),
        "nul": encode(units("a\0ü")),
        "combining_diaeresis": encode(units("a\u0308u\u0308")),
        "right_to_left": encode(units("שלום مرحبا é")),
        "tab_newline": encode(units("a\tb\nc\rd")),
        "long_text": encode(units(LONG)),
    },
    "search_2": {
        "a_first": position_and_text(1, "A"),
        "a_first_typed": position_and_text(1, "a"),
        "h_second": position_and_text(2, "h"),
        "o_umlaut_second": position_and_text(2, "Ö"),
        "two_letters": position_and_text(1, "AB"),
        "empty": position_and_text(2, ""),
        "position_0": position_and_text(0, "A"),
        "position_3": position_and_text(3, "A"),
        "negative_position": position_and_text(-1, "A"),
        "lone_surrogate": position_and_text(1, "\udc00"),
        "nul": position_and_text(2, "\0"),
        "long_text": position_and_text(1, LONG),
    },
    "search_3": {
        "k_h": boxes("K", "", "H"),
        "a_x": boxes("a", "x", ""),
        "o_umlaut_h_r": boxes("ö", "h", "r"),
        "digit_a_t": boxes("1", "A", "T"),
        "two_letters_a": boxes("AB", "A", ""),
        "u_umlaut_second": boxes("", "Ü", ""),
        "e_acute_third": boxes("", "", "é"),
        "all_empty": boxes("", "", ""),
        "emoji_a_t": boxes("😀", "A", "T"),
        "lone_surrogate": boxes("\ud83d", "", "Z"),
        "nul_second": boxes("K", "\0", ""),
        "long_first": boxes(LONG, "A", "T"),
    },
    "search_4": {
        "a_a_l_e": boxes("A", "A", "L", "E"),
        "z_n": boxes("z", "", "", "n"),
        "x_y": boxes("X", "Y", "", ""),
        "a_umlaut_first": boxes("ä", "", "", ""),
        "q_second": boxes("", "Q", "", ""),
        "sharp_s_first": boxes("ß", "", "", ""),
        "two_letters_third": boxes("A", "A", "LE", ""),
        "all_empty": boxes("", "", "", ""),
        "combining_first": boxes("a\u0308", "", "", "N"),
        "right_to_left_second": boxes("", "ש", "", ""),
        "nul_fourth": boxes("Z", "", "", "\0"),
        "long_last": boxes("A", "", "", LONG),
    },
}

for target, seeds in SEEDS.items():
    folder = HERE / "seeds" / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)
