#!/usr/bin/env python3
"""Deterministic synthetic dictionary: N entries of Russian-like words and
English-like translations, written in code page 1251 with CR LF line ends.

usage: gen_dict.py N OUTPUT [SEED]

Words are 2 to 14 letters of Cyrillic syllables (a few with a hyphen or an
apostrophe); about 3 % repeat an earlier word, about 3 % repeat one with its
first letter capitalised. Translations are 1 to 30 words drawn, with a
Zipf-like spread, from a fixed vocabulary of Latin and Cyrillic pseudo-words,
so that they compress like real text; the mean entry is about 160 bytes, and
one entry in 2,000 is long (2 to 8 KB).
"""
import random
import sys

CONS = "бвгджзклмнпрстфхцчшщ"
VOWELS = "аеёиоуыэюя"
LATIN = "abcdefghijklmnopqrstuvwxyz"


def word(rng):
    syllables = rng.choice((1, 2, 2, 3, 3, 3, 4, 5))
    w = "".join(rng.choice(CONS) + rng.choice(VOWELS) for _ in range(syllables))
    r = rng.random()
    if r < 0.02:
        w += "-" + rng.choice(CONS) + rng.choice(VOWELS)
    elif r < 0.03:
        w = w[:2] + "'" + w[2:]
    return w


VOCABULARY = []
WEIGHTS = []


def make_vocabulary(rng):
    for i in range(20000):
        if i % 10 < 7:
            VOCABULARY.append("".join(rng.choice(LATIN) for _ in range(rng.randint(2, 10))))
        else:
            VOCABULARY.append(word(rng))
    total = 0.0
    for i in range(len(VOCABULARY)):
        total += 1.0 / (i + 10)
        WEIGHTS.append(total)


def glosses(rng, count):
    return rng.choices(VOCABULARY, cum_weights=WEIGHTS, k=count)


def translation(rng, long_entry):
    if long_entry:
        target = rng.randint(2000, 8000)
        text = ""
        while len(text) < target:
            text += " ".join(glosses(rng, 100)) + ". "
        return text.strip()
    count = max(1, min(30, int(rng.lognormvariate(2.85, 0.6))))
    text = ", ".join(glosses(rng, count))
    if rng.random() < 0.1:
        text += "; (разг.)"
    return text


def main():
    n = int(sys.argv[1])
    out = sys.argv[2]
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 2026)
    make_vocabulary(rng)
    seen = []
    with open(out, "wb") as f:
        lines = []
        for i in range(n):
            r = rng.random()
            if seen and r < 0.03:
                w = rng.choice(seen)
            elif seen and r < 0.06:
                w = rng.choice(seen)
                w = w[0].upper() + w[1:]
            else:
                w = word(rng)
                if len(seen) < 100000:
                    seen.append(w)
                else:
                    seen[rng.randrange(len(seen))] = w
            sep = " = " if rng.random() < 0.2 else "  "
            lines.append(w + sep + translation(rng, i % 2000 == 1999) + "\r\n")
            if len(lines) == 10000:
                f.write("".join(lines).encode("cp1251"))
                lines = []
        f.write("".join(lines).encode("cp1251"))


if __name__ == "__main__":
    main()
