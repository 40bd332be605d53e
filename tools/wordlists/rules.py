"""Facts the three- and four-letter lists must meet, as data for the selection.

Each list is cut into segments between fixed anchor words; every segment gets an exact number
of words. Patterns with an exact answer force their words in and keep every other match out.
"""

from dataclasses import dataclass, field

from collation import sort_key


@dataclass
class Quota:
    """Exactly `count` words of a segment, fixed ones included, satisfy `test`."""

    name: str
    test: object
    count: int


@dataclass
class Segment:
    """`count` words, fixed ones included, sort strictly between `after` and `before`."""

    after: str
    before: str
    count: int
    quotas: list = field(default_factory=list)


@dataclass
class ListRules:
    length: int
    total: int
    fixed: list  # words in their data case, always in the list
    segments: list  # together with `fixed` they cover the whole list
    exact: list  # (name, test, words): the words matching test are exactly these
    global_quotas: list  # (name, test, count) over the whole list
    capitalised: int | None = None  # number of capitalised words (three letters only)


def _is(position, letter):
    return lambda word: word[position - 1] == letter


THREE = ListRules(
    length=3,
    total=629,
    fixed=["Aal", "Aar", "Aas", "Aba", "Abi", "Hub", "hüb", "Huf", "Net", "olé", "Spa",
           "zot", "Zug", "zum", "zur", "zwo", "ahm", "ähm", "Ara", "Ära", "Öle", "Öhr",
           "Kuh", "Axt", "Bad"],
    segments=[
        Segment("ABI", "HUB", 246, [
            Quota("A first", _is(1, "A"), 43),
            Quota("Ä first", _is(1, "Ä"), 10),
        ]),
        Segment("HUF", "NET", 128),
        Segment("NET", "OLÉ", 28),
        Segment("OLÉ", "SPA", 110),
        Segment("SPA", "ZOT", 101),
    ],
    exact=[
        ("Ä first", _is(1, "Ä"), "ÄFF ÄHM ÄKS ÄON ÄRA ÄSE ÄSS ÄST ÄTZ ÄUG"),
        ("Q first", _is(1, "Q"), "QIS QUA"),
        ("Q second", _is(2, "Q"), ""),
        ("X second", _is(2, "X"), "AXT EXE EXT IXE IXT"),
        ("Ü second", _is(2, "Ü"),
         "BÜK BÜX DÜS FÜG FÜR HÜB HÜF HÜT KÜR LÜD LÜG MÜH RÜD RÜG SÜD TÜR TÜT WÜT"),
        ("Z third", _is(3, "Z"), "ATZ ÄTZ DEZ DUZ ERZ FEZ PIZ"),
        ("É anywhere", lambda w: "É" in w, "OLÉ"),
        ("?AT", lambda w: w[1:] == "AT", "BAT GAT HAT KAT RAT TAT WAT"),
        ("K?H", lambda w: w[0] == "K" and w[2] == "H", "KUH"),
        ("AX?", lambda w: w[:2] == "AX", "AXT"),
        ("AA?", lambda w: w[:2] == "AA", "AAL AAR AAS"),
        ("A after AXT", lambda w: w[0] == "A" and sort_key(w) > sort_key("AXT"), ""),
        ("B before BAD", lambda w: w[:2] == "BA" and w[2] < "D", ""),
    ],
    global_quotas=[("A second", _is(2, "A"), 103)],
    capitalised=334,
)

FOUR = ListRules(
    length=4,
    total=3041,
    fixed=["AALE", "AALS", "AALT", "AARE", "AARS", "AASE", "AAST", "AZUR", "ÄBTE", "AFFE",
           "ÄFFE", "BYTE", "CYAN", "GÄBE", "GABT", "LÖSS", "LOST", "SHOP", "SHOW",
           "ZURR", "ZUTU", "ZWAR", "ZWEI", "ZYAN", "FUSS"],
    segments=[
        Segment("AAST", "GÄBE", 792, [
            Quota("A first", _is(1, "A"), 129),
            Quota("Ä first", _is(1, "Ä"), 24),
        ]),
        Segment("GABT", "LÖSS", 798),
        Segment("LOST", "SHOP", 798),
        Segment("SHOW", "ZURR", 635),
    ],
    exact=[
        ("AA??", lambda w: w[:2] == "AA", "AALE AALS AALT AARE AARS AASE AAST"),
        ("Z??N", lambda w: w[0] == "Z" and w[3] == "N",
         "ZAHN ZÄHN ZAIN ZAUN ZÄUN ZEHN ZINN ZORN ZÜRN ZYAN"),
        ("Q second", _is(2, "Q"), ""),
        ("J fourth", _is(4, "J"), ""),
        ("X first", _is(1, "X"), ""),
        ("A after AZUR", lambda w: w[0] == "A" and sort_key(w) > sort_key("AZUR"), ""),
        ("Ä before ÄBTE", lambda w: w[0] == "Ä" and sort_key(w) < sort_key("ÄBTE"), ""),
    ],
    global_quotas=[("Y second", _is(2, "Y"), 14)],
)
