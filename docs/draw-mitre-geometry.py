#!/usr/bin/env python3
"""Draws the manual's picture of mitred ends, docs/screenshots/mitre-geometry.png: a rod seen in
the plane of the cut, its reference face below, with a trapezoid turned over (B), the same
trapezoid as given (A) sharing its first cut, a parallelogram (C) behind a wedge of waste, the
profile height h, the angle a and the kerf along the rod. The pieces lie as the planner lays them
out (each as close to the one before as its cuts allow). The picture has letters only; each
manual explains them in its own language. Writes an SVG and converts it with ImageMagick's
convert. Usage: docs/draw-mitre-geometry.py [output.png]"""
import math
import os
import subprocess
import sys
import tempfile

H = 100.0  # profile height, drawing units
KERF = 20.0  # kerf square to the blade, drawn wide enough to be seen
ROD_SHOWN = 1150.0  # the length of rod drawn before the break
# The pieces in cutting order: length on their own reference face, start and end angle, turned.
PIECES = [("B", 360.0, 45.0, 45.0, True), ("A", 360.0, 45.0, 45.0, False),
          ("C", 300.0, 45.0, -45.0, False)]

LEFT, REFERENCE_Y = 90.0, 140.0  # where the rod's squared end meets its reference face
WIDTH, HEIGHT = 1280, 232
GREEN, INK = "#1b6139", "#222222"  # the manual's heading colour for reference faces and letters
PIECE_FILL, WASTE_FILL, KERF_FILL = "#e3efe8", "#f4f4f2", "#6f6f6f"
FONT = 'font-family="DejaVu Sans" font-size="30"'


def offset(angle):
    return H * math.tan(math.radians(angle))


def kerf_along(angle):
    return KERF / math.cos(math.radians(angle))


def lying_ends(start, end, turned):
    """The offsets (x on the opposite face less x on the reference face) and angles of a piece's
    left and right cut as it lies."""
    if turned:
        return (-offset(end), end), (offset(start), start)
    return (offset(start), start), (-offset(end), end)


def lay_out():
    """Each piece's cut lines as it lies: ((x on the reference face, offset), angle) left and
    right."""
    laid, x, right = [], 0.0, None
    for name, length, start, end, turned in PIECES:
        left_end, right_end = lying_ends(start, end, turned)
        if right is None:
            x = max(0.0, -left_end[0])
        else:
            # One kerf, the steeper cut's, on the reference face, and the line clear of the last.
            x += max(kerf_along(right[1]), kerf_along(left_end[1]))
            x += max(0.0, right[0] - left_end[0])
        on_reference = length - (offset(start) + offset(end) if turned else 0.0)
        laid.append((name, turned, (x, left_end), (x + on_reference, right_end)))
        x += on_reference
        right = right_end
    return laid


def point(x, y):
    """A point of the rod (x along it, y up from the reference face) in the picture."""
    return LEFT + x, REFERENCE_Y - y


def polygon(points, fill, stroke=INK, width=2.0, extra=""):
    text = " ".join("%.1f,%.1f" % point(x, y) for x, y in points)
    return ('<polygon points="%s" fill="%s" stroke="%s" stroke-width="%.1f" %s/>'
            % (text, fill, stroke, width, extra))


def line(a, b, stroke=INK, width=2.0, extra=""):
    (x1, y1), (x2, y2) = point(*a), point(*b)
    return ('<line x1="%.1f" y1="%.1f" x2="%.1f" y2="%.1f" stroke="%s" stroke-width="%.1f" %s/>'
            % (x1, y1, x2, y2, stroke, width, extra))


def label(x, y, text, style="italic", colour=INK):
    px, py = point(x, y)
    weight = 'font-weight="bold"' if style == "bold" else 'font-style="italic"'
    return ('<text x="%.1f" y="%.1f" %s %s fill="%s" text-anchor="middle">%s</text>'
            % (px, py, FONT, weight, colour, text))


