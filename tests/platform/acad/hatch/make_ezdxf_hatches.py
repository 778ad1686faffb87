"""Writes hatches.dxf with ezdxf and expected.tsv with their areas and perimeters, computed from the drawing as
ezdxf reads it back: closed forms for segments, bulges, arcs and ellipse arcs, Bernstein products for
polynomial splines, ezdxf's own flattening for rational ones.

Rows: hatch index, loop index (-1: the whole hatch, outermost loops less the others), area, perimeter (-1: not
checked), relative tolerance."""
import math
import sys
from pathlib import Path

OUT = Path(sys.argv[1])
OUT.mkdir(parents=True, exist_ok=True)
try:
    import ezdxf
    from ezdxf.math import bulge_radius, bulge_to_arc, ellipse_param_span, arc_angle_span_deg, Vec2
except ImportError:
    (OUT / "expected.tsv").write_text("# ezdxf is not installed\n")
    sys.exit(0)

EXTERNAL, POLYLINE, OUTERMOST = 1, 2, 16


def cross(a, b):
    return a[0] * b[1] - a[1] * b[0]


def simpson(f, a, b, n=2000):
    h = (b - a) / n
    s = f(a) + f(b)
    for i in range(1, n):
        s += (4 if i % 2 else 2) * f(a + i * h)
    return s * h / 3


def polyline_terms(path):
    pts = [(v[0], v[1], v[2] if len(v) > 2 else 0.0) for v in path.vertices]
    n = len(pts)
    count = n if path.is_closed else n - 1
    area = length = 0.0
    for i in range(count):
        p, q, b = pts[i], pts[(i + 1) % n], pts[i][2]
        area += 0.5 * cross(p, q)
        if b == 0.0:
            length += math.dist(p[:2], q[:2])
            continue
        r = bulge_radius(p[:2], q[:2], b)
        theta = 4 * math.atan(abs(b))
        area += math.copysign(0.5 * r * r * (theta - math.sin(theta)), b)
        length += r * theta
    return area, length


def conic_term(center, u, v, t0, t1):
    p0 = (center[0] + u[0] * math.cos(t0) + v[0] * math.sin(t0), center[1] + u[1] * math.cos(t0) + v[1] * math.sin(t0))
    p1 = (center[0] + u[0] * math.cos(t1) + v[0] * math.sin(t1), center[1] + u[1] * math.cos(t1) + v[1] * math.sin(t1))
    area = 0.5 * (cross(u, v) * (t1 - t0) + cross(center, (p1[0] - p0[0], p1[1] - p0[1])))
    speed = lambda t: math.hypot(-u[0] * math.sin(t) + v[0] * math.cos(t), -u[1] * math.sin(t) + v[1] * math.cos(t))
    return area, simpson(speed, t0, t1)


def bernstein_product(n, i, m, j):
    return math.comb(n, i) * math.comb(m, j) / ((n + m + 1) * math.comb(n + m, i + j))


def bezier_area(points):
    # 1/2 of the integral of x y' - y x' for a polynomial Bezier curve, exactly.
    n = len(points) - 1
    total = 0.0
    for i in range(n + 1):
        for j in range(n):
            w = n * bernstein_product(n, i, n - 1, j)
            total += points[i][0] * (points[j + 1][1] - points[j][1]) * w
            total -= points[i][1] * (points[j + 1][0] - points[j][0]) * w
    return 0.5 * total


def spline_terms(edge):
    spline = edge.construction_tool()
    if edge.weights:
        pts = list(spline.flattening(1e-10))
        area = sum(0.5 * cross(pts[k], pts[k + 1]) for k in range(len(pts) - 1))
    else:
        area = sum(bezier_area(segment) for segment in spline.bezier_decomposition())
    knots = sorted(set(spline.knots()))
    speed = lambda t: spline.derivative(t, n=1)[1].magnitude
    length = sum(simpson(speed, a, b, 400) for a, b in zip(knots, knots[1:]))
    return area, length


