"""Map "01", the field: one continent in the sea, forest cut by clearings and paths.

Three lands: the home land (the start, the town, the ruins, the rocky hills with the caves, the
dungeon at the foot of the ridge, the stone ring) with the north-west woods joined to it by the
old west road; and the land beyond the mountains (north-east), closed by two ridges and reached
only through the long passage (43 / 42 -> 44) or the deep dungeon's far end (44). The flyers'
stage (40) leads from it back south (41).
"""

import math

from tmj import Grid

GRASS, FLOWERS, DIRT, SAND, BRIDGE, COBBLE, CAVE_MOUTH, STAIRS, RUINS_FLOOR, TALL_GRASS = range(10)
STRANGE_GATE, CRACKED, SNOW, FORD, DARK_GRASS, WIND_ROCK = range(10, 16)
TREE, FOREST, WATER, MOUNTAIN, ROCK, HOUSE, ROOF, FENCE, CLIFF, RUINS_WALL, SIGN, BOULDER = range(
    128, 140
)
PEAK, PILLAR, TOWN_WALL, STATUE = range(140, 144)


def noise(x, y, seed):
    """Smooth value noise in [0, 1): a bilinear blend of hashed lattice values 8 cells apart."""

    def lattice(i, j):
        h = (i * 374761393 + j * 668265263 + seed * 2147483647) & 0xFFFFFFFF
        h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
        return (h & 0xFFFF) / 65536.0

    fx, fy = x / 8.0, y / 8.0
    i, j = math.floor(fx), math.floor(fy)
    tx, ty = fx - i, fy - j
    a = lattice(i, j) * (1 - tx) + lattice(i + 1, j) * tx
    b = lattice(i, j + 1) * (1 - tx) + lattice(i + 1, j + 1) * tx
    return a * (1 - ty) + b * ty


def continent(g):
    """Sea everywhere, a rounded continent of dense forest with a sandy shore."""
    for y in range(256):
        for x in range(256):
            dx, dy = (x - 76) / 74.0, (y - 66) / 64.0
            d = dx**4 + dy**4 + (noise(x, y, 1) - 0.5) * 0.35
            g.set(x, y, FOREST if d < 0.85 else WATER)
    for y in range(1, 255):
        for x in range(1, 255):
            if g.tile(x, y) == FOREST and any(
                g.tile(x + a, y + b) == WATER for a, b in ((1, 0), (-1, 0), (0, 1), (0, -1))
            ):
                g.set(x, y, SAND)


def clearing(g, cx, cy, rx, ry, ground=GRASS, seed=2):
    """An oval of open ground with flowers and tall grass, edged by single trees."""
    for y in range(cy - ry - 1, cy + ry + 2):
        for x in range(cx - rx - 1, cx + rx + 2):
            d = ((x - cx) / (rx + 0.5)) ** 2 + ((y - cy) / (ry + 0.5)) ** 2
            if d < 1:
                n = noise(x * 3, y * 3, seed)
                tile = ground
                if ground == GRASS:
                    tile = FLOWERS if n > 0.82 else TALL_GRASS if n < 0.12 else GRASS
                g.set(x, y, tile)
            elif d < 1.35 and g.tile(x, y) == FOREST and noise(x * 5, y * 5, seed + 1) > 0.55:
                g.set(x, y, TREE)


def path(g, points, tile=DIRT):
    """A path one cell wide through the corners given (straight runs between them); it cuts
    through forest, trees, cliffs and mountains but never into the sea."""
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        x, y = x0, y0
        while True:
            t = g.tile(x, y)
            if t != WATER and (t >= 128 or t in (GRASS, TALL_GRASS, FLOWERS)):
                g.set(x, y, tile)
            if (x, y) == (x1, y1):
                break
            if x != x1:
                x += 1 if x1 > x else -1
            else:
                y += 1 if y1 > y else -1


def ridges(g):
    """The north-south ridge (x 48..56) and the east-west ridge (y 46..55) that close the land
    beyond the mountains; snowy peaks along their crests."""
    for y in range(0, 56):
        for x in range(48, 57):
            if g.tile(x, y) != WATER:
                g.set(x, y, PEAK if 51 <= x <= 53 and y % 3 else MOUNTAIN)
    for y in range(46, 56):
        for x in range(48, 160):
            if g.tile(x, y) != WATER:
                g.set(x, y, PEAK if 49 <= y <= 52 and (x + y) % 3 else MOUNTAIN)


def town(g):
    """The town seen from outside, west of the start: a wall, roofs over houses, a square with
    a statue, and the east gate (38) on the cobbled road."""
    legend = {
        "W": TOWN_WALL, "^": ROOF, "H": HOUSE, ":": COBBLE, "S": STATUE, "T": TREE,
        "g": (COBBLE, 38), ".": GRASS,
    }
    g.art(84, 82, [
        "WWWWWWWWWWWW",
        "W^^^T:^^^^:W",
        "WHHH.:HHHH:W",
        "W::::::::::W",
        "W:^^^:::^^:W",
        "W:HHH:S:HH:W",
        "W::::::::::g",
        "W^^^^:^^^:.W",
        "WHHHH:HHH:TW",
        "W:::::::::.W",
        "WWWWWWWWWWWW",
    ], legend)


