#!/usr/bin/env python3
"""Writes a drawing of curves and, for each curve, its length, area, end points and closure as ezdxf's own
geometry gives them (bulge arcs, OCS, B-spline derivatives, ellipse construction), integrated here with a
composite Gauss-Legendre rule or taken from closed forms.

Usage: make_curve_cases.py OUTPUT_DIR  (writes curves.dxf and curves.tsv there)
"""
import math
import os
import sys

import ezdxf
from ezdxf.math import OCS, BSpline, ConstructionEllipse, Vec3, bulge_to_arc


def legendre_rule(n):
    """Nodes and weights of the n-point Gauss-Legendre rule on [-1, 1], by Newton's method."""
    nodes, weights = [], []
    for i in range(1, n + 1):
        x = math.cos(math.pi * (i - 0.25) / (n + 0.5))
        for _ in range(100):
            p0, p1 = 1.0, x
            for k in range(2, n + 1):
                p0, p1 = p1, ((2 * k - 1) * x * p1 - (k - 1) * p0) / k
            dp = n * (x * p1 - p0) / (x * x - 1)
            dx = p1 / dp
            x -= dx
            if abs(dx) < 1e-16:
                break
        nodes.append(x)
        weights.append(2 / ((1 - x * x) * dp * dp))
    return nodes, weights


NODES, WEIGHTS = legendre_rule(24)


def integrate(f, a, b, pieces=64):
    total = 0.0
    h = (b - a) / pieces
    for k in range(pieces):
        lo = a + k * h
        for x, w in zip(NODES, WEIGHTS):
            total += w * f(lo + (x + 1) * h / 2) * h / 2
    return total


def signed_shoelace(points):
    return 0.5 * sum(p.x * q.y - q.x * p.y for p, q in zip(points, points[1:] + points[:1]))


def bulge_measures(vertices, closed):
    """Length and area of (x, y, bulge) vertices: chords' shoelace plus each arc's circular segment."""
    n = len(vertices)
    segments = n if closed else n - 1
    length, extra = 0.0, 0.0
    for i in range(segments):
        x0, y0, b = vertices[i]
        x1, y1, _ = vertices[(i + 1) % n]
        p, q = Vec3(x0, y0), Vec3(x1, y1)
        if b == 0 or p.isclose(q, abs_tol=0):
            length += p.distance(q)
            continue
        _, start, end, r = bulge_to_arc(p, q, b)
        sweep = (end - start) % (2 * math.pi)
        length += r * sweep
        extra += math.copysign(0.5 * r * r * (sweep - math.sin(sweep)), b)
    area = abs(signed_shoelace([Vec3(x, y) for x, y, _ in vertices]) + extra)
    return length, area


def agm_perimeter(a, b):
    """Perimeter of an ellipse by the arithmetic-geometric mean (Gauss-Kummer)."""
    an, bn, total, power = a, b, a * a - b * b, 0.5
    total *= power
    while abs(an - bn) > 1e-15 * a:
        cn = (an - bn) / 2
        an, bn = (an + bn) / 2, math.sqrt(an * bn)
        power *= 2
        total += power * cn * cn
    return 2 * math.pi / an * (a * a - total)


rows = []


def record(entity, length, area, start, end, closed):
    rows.append((entity.dxf.handle, entity.dxftype(), length, area, start, end, closed))


def add_lines(msp):
    line = msp.add_line((1, 2, 3), (4, 6, 15))
    record(line, 13.0, 0.0, Vec3(1, 2, 3), Vec3(4, 6, 15), False)


def add_circles_and_arcs(msp):
    for center, r, extrusion in [((1, 2, 3), 2.5, (0, 0, 1)), ((4, -1, 2), 0.75, (0.3, 0.4, 0.866))]:
        c = msp.add_circle(center, r, dxfattribs={"extrusion": extrusion})
        ocs = OCS(extrusion)
        p = ocs.to_wcs(Vec3(center) + Vec3(r, 0, 0))
        record(c, 2 * math.pi * r, math.pi * r * r, p, p, True)
    for center, r, a0, a1, extrusion in [((0, 0, 0), 3.0, 350, 10, (0, 0, 1)), ((2, 1, 5), 1.5, 30, 250, (0, 0, -1)),
                                         ((-3, 2, 1), 4.0, 100, 99, (1, 1, 1))]:
        arc = msp.add_arc(center, r, a0, a1, dxfattribs={"extrusion": extrusion})
        sweep = math.radians((a1 - a0) % 360 or 360)
        ocs = OCS(extrusion)
        s = ocs.to_wcs(Vec3(center) + Vec3.from_deg_angle(a0, r))
        e = ocs.to_wcs(Vec3(center) + Vec3.from_deg_angle(a1, r))
        record(arc, r * sweep, 0.5 * r * r * (sweep - math.sin(sweep)), s, e, False)


