#!/usr/bin/python3
"""Figures on the compatibility readings: per "I am" sign the average length
of each page, and the phrases of N words (5 unless told) found in the most
readings, with the number of readings that hold each.

    tools/texts/catalogue-report.py [--texts DIR] [--words N] [--top K]

Lengths count characters as the program shows them: the file's final newline
is dropped and line breaks count as CR LF. Phrases ignore case and
punctuation, run across line breaks and leave out the title line of page 1.
A text shared by two keys (see resources/texts/aliases.txt) counts once.
"""
import argparse
import collections
import os
import re
import signal
import sys

SIGNS = ["aries", "leo", "sagittarius", "taurus", "virgo", "capricorn",
         "gemini", "libra", "aquarius", "cancer", "scorpio", "pisces"]
PAGES = ["Relationship", "Sex", "Life", "Closing"]


def read_reading(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if text.endswith("\n"):
        text = text[:-1]
    return text


def words_of(text):
    text = text.replace("\u2019", "'").replace("\u2018", "'")
    return [w.strip("'") for w in re.findall(r"[a-z0-9][a-z0-9'-]*", text.lower()) if w.strip("'")]


def main():
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # quiet when piped into head
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--texts", default=os.path.join(here, "..", "..", "resources", "texts"))
    parser.add_argument("--words", type=int, default=5)
    parser.add_argument("--top", type=int, default=20)
    args = parser.parse_args()
    folder = os.path.join(args.texts, "compatibility")

    lengths = {}
    distinct = {}
    for me in SIGNS:
        for lover in SIGNS:
            for page in range(1, 5):
                key = f"{me}-{lover}-{page}"
                path = os.path.join(folder, key + ".txt")
                if not os.path.exists(path):
                    continue
                text = read_reading(path)
                lengths[(me, page, lover)] = len(text.replace("\n", "\r\n"))
                if page == 1:
                    text = text.split("\n", 1)[1] if "\n" in text else ""
                distinct.setdefault(text, key)
    if not lengths:
        sys.exit(f"no compatibility readings under {folder}")

    print("Average characters per page, by \"I am\" sign")
    print(f"{'I am':<12}" + "".join(f"{p:>14}" for p in PAGES))
    for me in SIGNS:
        row = []
        for page in range(1, 5):
            values = [lengths[k] for k in lengths if k[0] == me and k[1] == page]
            row.append(f"{sum(values) / len(values):14.0f}" if values else f"{'-':>14}")
        print(f"{me:<12}" + "".join(row))
    print()

    n = args.words
    holders = collections.Counter()
    for text in distinct:
        words = words_of(text)
        holders.update({" ".join(words[i:i + n]) for i in range(len(words) - n + 1)})
    print(f"The {args.top} {n}-word phrases found in the most readings "
          f"({len(distinct)} distinct readings)")
    for phrase, count in holders.most_common(args.top):
        print(f"{count:5d}  {phrase}")


if __name__ == "__main__":
    main()