def home(g):
    clearing(g, 98, 89, 13, 10)
    town(g)
    # The first sign faces her at the start, the gate's sign stands over the arrival.
    g.set(98, 90, SIGN)
    g.code(98, 90, 101)
    g.set(96, 87, SIGN)
    g.code(96, 87, 103)
    # The ruins north of the start, stairs down (36) at (97, 80).
    g.art(92, 73, [
        "XXXX.I.XXXX",
        "X__I___I__X",
        "X_________X",
        "XX__I_I__XX",
        ".XX_____XX.",
        "..XXX_XXX..",
        "...IX_XI...",
        ".....>.....",
    ], {"X": RUINS_WALL, "_": RUINS_FLOOR, "I": PILLAR, ".": GRASS, ">": (STAIRS, 36)})
    g.set(92, 73, RUINS_WALL)
    g.set(99, 82, SIGN)
    g.code(99, 82, 102)

    # Rocky hills east of the start: the cave (34) in their west face, its far end (35) lands
    # on (121, 95), the cave passage (32) in the south-east cliff.
    for y in range(83, 103):
        for x in range(112, 135):
            d = ((x - 123) / 11.5) ** 2 + ((y - 93) / 10.0) ** 2
            if d < 1:
                n = noise(x * 4, y * 4, 7)
                g.set(x, y, BOULDER if n > 0.86 else CRACKED if n > 0.5 else SAND)
            elif d < 1.3 and g.tile(x, y) != WATER:
                g.set(x, y, CLIFF)
    path(g, [(111, 90), (116, 90), (116, 87), (118, 87)])
    g.set(118, 86, CAVE_MOUTH)
    g.code(118, 86, 34)
    g.rect(117, 85, 117, 86, CLIFF)
    g.rect(119, 85, 119, 86, CLIFF)
    g.set(119, 87, SIGN)
    g.code(119, 87, 104)
    g.rect(119, 94, 123, 96, CRACKED)
    g.set(122, 94, SIGN)
    g.code(122, 94, 106)
    path(g, [(121, 96), (121, 98), (129, 98)])
    g.set(130, 98, CAVE_MOUTH)
    g.code(130, 98, 32)
    g.rect(130, 97, 131, 97, CLIFF)
    g.rect(131, 98, 131, 99, CLIFF)
    g.rect(130, 99, 130, 99, CLIFF)
    g.set(129, 97, SIGN)
    g.code(129, 97, 105)

    # The deep dungeon at the foot of the ridge, north-west of the start; the flyers' stage
    # ends on (75, 58) beside it.
    path(g, [(91, 81), (91, 70), (79, 70), (79, 62)])
    clearing(g, 76, 60, 7, 3, seed=4)
    g.art(67, 57, [
        "XXXX",
        "X>_.",
        "XX_.",
    ], {"X": RUINS_WALL, "_": RUINS_FLOOR, ".": GRASS, ">": (STAIRS, 51)})
    g.set(70, 57, SIGN)
    g.code(70, 57, 111)

    # The ring of standing stones south of the start: the secret passage (58) in its middle.
    path(g, [(98, 99), (98, 104)])
    clearing(g, 98, 108, 4, 3, seed=5)
    for x, y in [(95, 106), (101, 106), (95, 110), (101, 110)]:
        g.set(x, y, PILLAR)
    g.set(98, 108, RUINS_FLOOR)
    g.code(98, 108, 58)
    g.set(98, 110, STATUE)
    g.code(98, 110, 113)


def north_west(g):
    """The north-west woods: the cave passage's far end (33) lands on (19, 18); a path leads to
    the passage's west mouth (43) at (51, 34), and the old west road runs home."""
    clearing(g, 22, 18, 8, 5, seed=6)
    g.set(21, 15, SIGN)
    g.code(21, 15, 107)
    path(g, [(29, 20), (31, 20), (31, 34), (45, 34)])
    clearing(g, 43, 34, 4, 3, seed=8)
    g.rect(45, 34, 50, 34, DIRT)
    g.set(51, 34, CAVE_MOUTH)
    g.code(51, 34, 43)
    g.set(52, 34, ROCK)
    g.set(49, 33, SIGN)
    g.code(49, 33, 108)
    # The old west road: from the north-west woods round the south of the ridges to the start.
    path(g, [(31, 34), (31, 97), (86, 97), (86, 95)])


def beyond(g):
    """The land beyond the mountains: the passage's east mouth (42) at (53, 34) beside the
    arrival (54, 34), the pass south into the flyers' stage (40), and the high place (52) in
    the snow to the north."""
    g.set(53, 34, CAVE_MOUTH)
    g.code(53, 34, 42)
    g.rect(54, 34, 56, 34, DIRT)
    clearing(g, 61, 34, 5, 4, seed=9)
    g.set(55, 33, SIGN)
    g.code(55, 33, 109)
    path(g, [(66, 34), (88, 34)])
    clearing(g, 91, 37, 6, 4, seed=10)
    # The pass: a notch in the east-west ridge.
    path(g, [(92, 41), (92, 45)])
    g.rect(91, 44, 91, 46, CLIFF)
    g.rect(93, 44, 93, 46, CLIFF)
    g.set(92, 46, DIRT)
    g.code(92, 46, 40)
    g.set(91, 45, SIGN)
    g.code(91, 45, 110)
    # The high place: a snowfield under the peaks.
    for y in range(8, 24):
        for x in range(80, 101):
            d = ((x - 90) / 10.0) ** 2 + ((y - 16) / 6.0) ** 2
            if d < 1:
                g.set(x, y, WIND_ROCK if noise(x * 4, y * 4, 11) > 0.7 else SNOW)
            elif d < 1.4 and g.tile(x, y) != WATER:
                g.set(x, y, PEAK)
    path(g, [(90, 33), (90, 21)])
    g.set(90, 11, STAIRS)
    g.code(90, 11, 52)
    g.set(91, 12, SIGN)
    g.code(91, 12, 112)


def build():
    g = Grid(256, WATER)
    continent(g)
    ridges(g)
    home(g)
    north_west(g)
    beyond(g)
    return g
