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
  - lake rings (kind 3): the large lakes inside the land.
Natural Earth shares the vertices of common borders exactly, so edges are
matched after rounding to 0.01 degree.

The Natural Earth package has no lakes.  They come from GSHHG 2.3.7 at low
resolution as packaged for Debian in gmt-gshhg-low (GSHHG is distributed
under the GNU Lesser General Public License, version 3 or later; see
src/maps/mapdata/LICENSE): the lake polygons (level 2) of at least LAKE_MIN_KM2 km2 whose
points lie on Natural Earth land.  GSHHG stores shorelines cut into bins of
10 degrees; the pieces of one lake are joined again at the bin edges.  The
file is netCDF-4 (HDF5) and is read with h5py (Debian python3-h5py).

Generation (development time only; the .debs are unpacked, not installed):
    apt-get download r-cran-rnaturalearthdata gmt-gshhg-low
    dpkg -x r-cran-rnaturalearthdata_*.deb /tmp/ne && dpkg -x gmt-gshhg-low_*.deb /tmp/ne
    apt-get install python3-h5py
    /usr/bin/python3 tools/maps/gen_map_data.py \
        /tmp/ne/usr/lib/R/site-library/rnaturalearthdata/data/Rdata \
        /tmp/ne/usr/share/gmt-gshhg/binned_GSHHS_l.nc
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


LAKE_MIN_KM2 = 3000


def inside(pt, ring):
    """Even-odd test of a point against a closed ring of (x, y)."""
    x, y = pt
    c = False
    for (x1, y1), (x2, y2) in zip(ring, ring[1:]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            c = not c
    return c


def lakes(path, land):
    """Closed lake rings in hundredths of a degree from a GSHHG binned file."""
    import h5py  # development-time dependency (python3-h5py)
    f = h5py.File(path, "r")
    info = [int(v) for v in f["Embedded_npts_levels_exit_entry_for_a_segment"][:]]
    first = [int(v) for v in f["Id_of_first_point_in_a_segment"][:]]
    ids = [int(v) for v in f["Id_of_GSHHS_ID"][:]]
    area = f["The_km_squared_area_of_polygons"][:]
    nseg = f["N_segments_in_a_bin"][:]
    fseg = f["Id_of_first_segment_in_a_bin"][:]
    rx = [int(v) & 0xffff for v in f["Relative_longitude_from_SW_corner_of_bin"][:]]
    ry = [int(v) & 0xffff for v in f["Relative_latitude_from_SW_corner_of_bin"][:]]
    size = int(f["Bin_size_in_minutes"][0]) / 60.0
    per_row = int(f["N_bins_in_360_longitude_range"][0])
    pieces = defaultdict(list)  # lake id -> pieces in millidegree-exact units
    for b in range(len(nseg)):
        lon0 = (b % per_row) * size
        lat0 = 90 - (b // per_row + 1) * size
        for s in range(int(fseg[b]), int(fseg[b]) + int(nseg[b])):
            # Packed: points << 9 | level << 6 | exit << 3 | entry.
            if (info[s] >> 6) & 7 != 2 or area[ids[s]] < LAKE_MIN_KM2:
                continue
            p = first[s]
            pts = [((lon0 + rx[p + i] * size / 65535) % 360, lat0 + ry[p + i] * size / 65535)
                   for i in range(info[s] >> 9)]
            pieces[ids[s]].append(pts)

    def key(pt):
        return (round(pt[0] * 1e4) % 3600000, round(pt[1] * 1e4))

    out = []
    for lid in sorted(pieces):
        todo = pieces[lid]
        ring = todo.pop(0)
        while todo:  # join the pieces where one ends and the next starts
            k = [i for i, t in enumerate(todo) if key(t[0]) == key(ring[-1])]
            if not k:
                break
            ring += todo.pop(k[0])[1:]
        if todo or key(ring[0]) != key(ring[-1]):
            continue  # not closed: left out
        pts = []
        for x, y in ring:
            p = (q(x - 360 if x > 180 else x), q(y))
            if not pts or pts[-1] != p:
                pts.append(p)
        if pts[0] != pts[-1]:
            pts.append(pts[0])
        if len(pts) < 4:
            continue
        # Only lakes whose middle is land in Natural Earth: the lakes that
        # are gaps or holes there (the Caspian, Victoria) are open water
        # already.  Holes count by parity over all rings.
        mid = (sum(x for x, _ in pts) / len(pts), sum(y for _, y in pts) / len(pts))
        if sum(inside(mid, r) for r in land) % 2 == 0:
            continue
        out.append(pts)
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
    if len(sys.argv) > 2:
        polys += [(3, 7, l) for l in lakes(sys.argv[2], [pts for _, _, pts in rs])]
    points = []
    records = []
    for kind, region, pts in polys:
        records.append((len(points) // 2, len(pts), kind, region))
        for x, y in pts:
            points += [x, y]

    with open(OUT, "w") as f:
        f.write("// Generated by tools/maps/gen_map_data.py from Natural Earth 1:110m\n")
        f.write("// countries (public domain) and the lakes of GSHHG 2.3.7 low resolution\n")
        f.write("// (GNU LGPL).  Do not edit.\n")
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
          "coast", sum(1 for p in polys if p[0] == 1), "borders", len(blines),
          "lakes", sum(1 for p in polys if p[0] == 3))


if __name__ == "__main__":
    main()