def add_ellipses(msp):
    cases = [((0, 0, 0), (5, 0, 0), (0, 0, 1), 0.3, 0.0, 2 * math.pi),
             ((1, 2, 0), (3, 4, 0), (0, 0, 1), 0.6, 0.4, 4.0),
             ((0, 0, 2), (4, 0, 0), (0, 0.6, 0.8), 0.25, 5.5, 1.0),
             ((0, 0, 0), (0, 2, 0), (0, 0, 1), 1.0, 0.0, 2 * math.pi)]
    for center, major, extrusion, ratio, p0, p1 in cases:
        e = msp.add_ellipse(center, major, ratio, p0, p1, dxfattribs={"extrusion": extrusion})
        tool = ConstructionEllipse(center, major, extrusion, ratio, p0, p1)
        a = Vec3(major).magnitude
        b = a * ratio
        sweep = (p1 - p0) % (2 * math.pi) or 2 * math.pi
        closed = abs(sweep - 2 * math.pi) < 1e-12
        if closed:
            length, area = agm_perimeter(a, b), math.pi * a * b
        else:
            length = integrate(lambda t: math.hypot(a * math.sin(t), b * math.cos(t)), p0, p0 + sweep, 256)
            area = 0.5 * a * b * (sweep - math.sin(sweep))
        record(e, length, area, tool.start_point, tool.end_point, closed)


def add_lwpolylines(msp):
    cases = [([(0, 0, 0.5), (10, 0, -0.3), (10, 5, 1.0), (0, 5, 0)], True, 0.0, (0, 0, 1)),
             ([(0, 0, 0.5), (10, 0, -0.3), (10, 5, 1.0), (0, 5, 0)], False, 2.5, (0, 0, -1)),
             ([(1, 1, -2.0), (4, 1, 0), (4, 4, 0.2), (1, 4, 1e-7)], True, -1.0, (0.2, -0.5, 0.7)),
             ([(0, 0, 0), (3, 0, 0), (3, 0, 0.8), (3, 0, 0), (6, 2, 0)], False, 0.0, (0, 0, 1))]
    for vertices, closed, elevation, extrusion in cases:
        pl = msp.add_lwpolyline([(x, y, 0, 0, b) for x, y, b in vertices], format="xyseb", close=closed,
                                dxfattribs={"elevation": elevation, "extrusion": extrusion})
        length, area = bulge_measures(vertices, closed)
        ocs = OCS(extrusion)
        s = ocs.to_wcs(Vec3(vertices[0][0], vertices[0][1], elevation))
        last = vertices[0] if closed else vertices[-1]
        e = ocs.to_wcs(Vec3(last[0], last[1], elevation))
        record(pl, length, area, s, e, closed)


def add_polylines2d(msp):
    vertices = [(0, 0, 0.25), (8, 0, 0), (8, 3, -0.6), (2, 6, 0)]
    pl = msp.add_polyline2d([(x, y, 0, 0, b) for x, y, b in vertices], format="xyseb", close=True,
                            dxfattribs={"elevation": (0, 0, 4.0)})
    length, area = bulge_measures(vertices, True)
    record(pl, length, area, Vec3(0, 0, 4.0), Vec3(0, 0, 4.0), True)
    # A spline-fit polyline keeps its frame (flag 16) and the fitted vertices (flag 8): only the latter are
    # on the curve.
    frame = [(0, 0), (5, 8), (10, 0), (15, 8)]
    fitted = [(0, 0, 0), (2.5, 3.1, 0), (5.2, 4.4, 0), (7.5, 4.0, 0), (10.0, 4.1, 0), (12.4, 5.0, 0), (15, 8, 0)]
    spl = msp.add_polyline2d([], dxfattribs={"flags": 4, "smooth_type": 6})
    spl.append_vertices([(x, y) for x, y in frame], dxfattribs={"flags": 16})
    spl.append_vertices([(x, y) for x, y, _ in fitted], dxfattribs={"flags": 8})
    length, area = bulge_measures(fitted, False)
    record(spl, length, area, Vec3(0, 0, 0), Vec3(15, 8, 0), False)


