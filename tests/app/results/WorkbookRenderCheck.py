#!/usr/bin/env python3
"""Checks the PDF that a spreadsheet program printed from the workbook of
all seven graphs of the example sand-over-weak-rock-socket (English units),
and turns its chart pages into PNG pictures.

usage: WorkbookRenderCheck.py BOOK.pdf OUT_FOLDER

The text of each page is read with pdftotext -bbox: a chart page is a page
with both axis titles of a graph and without the data sheet's link back to
the legend. There must be seven, in export order; each shows its axis
titles and curve names, and the numbers of its depth axis grow downwards
(the p-y chart's value axis grows upwards). The chart pages are written as
OUT_FOLDER/chart-k.png with pdftoppm at 80 pixels per inch."""

import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

# Per export number: X title, Y title, curve names that the legend shows,
# and whether depth runs down the value axis.
CHARTS = [
    ("y (in)", "p (lbs/in)", ["z = 20.0 ft", "z = 38.0 ft"], False),
    ("Deflection (in)", "Depth (ft)", ["Load #1"], True),
    ("Shear (kips)", "Depth (ft)", ["Load #1"], True),
    ("Bending Moment (in-kips)", "Depth (ft)", ["Load #1"], True),
    ("Reaction (lbs)", "Depth (ft)", ["Load #1"], True),
    ("Distributed load (lbs/in)", "Depth (ft)", ["Curve #1"], True),
    ("Distributed Load (lbs/in)", "Depth (ft)",
     ["Total Earth Pressure", "from Soils", "from Surcharge Loads"], True),
]
NUMBER = re.compile(r"^-?[0-9]+(\.[0-9]+)?$")


def pages(pdf):
    """[[(text, x_min, y_min, x_max, y_max)]] for every page."""
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], check=True, capture_output=True, text=True).stdout
    # The output is XHTML; drop the DOCTYPE and the namespace to parse it.
    html = html[html.index("<html"):].replace(' xmlns="http://www.w3.org/1999/xhtml"', "")
    root = ET.fromstring(html)
    result = []
    for page in root.iter("page"):
        result.append([(w.text or "", float(w.get("xMin")), float(w.get("yMin")), float(w.get("xMax")),
                        float(w.get("yMax"))) for w in page.iter("word")])
    return result


def has_words(words, phrase):
    texts = [w[0] for w in words]
    return all(part in texts for part in phrase.split())


def value_axis(words):
    """The tick numbers of the value axis from top to bottom: the column of
    right-aligned numbers with the most rows."""
    columns = {}
    for text, _, y_min, x_max, _ in words:
        if NUMBER.match(text):
            columns.setdefault(round(x_max), []).append((y_min, float(text)))
    best = max(columns.values(), key=lambda column: len({round(y) for y, _ in column}))
    return [value for _, value in sorted(best)]


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    pdf, out = sys.argv[1], sys.argv[2]
    failures = []
    chart_pages = []
    all_pages = pages(pdf)
    for number, words in enumerate(all_pages, start=1):
        if has_words(words, "Go to Legend Page"):
            continue
        for k, (x_title, y_title, _, _) in enumerate(CHARTS, start=1):
            if has_words(words, x_title) and has_words(words, y_title):
                chart_pages.append((k, number))
                break
    found = [k for k, _ in chart_pages]
    if found != list(range(1, 8)):
        failures.append("chart pages for graphs %s, expected 1 to 7 in order" % found)
    for k, number in chart_pages:
        x_title, y_title, names, downwards = CHARTS[k - 1]
        words = all_pages[number - 1]
        for name in names:
            if not has_words(words, name):
                failures.append("chart %d (page %d) does not name the curve %r" % (k, number, name))
        ticks = value_axis(words)
        grows_down = all(a < b for a, b in zip(ticks, ticks[1:]))
        grows_up = all(a > b for a, b in zip(ticks, ticks[1:]))
        if len(ticks) < 3 or (downwards and not grows_down) or (not downwards and not grows_up):
            failures.append("chart %d (page %d): value axis from top to bottom reads %s, expected %s" %
                            (k, number, ticks, "increasing" if downwards else "decreasing"))
        else:
            print("chart %d on page %d: %s against %s, value axis %g at the top to %g at the bottom" %
                  (k, number, x_title, y_title, ticks[0], ticks[-1]))
        os.makedirs(out, exist_ok=True)
        prefix = os.path.join(out, "chart-%d" % k)
        subprocess.run(["pdftoppm", "-png", "-r", "80", "-f", str(number), "-l", str(number), "-singlefile",
                        pdf, prefix], check=True)
    for failure in failures:
        print("FAILED: " + failure, file=sys.stderr)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
