"""`vorbento --results --json` against the tab-separated table of the same call:
one JSON document, the same designs, rows, texts and mark words, a word for
every mark and a number exactly where the text is one within the range.
Usage: json_matches_table.py JSON TABLE"""
import json
import math
import sys

MARKS = {"stale", "not_a_number", "out_of_range", "not_positive", "negative", "bore_too_large"}

with open(sys.argv[1], encoding="utf-8") as f:
    designs = json.load(f)
with open(sys.argv[2], encoding="utf-8", newline="") as f:
    rows = f.read().split("\n")[1:-1]
got = []
for design in designs:
    for field in design["fields"]:
        cells = [design["file"], field["key"], field["symbol"], field["text"], field["unit"], field["description"]]
        if field["mark_words"] is not None:
            cells.append(field["mark_words"])
        got.append("\t".join(cells))
        if (field["mark"] is None) != (field["mark_words"] is None) or field["mark"] not in MARKS | {None}:
            sys.exit(f"mark of {field['key']}: {field['mark']!r} with {field['mark_words']!r}")
        try:
            number = float(field["text"].strip().replace(",", "."))
        except ValueError:
            number = None
        if number is not None and math.isinf(number):
            number = None  # beyond the range: marked, and no number
        if field["number"] != number:
            sys.exit(f"number of {field['key']}: {field['number']!r} for {field['text']!r}")
if got != rows:
    sys.exit("rows differ:\n" + "\n".join(a + "\n  vs " + b for a, b in zip(got, rows) if a != b))
