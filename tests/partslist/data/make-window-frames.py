#!/usr/bin/env python3
"""Writes the window-frame sample parts list (samples/window-frames.csv) to stdout: three orders
of aluminium and PVC windows, each window type cut from frame, sash, mullion, bead, reinforcement
and sill profiles. Deterministic: the same list every run. make-fixtures.sh saves it as XLSX."""
import random
import sys

ALU = {"frame": "AL 6060 frame 70x45", "sash": "AL 6060 sash 78x54",
       "mullion": "AL 6060 mullion 70x80", "bead": "AL glazing bead 20", "sill": "AL window sill 150"}
PVC = {"frame": "PVC frame 5-chamber 70", "sash": "PVC sash 76", "mullion": "PVC mullion 84",
       "bead": "PVC glazing bead 24", "steel": "Steel reinforcement 30x20", "sill": "PVC window sill 165"}
ORDERS = [("A-2024-117", ALU), ("P-2024-118", PVC), ("A-2024-121", ALU)]

random.seed(1817)
rows = []


def part(mark, material, length, pieces, order, note="", angles=(0, 0)):
    rows.append([mark, material, str(length), str(pieces), order, note, str(angles[0]), str(angles[1])])


def window(number, order, profiles, pieces):
    width = random.choice(range(600, 2401, 10))
    height = random.choice(range(800, 2201, 10))
    mark = "W%d" % number
    mitre = (45, 45)
    part(mark + " left jamb", profiles["frame"], height, pieces, order, "drainage slots", mitre)
    part(mark + " right jamb", profiles["frame"], height, pieces, order, "drainage slots", mitre)
    part(mark + " head", profiles["frame"], width, pieces, order, "", mitre)
    part(mark + " sill", profiles["frame"], width, pieces, order, "", mitre)
    panes = 2 if width > 1400 else 1
    if panes == 2:
        part(mark + " mullion", profiles["mullion"], height - 90, pieces, order, "notch both ends")
    sash_width = (width - 90 * panes) // panes
    for side, length in (("top", sash_width), ("bottom", sash_width),
                         ("left", height - 90), ("right", height - 90)):
        part("%s sash %s" % (mark, side), profiles["sash"], length, pieces * panes, order, "", mitre)
    part(mark + " bead horizontal", profiles["bead"], sash_width - 110, pieces * panes * 2, order, "", mitre)
    part(mark + " bead vertical", profiles["bead"], height - 200, pieces * panes * 2, order, "", mitre)
    if "steel" in profiles:
        part(mark + " steel frame", profiles["steel"], width - 120, pieces * 2, order, "screw every 300 mm")
    part(mark + " window sill", profiles["sill"], width + 50, pieces, order, "end caps")


number = 1
for order, profiles in ORDERS:
    for _ in range(7):
        window(number, order, profiles, random.choice((1, 1, 2, 3, 4)))
        number += 1

out = sys.stdout.buffer
out.write(b"\xef\xbb\xbf")
lines = [["Mark", "Material", "Length", "Quantity", "Order", "Note", "Angle 1", "Angle 2"]] + rows
out.write("".join(";".join(line) + "\r\n" for line in lines).encode("utf-8"))
