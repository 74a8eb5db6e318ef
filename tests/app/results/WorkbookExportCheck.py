#!/usr/bin/env python3
"""Reads the exported workbooks back with the standard library (zipfile and
xml.etree) and checks sheets, cells, links and charts.

usage: WorkbookExportCheck.py fixtures FIXTURE_WRITER
       WorkbookExportCheck.py runner ORVANE_RUN EXAMPLES
FIXTURE_WRITER is the program that writes the hand-filled workbooks into a
folder (WorkbookExportFixtures.cpp); the second form checks the runner's
--export-xlsx on analysed examples."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile
import posixpath
import xml.etree.ElementTree as ET

NS = {
    "m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main",
    "r": "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
    "pr": "http://schemas.openxmlformats.org/package/2006/relationships",
    "c": "http://schemas.openxmlformats.org/drawingml/2006/chart",
    "a": "http://schemas.openxmlformats.org/drawingml/2006/main",
}
R_ID = "{%s}id" % NS["r"]


class Workbook:
    """The parts of an .xlsx file that the export writes."""

    def __init__(self, path):
        self.zip = zipfile.ZipFile(path)
        self.strings = self._shared_strings()
        self.bold_centred_styles = self._bold_centred_styles()
        rels = self._rels("xl/workbook.xml")
        book = self._xml("xl/workbook.xml")
        # (name, kind, part) in tab order; kind is "worksheet" or "chartsheet".
        self.sheets = []
        for sheet in book.find("m:sheets", NS):
            kind, part = rels[sheet.get(R_ID)]
            self.sheets.append((sheet.get("name"), kind.rsplit("/", 1)[-1], part))

    def _xml(self, part):
        return ET.fromstring(self.zip.read(part))

    def _rels(self, part):
        folder, name = posixpath.split(part)
        rels_part = posixpath.join(folder, "_rels", name + ".rels")
        result = {}
        for rel in self._xml(rels_part):
            result[rel.get("Id")] = (rel.get("Type"), posixpath.normpath(posixpath.join(folder, rel.get("Target"))))
        return result

    def _shared_strings(self):
        if "xl/sharedStrings.xml" not in self.zip.namelist():
            return []
        return ["".join(t.text or "" for t in si.iter("{%s}t" % NS["m"])) for si in self._xml("xl/sharedStrings.xml")]

    def _bold_centred_styles(self):
        styles = self._xml("xl/styles.xml")
        fonts = styles.find("m:fonts", NS)
        bold = [font.find("m:b", NS) is not None for font in fonts]
        result = set()
        for index, xf in enumerate(styles.find("m:cellXfs", NS)):
            alignment = xf.find("m:alignment", NS)
            centred = alignment is not None and alignment.get("vertical") == "center"
            if bold[int(xf.get("fontId", "0"))] and centred:
                result.add(index)
        return result

    def names(self):
        return [name for name, _, _ in self.sheets]

    def _sheet(self, name):
        for sheet_name, kind, part in self.sheets:
            if sheet_name == name:
                return kind, part
        raise KeyError(name)

    def cells(self, name):
        """{"A1": text or float} of a worksheet."""
        kind, part = self._sheet(name)
        assert kind == "worksheet", name
        result = {}
        for c in self._xml(part).iter("{%s}c" % NS["m"]):
            v = c.find("m:v", NS)
            if c.get("t") == "s":
                result[c.get("r")] = self.strings[int(v.text)]
            elif c.get("t") in ("str", "inlineStr"):
                result[c.get("r")] = v.text if v is not None else "".join(c.itertext())
            else:
                result[c.get("r")] = float(v.text)
        return result

    def bold_centred(self, name):
        kind, part = self._sheet(name)
        return {c.get("r") for c in self._xml(part).iter("{%s}c" % NS["m"])
                if int(c.get("s", "0")) in self.bold_centred_styles}

    def column_widths(self, name):
        kind, part = self._sheet(name)
        cols = self._xml(part).find("m:cols", NS)
        return {} if cols is None else {int(col.get("min")): float(col.get("width")) for col in cols}

    def links(self, name):
        """{"D3": location} of the links inside the workbook."""
        kind, part = self._sheet(name)
        links = self._xml(part).find("m:hyperlinks", NS)
        return {} if links is None else {link.get("ref"): link.get("location") for link in links}

    def chart(self, name):
        kind, part = self._sheet(name)
        assert kind == "chartsheet", name
        drawing = self._xml(part).find("m:drawing", NS).get(R_ID)
        drawing_part = self._rels(part)[drawing][1]
        chart_rel = next(iter(self._rels(drawing_part).values()))
        return Chart(self._xml(chart_rel[1]))


class Chart:
    def __init__(self, root):
        self.root = root
        chart = root.find("c:chart", NS)
        plot = chart.find("c:plotArea", NS)
        self.types = [child.tag.split("}")[1] for child in plot if child.tag.endswith("Chart")]
        scatter = plot.find("c:scatterChart", NS)
        self.style = scatter.find("c:scatterStyle", NS).get("val") if scatter is not None else None
        self.series = []
        for ser in plot.iter("{%s}ser" % NS["c"]):
            self.series.append((ser.find("c:tx/c:v", NS).text,
                                ser.find("c:xVal/c:numRef/c:f", NS).text,
                                ser.find("c:yVal/c:numRef/c:f", NS).text))
        # The X axis is listed first in an XY chart, the Y axis second.
        self.axes = []
        for axis in plot.findall("c:valAx", NS):
            title = axis.find("c:title", NS)
            self.axes.append({
                "title": None if title is None else "".join(t.text or "" for t in title.iter("{%s}t" % NS["a"])),
                "reversed": axis.find("c:scaling/c:orientation", NS).get("val") == "maxMin",
                "gridlines": axis.find("c:majorGridlines", NS) is not None,
            })
        deleted = chart.find("c:autoTitleDeleted", NS)
        self.title_removed = chart.find("c:title", NS) is None and deleted is not None and deleted.get("val") == "1"
        self.has_legend = chart.find("c:legend", NS) is not None


LEGEND_HEADER = {
    "B2": "     N    ",
    "C2": "                             Plot Name                             ",
    "D2": "  Sheet Name  ",
    "E2": "  Chart Name  ",
    "F2": "          Status          ",
}
SEVEN_CAPTIONS = ["p-y Curves", "Deflection vs Depth", "Shear vs Depth", "Moment vs Depth",
                  "Soil Reaction vs Depth", "Earth Pressure Distribution", "Earth Pressure Combined"]


def letters(column):
    """Column letters worked out by hand: the alphabet and its pairs."""
    alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    names = list(alphabet) + [a + b for a in alphabet for b in alphabet]
    return names[column - 1]


def reference(sheet, column, points):
    col = letters(column)
    return "%s!$%s$6:$%s$%d" % (sheet, col, col, 5 + points)


MODE = sys.argv[1] if len(sys.argv) > 1 else ""


@unittest.skipUnless(MODE == "fixtures", "fixture writer not given")
class FixtureWorkbooks(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        subprocess.run([sys.argv[2], cls.folder.name], check=True)
        cls.seven = Workbook(os.path.join(cls.folder.name, "seven.xlsx"))

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def book(self, name):
        return Workbook(os.path.join(self.folder.name, name))

    def test_sheet_order(self):
        expected = ["Legend"]
        for k in range(1, 8):
            expected += ["Page_%d" % k, "Plot_%d" % k]
        self.assertEqual(self.seven.names(), expected)
        kinds = [kind for _, kind, _ in self.seven.sheets]
        self.assertEqual(kinds, ["worksheet"] + ["worksheet", "chartsheet"] * 7)

    def test_every_legend_cell(self):
        expected = dict(LEGEND_HEADER)
        for k, caption in enumerate(SEVEN_CAPTIONS, start=1):
            r = k + 2
            expected.update({"B%d" % r: float(k), "C%d" % r: caption, "D%d" % r: "Page_%d" % k,
                             "E%d" % r: "Plot_%d" % k, "F%d" % r: "Complete"})
        self.assertEqual(self.seven.cells("Legend"), expected)
        self.assertEqual(self.seven.bold_centred("Legend"), set(LEGEND_HEADER))

    def test_legend_columns_fit_the_header(self):
        widths = self.seven.column_widths("Legend")
        self.assertEqual(sorted(widths), [2, 3, 4, 5, 6])
        for column, ref in zip(range(2, 7), sorted(LEGEND_HEADER)):
            self.assertGreaterEqual(widths[column], len(LEGEND_HEADER[ref]), ref)

    def test_every_cell_of_a_data_sheet(self):
        # Graph 3: shear, two curves of five points; curve i, point j is
        # (i + j/4, 10 i + j).
        expected = {"A1": "Shear vs Depth", "G1": "Go to Legend Page", "A2": "X", "B2": "Shear (kips)",
                    "A3": "Y", "B3": "Depth (ft)", "A4": "Load #1", "C4": "Load #2",
                    "A5": "X", "B5": "Y", "C5": "X", "D5": "Y"}
        for j in range(5):
            row = 6 + j
            expected.update({"A%d" % row: j / 4, "B%d" % row: float(j),
                             "C%d" % row: 1 + j / 4, "D%d" % row: 10.0 + j})
        self.assertEqual(self.seven.cells("Page_3"), expected)

    def test_links(self):
        self.assertEqual(self.seven.links("Legend"), {"D%d" % (k + 2): "Page_%d!A1" % k for k in range(1, 8)})
        for k in range(1, 8):
            self.assertEqual(self.seven.links("Page_%d" % k), {"G1": "Legend!A1"})

    def test_one_curve_graph(self):
        chart = self.seven.chart("Plot_1")
        self.assertEqual(chart.types, ["scatterChart"])
        self.assertEqual(chart.style, "lineMarker")
        self.assertEqual(chart.series, [("Depth12.5", "Page_1!$A$6:$A$8", "Page_1!$B$6:$B$8")])
        self.assertTrue(chart.title_removed)

    def test_twenty_six_curve_graph(self):
        chart = self.seven.chart("Plot_2")
        self.assertEqual(len(chart.series), 26)
        names = ["Load #%d" % i for i in range(1, 27)]
        names[1] = "Stage: 2"
        self.assertEqual([s[0] for s in chart.series], names)
        for i, (_, x, y) in enumerate(chart.series, start=1):
            self.assertEqual((x, y), (reference("Page_2", 2 * i - 1, 4), reference("Page_2", 2 * i, 4)))
        # Curve 14 is the one whose X column is AA; the last Y column is AZ.
        self.assertEqual(chart.series[13][1:], ("Page_2!$AA$6:$AA$9", "Page_2!$AB$6:$AB$9"))
        self.assertEqual(chart.series[25][2], "Page_2!$AZ$6:$AZ$9")
        cells = self.seven.cells("Page_2")
        self.assertEqual((cells["AA4"], cells["AA6"], cells["AB9"]), ("Load #14", 13.0, 133.0))

    def test_axes(self):
        for k in range(1, 8):
            x_axis, y_axis = self.seven.chart("Plot_%d" % k).axes
            self.assertEqual(y_axis["reversed"], k != 1, "Plot_%d" % k)
            self.assertFalse(x_axis["reversed"])
            self.assertTrue(x_axis["gridlines"] and y_axis["gridlines"])
        x_axis, y_axis = self.seven.chart("Plot_7").axes
        self.assertEqual((x_axis["title"], y_axis["title"]), ("Distributed Load (lbs/in)", "Depth (ft)"))
        x_axis, y_axis = self.seven.chart("Plot_5").axes
        self.assertEqual((x_axis["title"], y_axis["title"]), ("Reaction (lbs)", "Depth (ft)"))

    def test_axis_titles_by_unit_system(self):
        for name, titles in [("seven.xlsx", ("y (in)", "p (lbs/in)")), ("si.xlsx", ("y (m)", "p (kN/m)")),
                             ("other.xlsx", ("y (L)", "p (F/L)"))]:
            book = self.book(name)
            x_axis, y_axis = book.chart("Plot_1").axes
            self.assertEqual((x_axis["title"], y_axis["title"]), titles, name)
            cells = book.cells("Page_1")
            self.assertEqual((cells["B2"], cells["B3"]), titles, name)

    def test_nothing_exported(self):
        book = self.book("none.xlsx")
        self.assertEqual(book.names(), ["Legend"])
        self.assertEqual(book.cells("Legend"), LEGEND_HEADER)

    def test_graph_without_points(self):
        book = self.book("nopoints.xlsx")
        chart = book.chart("Plot_1")
        self.assertEqual([s[1:] for s in chart.series],
                         [("Page_1!$A$6:$A$6", "Page_1!$B$6:$B$6"), ("Page_1!$C$6:$C$6", "Page_1!$D$6:$D$6"),
                          ("Page_1!$E$6:$E$6", "Page_1!$F$6:$F$6")])
        self.assertNotIn("A6", book.cells("Page_1"))
        # A graph without captions gets no empty title boxes.
        self.assertEqual([axis["title"] for axis in chart.axes], [None, None])


@unittest.skipUnless(MODE == "runner", "runner not given")
class RunnerExport(unittest.TestCase):
    """orvane-run --export-xlsx on analysed examples."""

    @classmethod
    def setUpClass(cls):
        cls.runner = sys.argv[2]
        cls.folder = tempfile.TemporaryDirectory()
        for name in ("sand-cantilever-generated-py", "si-sand-cantilever", "anchored-tieback"):
            shutil.copy(os.path.join(sys.argv[3], name + ".ov5d"), cls.folder.name)
        for name in ("sand-cantilever-generated-py", "si-sand-cantilever"):
            subprocess.run([cls.runner, cls.path(name + ".ov5d")], check=True, stdout=subprocess.DEVNULL)

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    @classmethod
    def path(cls, name):
        return os.path.join(cls.folder.name, name)

    def export(self, data, out, *plots):
        args = [self.runner, "--export-xlsx", self.path(data), self.path(out)]
        if plots:
            args += ["--plots", plots[0]]
        return subprocess.run(args, capture_output=True, text=True)

    def test_every_available_graph_by_default(self):
        for data, titles in [("sand-cantilever-generated-py.ov5d", ("y (in)", "p (lbs/in)", "Depth (ft)")),
                             ("si-sand-cantilever.ov5d", ("y (m)", "p (kN/m)", "Depth (m)"))]:
            done = self.export(data, "all.xlsx")
            self.assertEqual(done.returncode, 0, done.stderr)
            book = Workbook(self.path("all.xlsx"))
            expected = ["Legend"]
            for k in range(1, 8):
                expected += ["Page_%d" % k, "Plot_%d" % k]
            self.assertEqual(book.names(), expected)
            legend = book.cells("Legend")
            self.assertEqual([legend["C%d" % (k + 2)] for k in range(1, 8)], SEVEN_CAPTIONS)
            self.assertEqual({legend["F%d" % (k + 2)] for k in range(1, 8)}, {"Complete"})
            for k in range(1, 8):
                chart = book.chart("Plot_%d" % k)
                x_axis, y_axis = chart.axes
                self.assertEqual(y_axis["reversed"], k != 1, (data, k))
                cells = book.cells("Page_%d" % k)
                points = max(int(ref[1:]) for ref in cells if ref.startswith("A") and ref[1:].isdigit()) - 5
                self.assertGreater(points, 1, (data, k))
                for i, (name, x, y) in enumerate(chart.series, start=1):
                    self.assertEqual(name, cells[letters(2 * i - 1) + "4"])
                    self.assertEqual((x, y), (reference("Page_%d" % k, 2 * i - 1, points),
                                              reference("Page_%d" % k, 2 * i, points)))
            x_axis, y_axis = book.chart("Plot_1").axes
            self.assertEqual((x_axis["title"], y_axis["title"]), titles[:2], data)
            self.assertEqual(book.chart("Plot_2").axes[1]["title"], titles[2], data)

    def test_chosen_graphs_in_list_order(self):
        done = self.export("sand-cantilever-generated-py.ov5d", "two.xlsx", "4,3")
        self.assertEqual(done.returncode, 0, done.stderr)
        book = Workbook(self.path("two.xlsx"))
        self.assertEqual(book.names(), ["Legend", "Page_1", "Plot_1", "Page_2", "Plot_2"])
        self.assertEqual((book.cells("Page_1")["A1"], book.cells("Page_2")["A1"]),
                         ("Shear vs Depth", "Moment vs Depth"))

    def test_an_unavailable_graph_writes_nothing(self):
        done = self.export("anchored-tieback.ov5d", "none.xlsx", "1")
        self.assertEqual(done.returncode, 1)
        self.assertIn('"p-y Curves"', done.stderr)
        self.assertFalse(os.path.exists(self.path("none.xlsx")))

    def test_a_malformed_list_is_a_usage_error(self):
        for plots in ("8", "0", "1,,2", "x", "1,"):
            done = self.export("sand-cantilever-generated-py.ov5d", "bad.xlsx", plots)
            self.assertEqual(done.returncode, 2, plots)
            self.assertFalse(os.path.exists(self.path("bad.xlsx")), plots)

    def test_an_unwritable_target_fails_and_says_where(self):
        target = os.path.join("missing-folder", "out.xlsx")
        done = self.export("sand-cantilever-generated-py.ov5d", target)
        self.assertEqual(done.returncode, 1)
        self.assertIn(self.path(target), done.stderr)


if __name__ == "__main__":
    if MODE not in ("fixtures", "runner"):
        sys.exit(__doc__)
    unittest.main(argv=sys.argv[:1])