def hatch(corners):
    """Hatch lines across a convex area, clipped to it."""
    lines, step, direction = [], 12.0, (math.cos(math.radians(30)), math.sin(math.radians(30)))
    normal = (-direction[1], direction[0])
    reach = [c[0] * normal[0] + c[1] * normal[1] for c in corners]
    d = min(reach) + step / 2
    while d < max(reach):
        origin = (normal[0] * d, normal[1] * d)
        low, high = -1e9, 1e9
        for i, a in enumerate(corners):
            b = corners[(i + 1) % len(corners)]
            # The inside lies to the left of each edge of the counter-clockwise outline.
            edge = (b[0] - a[0], b[1] - a[1])
            inward = (-edge[1], edge[0])
            along = direction[0] * inward[0] + direction[1] * inward[1]
            at = (origin[0] - a[0]) * inward[0] + (origin[1] - a[1]) * inward[1]
            if abs(along) < 1e-12:
                if at < 0:
                    low, high = 1, 0
                continue
            t = -at / along
            if along > 0:
                low = max(low, t)
            else:
                high = min(high, t)
        if low < high:
            lines.append(line((origin[0] + low * direction[0], origin[1] + low * direction[1]),
                              (origin[0] + high * direction[0], origin[1] + high * direction[1]),
                              "#9a9a9a", 1.5))
        d += step
    return lines


def arrow(tip, back):
    """A filled arrow head at tip, pointing away from back."""
    (tx, ty), (bx, by) = point(*tip), point(*back)
    length = math.hypot(tx - bx, ty - by)
    ux, uy = (tx - bx) / length, (ty - by) / length
    size, half = 14.0, 5.5
    corners = [(tx, ty), (tx - ux * size - uy * half, ty - uy * size + ux * half),
               (tx - ux * size + uy * half, ty - uy * size - ux * half)]
    return '<polygon points="%s" fill="%s"/>' % (" ".join("%.1f,%.1f" % c for c in corners), INK)


def dimension(a, b):
    """A dimension line from a to b with arrow heads at both ends."""
    return [line(a, b, width=1.5), arrow(b, a), arrow(a, b)]


def outward_dimension(a, b, reach=34.0):
    """A dimension of a gap too narrow for arrow heads inside: they point in from outside."""
    ux, uy = (b[0] - a[0]), (b[1] - a[1])
    length = math.hypot(ux, uy)
    ux, uy = ux / length, uy / length
    before, after = (a[0] - ux * reach, a[1] - uy * reach), (b[0] + ux * reach, b[1] + uy * reach)
    return [line(before, after, width=1.5), arrow(a, before), arrow(b, after)]


def kerf_band(foot, top, along):
    """The kerf beside a cut line (foot on the reference face, top on the opposite face): along
    the rod to its right, or to its left when along is negative."""
    return polygon([foot, (foot[0] + along, 0), (top[0] + along, H), top], KERF_FILL, width=0,
                   extra='stroke-opacity="0"')