def edge_terms(path):
    area = length = 0.0
    for e in path.edges:
        if e.type.name == "LINE":
            area += 0.5 * cross(e.start, e.end)
            length += math.dist(e.start, e.end)
        elif e.type.name == "ARC":
            span = math.radians(arc_angle_span_deg(e.start_angle, e.end_angle))
            t0 = math.radians(e.start_angle)
            a, l = conic_term(e.center, (e.radius, 0.0), (0.0, e.radius), t0, t0 + span)
            area += a if e.ccw else -a
            length += l
        elif e.type.name == "ELLIPSE":
            el = e.construction_tool()
            span = ellipse_param_span(el.start_param, el.end_param)
            a, l = conic_term(el.center, el.major_axis, el.minor_axis, el.start_param, el.start_param + span)
            area += a if e.ccw else -a
            length += l
        else:
            a, l = spline_terms(e)
            area += a
            length += l
    return area, length


def loop_terms(path):
    return polyline_terms(path) if path.type.name == "POLYLINE" else edge_terms(path)


doc = ezdxf.new("R2010")
msp = doc.modelspace()
layouts = []  # per hatch: (loops counted as outer, loops subtracted, hatch tolerance, loops checked alone)


def hatch(outer, holes, tol=1e-9, checked=None):
    h = msp.add_hatch(color=1)
    layouts.append((outer, holes, tol, checked))
    return h.paths


# 0: bulged polyline with a bulged hole
p = hatch([0], [1])
p.add_polyline_path([(0, 0, 0), (10, 0, 0.5), (10, 8, 0), (4, 10, -0.3), (0, 8, 0)], flags=EXTERNAL | OUTERMOST | POLYLINE)
p.add_polyline_path([(3, 3, 1), (6, 3, 0), (6, 5, 0), (3, 5, 0)], flags=POLYLINE)

# 1: stadium of lines and arcs, a hole of two clockwise arcs
p = hatch([0], [1])
e = p.add_edge_path(flags=EXTERNAL | OUTERMOST)
e.add_line((0, 0), (10, 0))
e.add_arc((10, 3), 3, -90, 90)
e.add_line((10, 6), (0, 6))
e.add_arc((0, 3), 3, 90, 270)
e = p.add_edge_path()
e.add_arc((5, 3), 1, 180, 360, ccw=False)
e.add_arc((5, 3), 1, 0, 180, ccw=False)

# 2: a whole tilted ellipse with a half-ellipse hole (clockwise) closed by a line
p = hatch([0], [1])
p.add_edge_path(flags=EXTERNAL | OUTERMOST).add_ellipse((20, 0), (6, 2), 0.5, 0, 360)
e = p.add_edge_path()
e.add_ellipse((20, 0), (2, 0), 0.6, 180, 360, ccw=False)
e.add_line((18, 0), (22, 0))

# 3: an elliptic arc at angles that are not its parameters, closed by its chord
p = hatch([0], [])
e = p.add_edge_path(flags=EXTERNAL | OUTERMOST)
arc = e.add_ellipse((40, 0), (5, 1), 0.4, 30, 250)
tool = arc.construction_tool()
e.add_line(Vec2(tool.end_point), Vec2(tool.start_point))

# 4: polynomial cubic splines, one with interior knots, each closed by a line
p = hatch([0, 1], [])
e = p.add_edge_path(flags=EXTERNAL | OUTERMOST)
e.add_spline(control_points=[(0, 20), (3, 26), (7, 24), (10, 20)], knot_values=[0, 0, 0, 0, 1, 1, 1, 1], degree=3)
e.add_line((10, 20), (0, 20))
e = p.add_edge_path(flags=EXTERNAL | OUTERMOST)
cps = [(12, 20), (13, 24), (15, 21), (17, 26), (19, 23), (20, 20)]
e.add_spline(control_points=cps, knot_values=[0, 0, 0, 0, 1, 2, 3, 3, 3, 3], degree=3)
e.add_line((20, 20), (12, 20))

