"""Map "02": every side-view stage in its band of rows.

Each stage is drawn from left to right as a ground profile (the screen row of the ground's top
for each stretch of columns), then ledges, walls and event codes are added. Screen rows count
from the band's top row (the view's origin row), so row 7 is the ground under a heroine who
arrives with PlayerY 5.
"""

from tmj import Grid

# Stage tiles (assets/tiles.md).
SKY, CAVE, DUNGEON, RUINS, MOUNTAIN_SKY, NIGHT, CLOUD, TORCH, VINE, HILLS = range(10)
EARTH, GRASS, STONE, CAVE_ROCK, BRICK, PILLAR, CRACKED, PLANK, ICE, GRATE, DARK, CRYSTAL = range(
    128, 140
)

# Enemy triggers: 160 flier, 161 homer, 162 walker, 163 runner.
FLIER, HOMER, WALKER, RUNNER = 160, 161, 162, 163


class Stage:
    """One stage: a band of 14 drawn rows starting at map row `top`."""

    def __init__(self, grid, top, back, ground, fill):
        self.g, self.top, self.back, self.ground_tile, self.fill = grid, top, back, ground, fill
        self.ground_row = {}  # column -> screen row of the ground's top

    def row(self, s):
        return self.top + s

    def floor(self, x0, x1, s, back=None, ground=None):
        """Open background above screen row s, ground from s down (with two rows of margin
        below the drawn band, so nothing falls out of the bottom)."""
        for x in range(x0, x1 + 1):
            for s2 in range(0, 16):
                if s2 < s:
                    tile = back if back is not None else self.back
                elif s2 == s:
                    tile = ground if ground is not None else self.ground_tile
                else:
                    tile = self.fill
                self.g.set(x, self.row(s2), tile)
            self.ground_row[x] = s

    def profile(self, x0, steps):
        """Ground stretches one after the other from column x0: (width, screen row)."""
        x = x0
        for width, s in steps:
            self.floor(x, x + width - 1, s)
            x += width
        return x

    def block(self, x0, x1, s0, s1, tile):
        self.g.rect(x0, self.row(s0), x1, self.row(s1), tile)

    def ceiling(self, x0, x1, depth, tile):
        """Rock hanging from the top row, `depth` rows deep, ragged by column."""
        for x in range(x0, x1 + 1):
            d = depth + (1 if (x * 7) % 5 == 0 else 0) - (1 if (x * 3) % 7 == 0 else 0)
            self.block(x, x, 0, max(0, d - 1), tile)

    def deco(self, xs, s, tile):
        """Open decoration tiles (torches, vines) at screen row s where the cell is open."""
        for x in xs:
            if self.g.tile(x, self.row(s)) < 128:
                self.g.set(x, self.row(s), tile)

    def enemy(self, x, kind):
        """An enemy trigger where the heroine's top row passes over the ground at x."""
        self.g.code(x, self.row(self.ground_row[x] - 2), kind)

    def line(self, x, code, s0, s1):
        """A trigger line she must cross: screen rows s0..s1 of column x (at most nine)."""
        assert s1 - s0 < 9
        self.g.column(x, self.row(s0), self.row(s1), code)

    def exit(self, x, code):
        """A way out: the column above the ground at x, every row she can stand or jump in."""
        s = self.ground_row[x]
        self.g.column(x, self.row(max(1, s - 5)), self.row(s - 1), code)

    def wall(self, x):
        """Solid rock closing the stage at column x."""
        self.block(x, x, 0, 15, self.fill)


def ruins(g):
    """Band 12-23 from the left: the old ruins north of the start. Code 36 arrives at (11, 18)
    on ground row 20; the first boss's line (192) guards the way out (37)."""
    st = Stage(g, 12, RUINS, STONE, STONE)
    end = st.profile(
        10, [(20, 8), (4, 9), (6, 8), (6, 6), (8, 8), (3, 10), (7, 8), (4, 7), (34, 8)]
    )
    st.wall(9)
    st.wall(end)
    # The first stretch is flat and open, to learn to run, jump and shoot; then broken pillars
    # to hop over and ledges over the ditches.
    st.block(28, 28, 6, 7, PILLAR)
    st.block(31, 33, 5, 5, STONE)
    st.block(46, 46, 5, 7, PILLAR)
    st.block(58, 59, 5, 5, STONE)
    # Fights come in small groups with a breather between them.
    for x, kind in [(14, FLIER), (18, FLIER), (24, HOMER), (29, FLIER), (35, WALKER),
                    (41, FLIER), (44, HOMER), (49, WALKER), (55, FLIER), (57, HOMER),
                    (62, FLIER), (64, HOMER), (66, WALKER), (68, WALKER), (70, FLIER)]:
        st.enemy(x, kind)
    # Boss 0 drops in nine columns ahead of the line and stands on row 20.
    st.line(74, 192, 3, 7)
    st.exit(end - 1, 37)
    return st