def drawing():
    laid = lay_out()
    rod = [(0, 0), (ROD_SHOWN, 0), (ROD_SHOWN - 12, H * 0.35), (ROD_SHOWN + 12, H * 0.65),
           (ROD_SHOWN, H), (0, H)]
    parts = [polygon(rod, WASTE_FILL, width=2.0)]
    pieces = []
    for name, turned, (lx, (lo, la)), (rx, (ro, ra)) in laid:
        corners = [(lx, 0), (rx, 0), (rx + ro, H), (lx + lo, H)]
        pieces.append((name, turned, corners, la, ra))

    # Waste: the wedge at the rod's squared start and the wedge between two cuts that do not
    # coincide, with the kerf of each cut darker.
    first = pieces[0][2]
    start_wedge = [(0, 0), first[0], first[3], (0, H)]
    parts += hatch([c for i, c in enumerate(start_wedge) if c != start_wedge[i - 1]])
    parts.append(label(28, 18, "W", "bold"))
    for (_, _, before, _, right_angle), (_, _, after, left_angle, _) in zip(pieces, pieces[1:]):
        # Lines of the same lean, laid a kerf apart: one cut frees both pieces.
        shared = abs((after[3][0] - after[0][0]) - (before[2][0] - before[1][0])) < 1e-9
        if not shared:
            parts += hatch([before[1], after[0], after[3], before[2]])
            parts.append(label((before[2][0] + after[3][0]) / 2, H - 42, "W", "bold"))
            parts.append(kerf_band(after[0], after[3], -kerf_along(left_angle)))
        parts.append(kerf_band(before[1], before[2], kerf_along(right_angle)))
    last = pieces[-1]
    parts.append(kerf_band(last[2][1], last[2][2], kerf_along(last[4])))

    for name, turned, corners, _, _ in pieces:
        parts.append(polygon(corners, PIECE_FILL, width=2.5))
        # Each piece's own reference face: below as given, on the opposite face turned over.
        face = (corners[3], corners[2]) if turned else (corners[0], corners[1])
        parts.append(line(face[0], face[1], GREEN, 7.0))
        middle = sum(c[0] for c in corners) / 4
        parts.append(label(middle, H / 2 - 11, name, "bold", GREEN))

    # The rod's reference face, its squared end and the break where the drawing stops.
    parts.append(line((0, 0), (ROD_SHOWN, 0), GREEN, 7.0, 'stroke-linecap="butt"'))
    parts.append(line((0, 0), (0, H), INK, 3.0))
    parts.append(label(ROD_SHOWN - 30, -40, "R", "bold", GREEN))

    # h: the profile height, left of the rod's end.
    parts.append(line((-12, H), (-56, H), width=1.2))
    parts.append(line((-12, 0), (-56, 0), width=1.2))
    parts += dimension((-40, 2), (-40, H - 2))
    parts.append(label(-66, H / 2 - 11, "h"))

    # a: the angle of C's far cut from square.
    x = pieces[-1][2][1][0]
    parts.append(line((x, 0), (x, H + 18), width=1.5, extra='stroke-dasharray="8,6"'))
    radius, angle = 62.0, math.radians(abs(pieces[-1][4]))
    start_x, start_y = point(x, radius)
    end_x, end_y = point(x + radius * math.sin(angle), radius * math.cos(angle))
    parts.append('<path d="M %.1f,%.1f A %.1f,%.1f 0 0,1 %.1f,%.1f" fill="none" stroke="%s" '
                 'stroke-width="1.8"/>' % (start_x, start_y, radius, radius, end_x, end_y, INK))
    reach = radius + 20
    parts.append(label(x + reach * math.sin(angle / 2), reach * math.cos(angle / 2) - 10, "a"))

    # The kerf of the cut that B and A share: k square to the blade, k / cos a along the rod.
    cut_start, kerf = pieces[0][2][1], kerf_along(pieces[0][4])
    parts.append(line(cut_start, (cut_start[0], -36), width=1.2))
    parts.append(line((cut_start[0] + kerf, 0), (cut_start[0] + kerf, -36), width=1.2))
    parts += outward_dimension((cut_start[0], -26), (cut_start[0] + kerf, -26))
    parts.append(label(cut_start[0] + kerf / 2, -68, "k / cos a"))
    across = math.radians(pieces[0][4])
    mid = (cut_start[0] + H / 2 * math.tan(across), H / 2)
    normal = (math.cos(across), -math.sin(across))
    a = mid
    b = (mid[0] + normal[0] * KERF, mid[1] + normal[1] * KERF)
    parts += outward_dimension(a, b, 26.0)
    parts.append(label(a[0] - normal[0] * 46, a[1] - normal[1] * 46 - 10, "k"))

    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
            '<rect width="%d" height="%d" fill="#ffffff" stroke="none"/>%s</svg>\n'
            % (WIDTH, HEIGHT, WIDTH, HEIGHT, WIDTH, HEIGHT, "\n".join(parts)))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "docs", "screenshots",
                                                                 "mitre-geometry.png")
    with tempfile.TemporaryDirectory() as folder:
        svg = os.path.join(folder, "mitre-geometry.svg")
        with open(svg, "w", encoding="utf-8") as file:
            file.write(drawing())
        # No time stamps in the file, so that drawing it again gives the same bytes.
        subprocess.run(["convert", "-density", "96", svg, "-background", "white", "-flatten",
                        "-strip", "-alpha", "off", "-depth", "8",
                        "-define", "png:exclude-chunks=date,time", output], check=True)


if __name__ == "__main__":
    main()
