#!/usr/bin/env python3
"""Writes tables/data/words_3.txt and words_4.txt from the reviewed candidate lists.

Every word of the lexica pool must be either a reviewed candidate or a rejected word, so the
reason for each word's presence or absence stays on record. The selection then takes, segment by
segment between the fixed anchor words, the best-attested candidates up to the exact counts.

Usage: make_lists.py NODE_MODULES   (the folder holding the three npm lexica)
"""

import csv
import sys
from pathlib import Path

import pool
from collation import between, sort_key
from rules import FOUR, THREE

HERE = Path(__file__).resolve().parent
DATA = HERE.parent.parent / "tables" / "data"
# The one three-letter slot whose data text is longer than its slot.
STARRED = {"hüb": "hüb*"}


class Candidate:
    def __init__(self, word, form, tier, note, sources):
        self.word, self.form, self.tier, self.note = word, form, tier, note
        self.sources = sources
        self.rank = (tier, -len(sources), sort_key(word))

    def capitalised(self):
        return self.form[0].isupper()


def read_tsv(path):
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f, delimiter="\t"))


def load_candidates(length, sources_by_word):
    candidates = {}
    for row in read_tsv(HERE / f"candidates_{length}.tsv"):
        word = row["word"]
        if word in candidates:
            sys.exit(f"candidates_{length}.tsv: {word} listed twice")
        form = row["form"].removeprefix("both:") if length == 3 else word
        candidates[word] = Candidate(word, form, int(row["tier"]), row["note"],
                                     sources_by_word.get(word, set()))
    return candidates


def check_pool_reviewed(length, candidates, sources_by_word):
    rejected = {row["word"] for row in read_tsv(HERE / f"rejected_{length}.tsv")}
    unreviewed = sorted(w for w in sources_by_word
                        if len(w) == length and w not in candidates and w not in rejected)
    if unreviewed:
        sys.exit(f"{length} letters: pool words neither kept nor rejected: {' '.join(unreviewed)}")


def flexible(row_form):
    return row_form.startswith("both:")


class Selection:
    def __init__(self, rules, candidates, both):
        self.rules, self.candidates, self.both = rules, candidates, both
        self.chosen = {}
        self.problems = []
        self.pool = dict(candidates)
        for form in rules.fixed:
            word = form.upper()
            fixed = self.pool.get(word) or Candidate(word, form, 0, "fixed", set())
            fixed.form, fixed.rank = form, (0,) + fixed.rank[1:]
            self.chosen[word] = fixed
            self.pool.pop(word, None)

    def apply_exact_rules(self):
        for name, test, words in self.rules.exact:
            wanted = set(words.split())
            for word in [w for w in self.pool if test(w)]:
                if word in wanted:
                    self.chosen[word] = self.pool.pop(word)
                else:
                    del self.pool[word]
            missing = wanted - set(self.chosen)
            if missing:
                self.problems.append(f"{name}: no candidate for {' '.join(sorted(missing))}")

    def take_best(self, words, count, name):
        ranked = sorted(words, key=lambda w: self.pool[w].rank)
        if len(ranked) < count:
            self.problems.append(f"{name}: {count} wanted, {len(ranked)} candidates")
        for word in ranked[:count]:
            self.chosen[word] = self.pool.pop(word)
        for word in ranked[count:]:
            del self.pool[word]

    def apply_global_quotas(self):
        for name, test, count in self.rules.global_quotas:
            have = sum(1 for w in self.chosen if test(w))
            self.take_best([w for w in self.pool if test(w)], count - have, name)

    def fill_segments(self):
        for seg in self.rules.segments:
            inside = lambda w: between(w, seg.after, seg.before)  # noqa: E731
            name = f"{seg.after}..{seg.before}"
            for quota in seg.quotas:
                have = sum(1 for w in self.chosen if inside(w) and quota.test(w))
                self.take_best([w for w in self.pool if inside(w) and quota.test(w)],
                               quota.count - have, f"{name} {quota.name}")
            have = sum(1 for w in self.chosen if inside(w))
            self.take_best([w for w in self.pool if inside(w)], seg.count - have, name)
        # Whatever lies outside every segment and is not fixed cannot be listed.
        self.pool.clear()

    def balance_case(self):
        """Meets the number of capitalised words by choosing the case of words that are both."""
        want = self.rules.capitalised
        if want is None:
            return
        chosen = sorted(self.chosen.values(), key=lambda c: c.rank, reverse=True)
        excess = sum(c.capitalised() for c in chosen) - want
        for cand in chosen:
            if excess == 0:
                break
            if cand.word not in self.both or cand.note == "fixed":
                continue
            if excess > 0 and cand.capitalised():
                cand.form, excess = cand.form.lower(), excess - 1
            elif excess < 0 and not cand.capitalised():
                cand.form, excess = cand.form.capitalize(), excess + 1
        if excess:
            self.problems.append(f"capitalised words: {excess:+d} against {want}")

    def ordered(self):
        return sorted(self.chosen.values(), key=lambda c: sort_key(c.word))


def verify(rules, words):
    problems = []
    upper = [w.upper() for w in words]
    if len(words) != rules.total:
        problems.append(f"{len(words)} words instead of {rules.total}")
    for name, test, wanted in rules.exact:
        got = " ".join(w for w in upper if test(w))
        if got != wanted:
            problems.append(f"{name}: {got} instead of {wanted}")
    if rules.length == 3:
        initials = {w[0] for w in upper}
        missing = set("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ") - initials
        if missing:
            problems.append(f"no word begins with {' '.join(sorted(missing))}")
    return problems


def build(rules, sources_by_word, both):
    candidates = load_candidates(rules.length, sources_by_word)
    check_pool_reviewed(rules.length, candidates, sources_by_word)
    selection = Selection(rules, candidates, both)
    selection.apply_exact_rules()
    selection.apply_global_quotas()
    selection.fill_segments()
    selection.balance_case()
    chosen = selection.ordered()
    forms = [STARRED.get(c.form, c.form) for c in chosen]
    problems = selection.problems + verify(rules, [c.form for c in chosen])
    left_out = sorted(set(candidates) - set(selection.chosen), key=sort_key)
    return forms, chosen, problems, left_out


def main():
    node_modules = Path(sys.argv[1])
    pooled = pool.build_pool(node_modules)
    sources_by_word = {}
    for form, sources in pooled.items():
        sources_by_word.setdefault(form.upper(), set()).update(sources)
    failed = False
    for rules in (THREE, FOUR):
        both = {row["word"] for row in read_tsv(HERE / f"candidates_{rules.length}.tsv")
                if flexible(row["form"])}
        forms, chosen, problems, left_out = build(rules, sources_by_word, both)
        name = f"words_{rules.length}.txt"
        from_lexica = sum(1 for c in chosen if c.sources)
        print(f"{name}: {len(forms)} words, {from_lexica} attested in the lexica, "
              f"{len(forms) - from_lexica} from review; {len(left_out)} candidates left out")
        for problem in problems:
            print(f"  problem: {problem}")
        failed |= bool(problems)
        (DATA / name).write_text("\n".join(forms) + "\n", encoding="utf-8")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
