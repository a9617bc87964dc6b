#!/usr/bin/env python3
"""Generates src/maps/mapdata/builtin_map.cpp: the built-in world map
(keyword "ZANT") compiled into the library.

Source: Natural Earth 1:110m admin-0 countries ("countries110"), as packaged
for Debian in r-cran-rnaturalearthdata (Natural Earth data are in the public
domain; the R packaging is CC0).  The R lazy-load database is read with the
standard library only (tools/maps/rdata.py); R itself is not needed.

What is generated (coordinates in hundredths of a degree, int16):
  - country rings (kind 0), tagged with the continent of the country;
    filled one by one they give the land regions of shdmap;
  - coastline rings (kind 1): the ring edges that belong to one country
    only, chained into closed outlines (continents and islands);
  - border lines (kind 2): edges shared by two countries, chained.
Natural Earth shares the vertices of common borders exactly, so edges are
matched after rounding to 0.01 degree.  The data set has no lakes.

Generation (development time only; the .deb is unpacked, not installed):
    apt-get download r-cran-rnaturalearthdata && dpkg -x r-cran-rnaturalearthdata_*.deb /tmp/ne
    python3 tools/maps/gen_map_data.py /tmp/ne/usr/lib/R/site-library/rnaturalearthdata/data/Rdata
"""
import os
import sys
from collections import defaultdict

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import rdata  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, "src", "maps", "mapdata", "builtin_map.cpp")

# Region codes of the continents (order of the enum in builtin_map.h).
CONTINENTS = ["Africa", "Antarctica", "Asia", "Europe", "North America", "Oceania",
              "South America", "Seven seas (open ocean)"]


def q(v):
    return int(round(v * 100))


def rings(db):
    obj = rdata.load(db, "countries110")
    data = obj.a["data"]
    cont = data.v[data.a["names"].index("continent")]
    out = []  # (country index, continent code, [(x, y), ...] closed)
    for ci, poly in enumerate(obj.a["polygons"]):
        for ring in poly.a["Polygons"]:
            c = ring.a["coords"].v
            n = len(c) // 2
            pts = []
            for k in range(n):
                p = (q(c[k]), q(c[n + k]))
                if not pts or pts[-1] != p:
                    pts.append(p)
            if len(pts) >= 4:
                out.append((ci, CONTINENTS.index(cont[ci]), pts))
    return out


def chain(edges):
    """Chains directed edges into polylines (closed rings where possible)."""
    nxt = defaultdict(list)
    for a, b in edges:
        nxt[a].append(b)
    indeg = defaultdict(int)
    for a, b in edges:
        indeg[b] += 1
    lines = []
    # Start at vertices with more outgoing than incoming edges first (open
    # chains), then close the remaining cycles.
    starts = [v for v in list(nxt) if len(nxt[v]) > indeg[v]]
    for pass_starts in (starts, None):
        for v in (pass_starts if pass_starts is not None else list(nxt)):
            while nxt[v]:
                line = [v]
                cur = v
                while nxt[cur]:
                    cur = nxt[cur].pop()
                    line.append(cur)
                    if cur == v:
                        break
                lines.append(line)
    return lines


def main():
    db = sys.argv[1]
    rs = rings(db)
    owner = defaultdict(set)   # undirected edge -> countries
    count = defaultdict(int)   # undirected edge -> rings using it
    directed = []
    for ci, _, pts in rs:
        for a, b in zip(pts, pts[1:]):
            e = frozenset((a, b))
            owner[e].add(ci)
            count[e] += 1
            directed.append((a, b))

    def cut(a, b):
        # Edges along the date line or the south pole are cuts of the data
        # set, not coast.
        return (abs(a[0]) == 18000 and a[0] == b[0]) or (a[1] == -9000 and b[1] == -9000)

    coast = [(a, b) for a, b in directed if count[frozenset((a, b))] == 1 and not cut(a, b)]
    seen = set()
    border = []
    for a, b in directed:
        e = frozenset((a, b))
        if len(owner[e]) > 1 and e not in seen and not cut(a, b):
            seen.add(e)
            border.append((a, b))
    # Borders have no consistent direction: chain them undirected.
    bnext = defaultdict(list)
    for a, b in border:
        bnext[a].append(b)
        bnext[b].append(a)
    used = set()
    blines = []
    ends = [v for v in bnext if len(bnext[v]) != 2] + list(bnext)
    for v in ends:
        for w in list(bnext[v]):
            if frozenset((v, w)) in used:
                continue
            line = [v, w]
            used.add(frozenset((v, w)))
            cur = w
            while len(bnext[cur]) == 2:
                nx = [u for u in bnext[cur] if frozenset((cur, u)) not in used]
                if not nx:
                    break
                used.add(frozenset((cur, nx[0])))
                cur = nx[0]
                line.append(cur)
            blines.append(line)

    polys = [(0, r, pts) for _, r, pts in rs]
    polys += [(1, 7, l) for l in chain(coast)]
    polys += [(2, 7, l) for l in blines]
    points = []
    records = []
    for kind, region, pts in polys:
        records.append((len(points) // 2, len(pts), kind, region))
        for x, y in pts:
            points += [x, y]

    with open(OUT, "w") as f:
        f.write("// Generated by tools/maps/gen_map_data.py from Natural Earth 1:110m\n")
        f.write("// countries (public domain).  Do not edit.\n")
        f.write('#include "maps/mapdata/builtin_map.h"\n\nnamespace zantor {\n\n')
        f.write("const int16_t kBuiltinMapPoints[] = {\n")
        for i in range(0, len(points), 16):
            f.write("  " + ",".join(str(v) for v in points[i:i + 16]) + ",\n")
        f.write("};\n\nconst BuiltinMapLine kBuiltinMapLines[] = {\n")
        for s, n, k, r in records:
            f.write("  {%d, %d, %d, %d},\n" % (s, n, k, r))
        f.write("};\n\nconst int kBuiltinMapLineCount = %d;\n\n}  // namespace zantor\n"
                % len(records))
    print("points", len(points) // 2, "lines", len(records),
          "coast", sum(1 for p in polys if p[0] == 1), "borders", len(blines))


if __name__ == "__main__":
    main()