# 5: an exact quarter circle as a rational spline
p = hatch([0], [])
e = p.add_edge_path(flags=EXTERNAL | OUTERMOST)
e.add_spline(control_points=[(34, 20), (34, 24), (30, 24)], knot_values=[0, 0, 0, 1, 1, 1],
             weights=[1, math.sqrt(0.5), 1], degree=2)
e.add_line((30, 24), (30, 20))
e.add_line((30, 20), (34, 20))

# 6: a rectangle with a circle and an ellipse as holes and an island inside the circle
p = hatch([0], [1, 2])
p.add_polyline_path([(0, 40), (20, 40), (20, 55), (0, 55)], flags=EXTERNAL | OUTERMOST | POLYLINE)
p.add_edge_path().add_arc((5, 47), 2, 0, 360)
p.add_edge_path().add_ellipse((14, 47), (3, 0), 0.5, 0, 360)
p.add_polyline_path([(4.5, 46.5), (5.5, 46.5), (5.5, 47.5), (4.5, 47.5)], flags=POLYLINE)

# 7: loops none of which is outermost: their union counts
p = hatch([], [0, 1])
p.add_polyline_path([(30, 40), (34, 40), (34, 43, 0.4), (30, 43)], flags=POLYLINE)
p.add_polyline_path([(36, 40), (39, 40), (39, 45)], flags=POLYLINE)

# 8: far from the origin, where rounding would show
p = hatch([0], [])
p.add_polyline_path([(1e6, 1e6), (1e6 + 1, 1e6, 0.25), (1e6 + 1, 1e6 + 1), (1e6, 1e6 + 1)],
                    flags=EXTERNAL | OUTERMOST | POLYLINE)

# 9: two outermost rectangles that overlap: the union is known
p = hatch(None, None, tol=1e-7, checked=[0, 1])
p.add_polyline_path([(0, 60), (10, 60), (10, 66), (0, 66)], flags=EXTERNAL | OUTERMOST | POLYLINE)
p.add_polyline_path([(5, 63), (15, 63), (15, 70), (5, 70)], flags=EXTERNAL | OUTERMOST | POLYLINE)
CROSSING = {9: 115.0}

# 10: a circle and a square with a corner at its centre
p = hatch(None, None, tol=1e-7, checked=[0, 1])
p.add_edge_path(flags=EXTERNAL | OUTERMOST).add_arc((50, 60), 5, 0, 360)
p.add_polyline_path([(50, 60), (60, 60), (60, 70), (50, 70)], flags=EXTERNAL | OUTERMOST | POLYLINE)
CROSSING[10] = 25 * math.pi + 100 - 25 * math.pi / 4

# 11: an open polyline loop bounds nothing; the closed one still counts
p = hatch([1], [], checked=[1])
p.add_polyline_path([(70, 0), (75, 0), (75, 5)], is_closed=False, flags=EXTERNAL | OUTERMOST | POLYLINE)
p.add_polyline_path([(80, 0), (83, 0), (83, 2), (80, 2)], flags=EXTERNAL | OUTERMOST | POLYLINE)

# 12: a bow tie crosses itself and gives no area
p = hatch([], [], checked=[])
p.add_polyline_path([(90, 0), (95, 5), (95, 0), (90, 5)], flags=EXTERNAL | OUTERMOST | POLYLINE)

doc.saveas(OUT / "hatches.dxf")

rows = []
back = ezdxf.readfile(OUT / "hatches.dxf")
for index, h in enumerate(back.modelspace().query("HATCH")):
    outer, holes, tol, checked = layouts[index]
    terms = [loop_terms(path) for path in h.paths]
    for k, (area, length) in enumerate(terms):
        if checked is None or k in checked:
            rows.append((index, k, abs(area), length, 1e-9))
    if index in CROSSING:
        rows.append((index, -1, CROSSING[index], -1, tol))
    elif outer is not None:
        total = sum(abs(terms[k][0]) for k in outer)
        lost = sum(abs(terms[k][0]) for k in holes)
        rows.append((index, -1, total - lost if outer else lost, -1, tol))

with open(OUT / "expected.tsv", "w") as f:
    for row in rows:
        f.write("\t".join(repr(v) for v in row) + "\n")