def high_place(g):
    """Band 12-23 from the right: the wind-swept high place. Code 52 arrives at (242, 18) on
    ground row 20, facing left; the master (183, only with the egg) waits in a hollow one row
    lower, where he turns at its edges and opens the gate home when beaten."""
    st = Stage(g, 12, CLOUD, ICE, DARK)
    start = 150
    end = st.profile(
        start,
        [(6, 8), (5, 7), (6, 6), (4, 8), (5, 7), (6, 8), (4, 6), (5, 8), (6, 7), (8, 8),
         (20, 9), (22, 8)],
    )
    st.wall(start - 1)
    st.wall(end)
    # Open sky between the drifting cloud tiles.
    for x in range(start, end):
        for s in range(0, st.ground_row[x]):
            if (x * 5 + s * 3) % 7 != 0:
                g.set(x, st.row(s), SKY)
    st.block(158, 160, 4, 4, ICE)
    st.block(176, 178, 5, 5, ICE)
    for x, kind in [(232, FLIER), (226, HOMER), (214, RUNNER), (196, FLIER), (190, HOMER),
                    (180, WALKER), (168, RUNNER), (160, FLIER), (152, HOMER)]:
        st.enemy(x, kind)
    # The hollow is columns 204..223 (ground row 21); the line lies on the ledge east of it.
    st.line(228, 183, 2, 7)
    # The gate home stands sealed in the rock behind the west wall: the ending comes only
    # through the gate the master opens where he falls.
    g.set(start - 3, st.row(7), 111)
    g.set(start - 3, st.row(8), 127)
    g.code(start - 3, st.row(7), 185)
    g.code(start - 3, st.row(8), 185)
    st.exit(start, 44)
    return st


def cave(g):
    """Band 30-41: the cave east of the start (code 34, arrival (10, 37) on ground row 39).
    Boss 1 (177) stands and shoots at random; out through 35 to the rocky hills."""
    st = Stage(g, 30, CAVE, CAVE_ROCK, CAVE_ROCK)
    end = st.profile(
        8,
        [(10, 9), (5, 8), (5, 7), (4, 9), (4, 10), (6, 9), (5, 7), (3, 9), (6, 8), (4, 10),
         (6, 9), (5, 8), (4, 9), (3, 11), (6, 9), (32, 9)],
    )
    st.wall(7)
    st.wall(end)
    st.ceiling(8, end - 1, 2, CAVE_ROCK)
    st.block(30, 32, 5, 5, CAVE_ROCK)
    st.block(60, 62, 5, 5, CAVE_ROCK)
    st.deco(range(12, end, 11), 3, TORCH)
    for x, kind in [(15, FLIER), (19, FLIER), (24, HOMER), (28, WALKER), (34, FLIER),
                    (38, HOMER), (42, WALKER), (47, FLIER), (49, HOMER), (53, RUNNER),
                    (57, FLIER), (61, HOMER), (65, WALKER), (69, RUNNER), (72, HOMER),
                    (74, WALKER)]:
        st.enemy(x, kind)
    st.line(80, 177, 3, 8)
    st.exit(end - 1, 35)
    return st


def cave_passage(g):
    """Band 50-61: the long cave passage (code 32 keeps PlayerY 5, so she arrives at (9, 55) on
    ground row 57). The fire waits in a side hollow; boss 2 breaks the low cracked walls of the
    hall (ground row 59) as it walks west; out through 33 to the north-west."""
    st = Stage(g, 50, CAVE, CAVE_ROCK, CAVE_ROCK)
    end = st.profile(
        8,
        [(8, 7), (4, 8), (5, 6), (4, 8), (6, 7), (5, 9), (6, 8), (4, 6), (8, 9), (110, 9),
         (26, 9)],
    )
    st.wall(7)
    st.wall(end)
    st.ceiling(8, end - 1, 1, CAVE_ROCK)
    st.deco(range(10, end, 8), 3, TORCH)
    # The fire lies on the way: its code fills every row she can stand or jump in.
    st.line(27, 63, 2, 7)
    for x, kind in [(14, HOMER), (20, WALKER), (25, FLIER), (31, RUNNER), (36, HOMER),
                    (40, WALKER), (44, RUNNER), (50, HOMER), (56, WALKER), (62, RUNNER)]:
        st.enemy(x, kind)
    # The hall: low cracked walls two rows high, which she jumps and the boss tears down. It
    # is long enough for her to wear the boss down with the fire while she falls back before it.
    for x in range(60, 151, 10):
        st.block(x, x, 7, 8, CRACKED)
    st.line(155, 178, 3, 8)
    st.block(160, 160, 7, 8, CRACKED)
    st.exit(end - 1, 33)
    return st