def add_polylines3d(msp):
    points = [Vec3(0, 0, 0), Vec3(4, 0, 4), Vec3(4, 3, 4), Vec3(0, 3, 0)]  # in the plane z = x
    pl = msp.add_polyline3d(points, close=True)
    length = sum(p.distance(q) for p, q in zip(points, points[1:] + points[:1]))
    newell = Vec3()
    for p, q in zip(points, points[1:] + points[:1]):
        newell += p.cross(q)
    record(pl, length, 0.5 * newell.magnitude, points[0], points[0], True)
    twisted = [Vec3(0, 0, 0), Vec3(5, 0, 1), Vec3(5, 5, -1), Vec3(0, 5, 3)]
    pl = msp.add_polyline3d(twisted)
    record(pl, sum(p.distance(q) for p, q in zip(twisted, twisted[1:])), None, twisted[0], twisted[-1], False)


def spline_measures(curve, knots, normal):
    """Length and (when planar) area of a B-spline, integrated over each knot span."""
    spans = sorted(set(knots[curve.order - 1:len(knots) - curve.order + 1]))
    ocs = OCS(normal) if normal else None
    origin = curve.point(spans[0])

    def speed(t):
        return curve.derivative(t, 1)[1].magnitude

    def green(t):
        p, d = curve.derivative(t, 1)
        p = ocs.from_wcs(p - origin)
        d = ocs.from_wcs(d)
        return p.x * d.y - p.y * d.x

    length = sum(integrate(speed, a, b) for a, b in zip(spans, spans[1:]))
    area = abs(0.5 * sum(integrate(green, a, b) for a, b in zip(spans, spans[1:]))) if ocs else None
    return length, area


def add_splines(msp):
    cases = [
        ([(0, 0, 0), (3, 5, 0), (6, -2, 0), (10, 4, 0), (12, 0, 0)], 3, None, None, (0, 0, 1)),
        ([(0, 0, 0), (1, 4, 0), (5, 5, 0), (7, 1, 0), (9, 3, 0)], 2, [0, 0, 0, 0.5, 2, 3, 3, 3], None, (0, 0, 1)),
        ([(1, 0, 0), (1, 1, 0), (0, 1, 0)], 2, [0, 0, 0, 1, 1, 1], [1, math.sqrt(0.5), 1], (0, 0, 1)),
        ([(0, 0, 0), (2, 3, 2), (5, 4, 5), (8, -1, 8), (9, 2, 9), (12, 0, 12), (14, 5, 14)], 5, None, None,
         (-1 / math.sqrt(2), 0, 1 / math.sqrt(2))),
        ([(0, 0, 0), (2, 3, 1), (5, 4, -2), (8, -1, 3)], 3, None, [1, 2, 0.5, 1], None),
        ([(0, 0, 0), (4, 0, 0), (4, 4, 0), (0, 4, 0), (0, 0, 0)], 3, [0, 0, 0, 0, 1, 2, 2, 2, 2], None, (0, 0, 1)),
    ]
    for points, degree, knots, weights, normal in cases:
        if weights:
            sp = msp.add_rational_spline(points, weights, degree, knots)
        else:
            sp = msp.add_open_spline(points, degree, knots)
        knots = list(sp.knots)
        curve = BSpline(points, degree + 1, knots, weights)
        length, area = spline_measures(curve, knots, normal)
        start, end = curve.point(knots[degree]), curve.point(knots[len(points)])
        record(sp, length, area, start, end, start.isclose(end, abs_tol=1e-12))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    doc = ezdxf.new("R2010")
    msp = doc.modelspace()
    for add in (add_lines, add_circles_and_arcs, add_ellipses, add_lwpolylines, add_polylines2d, add_polylines3d,
                add_splines):
        add(msp)
    doc.saveas(os.path.join(out, "curves.dxf"))
    with open(os.path.join(out, "curves.tsv"), "w") as f:
        f.write("handle\ttype\tlength\tarea\tstart\tend\tclosed\n")
        for handle, kind, length, area, s, e, closed in rows:
            area_text = "-" if area is None else repr(area)
            f.write(f"{handle}\t{kind}\t{length!r}\t{area_text}\t{s.x!r} {s.y!r} {s.z!r}\t{e.x!r} {e.y!r} {e.z!r}"
                    f"\t{int(closed)}\n")


if __name__ == "__main__":
    main()
