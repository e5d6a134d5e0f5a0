#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into the folder given (one folder per target)."""
import os
import struct
import sys

out = sys.argv[1] if len(sys.argv) > 1 else "build-fuzz/corpus"

# Texts a user types or pastes; the first byte picks the separators (0 ".", 1 ",").
texts = [
    " 12 ", "1E3", "1E", "1e-3", ",", ".", "2,5", "2.5", "1,5", "-", "+", "", "-0", "+7.25",
    "1E499", "1E500", "1E-499", "9" * 40, "0." + "0" * 30 + "1", "1" + "0" * 160, "1,234.5",
    "12 34", "--1", "1E+", "1E-", "1E5000", "0.0001", "0.00005", "1234567.891", "3.14159265358979",
    "1.18973149535723176502E4932",
]
# Values, format (0 General, 1 Fixed, 2 Number), precision and digits from the display table.
values = [
    (1234.5, 0, 10, 4), (1 / 3, 0, 10, 4), (0.00001234, 0, 10, 4), (12345678901, 0, 10, 4),
    (1e10, 0, 10, 4), (3.141592653589793, 0, 15, 0), (2.5, 1, 10, 2), (999.999, 1, 10, 2),
    (0.005, 1, 10, 2), (12345678901, 1, 10, 2), (1234567.891, 2, 20, 2), (1234567.4, 2, 10, 0),
    (123.456, 2, 10, 4), (-0.004, 1, 10, 2), (-0.0, 0, 15, 0), (0.0001, 0, 15, 0),
    (0.00005, 0, 15, 0), (1.7976931348623157e308, 2, 18, 18), (5e-324, 0, 18, 0),
    (float("inf"), 0, 10, 4), (float("-inf"), 1, 10, 2), (float("nan"), 2, 10, 2),
]


def write(target, name, data):
    folder = os.path.join(out, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


for i, t in enumerate(texts):
    for sep in (0, 1):
        write("ParseNumber", f"text-{i}-{sep}", bytes([sep]) + t.encode("latin-1"))
for i, (v, fmt, precision, digits) in enumerate(values):
    for sep in (0, 1):
        for scale in (0, 3000, -3000):
            blob = struct.pack("<dhBbbB", v, scale, fmt, precision, digits, sep)
            write("FormatNumber", f"value-{i}-{sep}-{scale}", blob)