def flyers(g):
    """Band 66-77: beyond the mountains, the way back south (code 40, arrival (68, 74) on
    ground row 76, facing left). The two flyers (180, 181) meet her over a high meadow where a
    jump reaches them; out west through 41."""
    st = Stage(g, 66, HILLS, GRASS, EARTH)
    st.profile(
        10,
        [(6, 8), (5, 7), (4, 9), (5, 7), (6, 8), (26, 7), (3, 8), (3, 9), (11, 10)],
    )
    st.wall(9)
    st.wall(79)
    for x in range(10, 79):
        for s in range(0, 3):
            g.set(x, st.row(s), SKY)
    st.block(44, 47, 4, 4, PLANK)
    st.block(54, 57, 4, 4, PLANK)
    for x, kind in [(64, FLIER), (61, FLIER), (36, HOMER), (30, RUNNER), (28, FLIER),
                    (24, HOMER), (20, RUNNER), (17, WALKER), (14, HOMER)]:
        st.enemy(x, kind)
    st.line(58, 180, 2, 6)
    st.line(50, 181, 2, 6)
    st.exit(11, 41)
    return st


def mountain_passage(g):
    """Band 85-96: the long passage through the ridge, entered from its west mouth (43,
    arrival (19, 90)) or its east mouth (42, arrival (226, 90)), both on ground row 92. Enemies
    of every kind; boss 3 halfway; out through 44 at the east end and 45 at the west end."""
    st = Stage(g, 85, MOUNTAIN_SKY, DARK, DARK)
    end = st.profile(
        12,
        [(12, 7), (5, 6), (5, 8), (4, 5), (6, 7), (4, 9), (8, 7), (5, 6), (5, 8), (6, 7),
         (4, 10), (6, 8), (5, 6), (8, 7), (6, 7), (30, 7), (5, 6), (6, 8), (4, 9), (6, 7),
         (5, 5), (4, 7), (6, 8), (4, 10), (5, 8), (6, 6), (5, 7), (8, 8), (5, 7)],
    )
    # The east end, level with the west one: both mouths arrive on ground row 92.
    st.floor(end, 232, 7)
    end = 233
    st.wall(11)
    st.wall(end)
    for x in range(12, end):
        if x % 9 == 4 and st.ground_row[x] > 5:
            st.block(x, x + 1, st.ground_row[x] - 3, st.ground_row[x] - 3, ICE)
    # Few fights for its length: the climb itself is the trial, and the level before the
    # flyers stays near 8.
    for x, kind in [(28, FLIER), (41, WALKER), (60, RUNNER), (84, FLIER), (100, HOMER),
                    (148, FLIER), (172, HOMER), (198, WALKER)]:
        st.enemy(x, kind)
    st.line(118, 179, 1, 6)
    st.exit(end - 1, 44)
    st.exit(12, 45)
    return st


def secret(g):
    """Band 101-112: the secret passage (code 58, arrival (122, 106) on ground row 108). Boss 6
    runs over a long flat floor one row lower (row 109) and leaps; out through 61 at the west
    end and 60 at the east end."""
    st = Stage(g, 101, NIGHT, CRYSTAL, GRATE)
    st.profile(100, [(6, 8), (5, 7), (6, 8), (9, 7), (60, 8), (4, 7)])
    st.wall(99)
    st.wall(190)
    for x, kind in [(116, FLIER), (128, HOMER), (131, FLIER), (175, RUNNER), (180, HOMER)]:
        st.enemy(x, kind)
    st.line(134, 182, 1, 7)
    st.exit(101, 61)
    st.exit(189, 60)
    return st


def dungeon(g):
    """Band 116-127: the deep dungeon (code 51, arrival (10, 123) on ground row 125). A
    guardian (176, boss 0 again) bars the middle; the egg (184) lies at the bottom; out
    through 44 beyond the mountains, toward the high place."""
    st = Stage(g, 116, DUNGEON, BRICK, BRICK)
    end = st.profile(
        8,
        [(9, 9), (5, 8), (4, 10), (5, 9), (6, 7), (4, 9), (6, 10), (5, 8), (4, 9), (30, 9),
         (5, 10), (6, 8), (4, 9), (5, 11), (6, 10), (20, 10)],
    )
    st.wall(7)
    st.wall(end)
    st.ceiling(8, end - 1, 1, BRICK)
    st.deco(range(11, end, 7), 3, TORCH)
    for x, kind in [(15, HOMER), (25, WALKER), (35, FLIER), (44, RUNNER), (95, HOMER),
                    (104, FLIER), (108, FLIER)]:
        st.enemy(x, kind)
    st.line(56, 176, 3, 8)
    st.line(116, 184, 3, 9)
    st.exit(end - 1, 44)
    return st


STAGES = [ruins, high_place, cave, cave_passage, flyers, mountain_passage, secret, dungeon]


def build():
    g = Grid(256, DARK)
    for make in STAGES:
        make(g)
    return g
