# Regenerates the window icon (resources/velmora.xpm); run from the repo root.
import math
import os

SIZE = 32
PALETTE = {  # XPM key -> colour (classic 16-colour VGA set)
    ".": "None", "k": "#000000", "n": "#000080", "b": "#0000FF",
    "t": "#008080", "a": "#00FFFF", "g": "#008000", "l": "#00FF00",
    "w": "#FFFFFF", "s": "#C0C0C0", "e": "#808080", "r": "#FF0000",
    "m": "#800000", "y": "#FFFF00", "o": "#808000",
}

img = [["." for _ in range(SIZE)] for _ in range(SIZE)]


def put(x, y, c):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        img[y][x] = c


def in_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


# --- globe ---------------------------------------------------------------
GX, GY, GR = 11.5, 11.5, 11.2     # centre on a pixel so grid lines are crisp
CONTINENTS = [  # (cx, cy, rx, ry) blobs, union forms the land masses
    (6.5, 6.0, 3.5, 2.4), (4.5, 9.0, 2.0, 2.5), (8.0, 9.5, 1.6, 1.8),
    (7.5, 14.5, 2.2, 3.2), (8.0, 18.5, 1.3, 2.2),
    (15.0, 4.5, 3.0, 1.8), (16.5, 7.5, 2.5, 2.2), (14.5, 9.5, 1.3, 1.5),
    (19.0, 15.0, 1.5, 2.0),
]
for y in range(SIZE):
    for x in range(SIZE):
        dx, dy = x + 0.5 - GX, y + 0.5 - GY
        d = math.hypot(dx, dy)
        if d > GR:
            continue
        land = any(in_ellipse(x + 0.5, y + 0.5, *c) for c in CONTINENTS)
        # parallels: equator and two latitude rows; meridians: centre + ellipse
        half = 0.6 * GR * math.sqrt(max(0.0, 1 - (dy / GR) ** 2))
        grid = (y - 11) in (0, -6, 6) or x == 11 or round(abs(dx) - half) == 0
        if d > GR - 1.0:
            c = "n"                         # dark rim
        elif grid:
            c = "t"
        elif land:
            c = "g"
        else:
            c = "n" if dx + dy > 9 else "b"   # shaded lower-right side
        put(x, y, c)

# --- certificate sheet -----------------------------------------------------
SX0, SY0, SX1, SY1 = 13, 12, 29, 29
for y in range(SY0, SY1 + 1):
    for x in range(SX0, SX1 + 1):
        edge = x in (SX0, SX1) or y in (SY0, SY1)
        put(x, y, "e" if edge else "w")
for y in range(SY0 + 1, SY1 + 1):        # drop shadow right/bottom
    put(SX1 + 1, y + 1, "k")
for x in range(SX0 + 1, SX1 + 2):
    put(x, SY1 + 1, "k")
for y, x0, x1 in ((15, 15, 27), (17, 15, 27), (19, 15, 22), (21, 15, 18)):
    for x in range(x0, x1 + 1):
        put(x, y, "e")

# --- seal with ribbon --------------------------------------------------------
CX, CY, CR = 23.5, 22.5, 4.3
for i in range(8):                       # two tails, hanging down and outwards
    y, off = 24 + i, i // 2
    for x, c in ((22 - off, "r"), (23 - off, "m"), (24 + off, "m"), (25 + off, "r")):
        put(x, y, c)
for y in range(SIZE):
    for x in range(SIZE):
        d = math.hypot(x + 0.5 - CX, y + 0.5 - CY)
        if d <= CR:
            c = "y"
            if d > CR - 1.1 or abs(d - 2.0) < 0.45:
                c = "o"                  # dark rim and an inner ring
            put(x, y, c)

# --- write XPM -----------------------------------------------------------------
used = sorted({c for row in img for c in row})
lines = ["/* XPM */", "static const char *const velmora_xpm[] = {",
         '"%d %d %d 1",' % (SIZE, SIZE, len(used))]
lines += ['"%s c %s",' % (k, PALETTE[k]) for k in used]
lines += ['"%s"%s' % ("".join(row), "," if i < SIZE - 1 else "")
          for i, row in enumerate(img)]
lines.append("};")
out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "velmora.xpm")
with open(out, "w") as f:
    f.write("\n".join(lines) + "\n")
print("wrote", out)
