#!/usr/bin/env python3
"""A quoted export is what a CSV reader expects, and imports back unchanged.

The inventory holds values that plain delimited text cannot carry: commas, quotes,
line breaks, empty values, white space at the ends, a letter outside ASCII.
Python's csv module reads the export; the import of the same file into a new
inventory gives the fourteen attributes of every item back.

usage: csv_round_trip.py GAUGEWRIGHT_CLI SAMPLE_INV WORK_DIR
"""
import csv
import json
import os
import subprocess
import sys

ATTRIBUTES = ["bodyClassification", "manufacturer", "itemNumber", "roadName",
              "paintScheme", "scale", "condition", "originalBox", "dateBuilt",
              "purchaseDate", "purchasePrice", "currentValue", "userDefined1",
              "userDefined2"]
UNASSIGNED = {0x81, 0x8D, 0x8F, 0x90, 0x9D}


def file_bytes(text):
    """The file's bytes of a JSON text (Windows-1252, the unassigned bytes as themselves)."""
    return b"".join(bytes([ord(c)]) if ord(c) in UNASSIGNED else c.encode("cp1252")
                    for c in text)


def run(*arguments, stdin=None):
    return subprocess.run(arguments, input=stdin, capture_output=True, check=True).stdout


def main():
    cli, sample, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    tricky = os.path.join(work, "tricky.inv")
    exported = os.path.join(work, "tricky.csv")
    imported = os.path.join(work, "imported.inv")
    for path in (tricky, exported, imported):
        if os.path.exists(path):
            os.remove(path)

    inventory = json.loads(run(cli, "inv-dump", sample))
    items = inventory["items"]
    assert len(items) >= 5, "the sample needs five items"
    items[0]["roadName"] = 'Santa Fe, "Super Chief"'
    items[1]["paintScheme"] = "two\r\nlines"
    items[2]["scale"] = ""
    items[3]["userDefined1"] = "  padded  "
    items[4]["manufacturer"] = "M\u00e4rklin"
    run(cli, "inv-create", tricky, stdin=json.dumps(inventory).encode())

    run(cli, "export", tricky, exported, "--delimiter", ",", "--names", "--quoted")
    with open(exported, newline="", encoding="latin-1") as text:
        rows = list(csv.reader(text))
    expected = [[file_bytes(item[name]) for name in ATTRIBUTES] for item in items]
    read = [[value.encode("latin-1") for value in row] for row in rows[1:]]
    if read != expected:
        sys.exit("the CSV reader does not read the export's values:\n%r\n%r" % (read, expected))

    run(cli, "import", imported, exported, "--fields", ",".join(str(n) for n in range(14)),
        "--delimiter", ",", "--names", "--quoted")
    back = json.loads(run(cli, "inv-dump", imported))["items"]
    if [[item[name] for name in ATTRIBUTES] for item in back] != \
            [[item[name] for name in ATTRIBUTES] for item in items]:
        sys.exit("the import does not give the exported items back")
    print("%d items through CSV and back" % len(items))


if __name__ == "__main__":
    main()
