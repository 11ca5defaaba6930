"""Map "03", the town of リネア: a walled square in a wood. A continued game starts at (9, 24)
in the inn beside its beds and the save crystal; the east gate (39) at (26, 30) leads out
beside (25, 30), where the field's gate (38) lands."""

from tmj import Grid

LEGEND = {
    ".": 0, ":": 1, "c": 2, ",": 3, "d": 4, "B": 5, "S": 6, "=": 7, "*": 8, "r": 9,
    "#": 128, "^": 129, "K": 130, "L": 131, "o": 132, "t": 133, "f": 134, "T": 135, "|": 136,
    "m": 137, "w": 138, "E": 139, "I": 140, "g": 141, "U": 142, "k": 143,
    # Beds and grown-ups are two tiles tall: the bed's head, and the heads above the bodies.
    "h": 144, "M": 145, "W": 146, "e": 147, "i": 148, "v": 149, "V": 150,
}

# Columns 0..31 of rows 15..39. The inn (top left) with its beds, counter and crystal; the
# elder's house (top middle) with his books; the fortune teller's house (bottom left); the
# square with the fountain and the well; the road east to the gate.
PLAN = [
    "TTT,,TTTTTT,TTTT,,,,T,T,TTTTTT,T",
    "TTT,,TTTT,TT,TTTT,TT,,,TTTT,,,,,",
    ",,#########################,TT,T",
    "TT############::#########:#TTTT,",
    "TT##.h.h.....#::#LLcectc#:#TT,,T",
    ",,##.B.B.....#::#cccEccc#:#TTTTT",
    "T,##..r....Sg#::#ccccccc#:#,TT,T",
    ",T##.........#::#ccccccc#:#T,TT,",
    "TT##.........#::#ccccccc#:#,,,TT",
    "TT##.......i.#::#ccccccc#:#TTTTT",
    "TT##t.....KI.#::####d####:#TTT,,",
    "TT##o.....K.o#::::::::::::#,,T,,",
    "TT######d#####::::::::k:::#,,,,,",
    "TT#:::::::::::::::::::::::#T,,TT",
    "T,#:::::::::::*::::::::::g#TT,,T",
    "TT#:::::::::::=============TTTT,",
    "TT#####d###::::ff::::::M::#T,T,,",
    ",T##cccccc#::::ffM:W:::m::#TTT,,",
    "T,##cvcccc#W:::::m:w::::T:#T,,TT",
    ",,##cVtccc#w*:::::::::::::#TTTT,",
    "TT##cccccc#::::M::::::U:::#,TTTT",
    ",,##Lccccc#:T:Tm:::k::*:::#T,,,,",
    "TT#########:::::::::::::*:#,,,TT",
    "TT#########################T,TTT",
    "TT,TTT,TTTT,TTTTTT,TTTTTT,,TT,,,",
]
PLAN_TOP = 15

# Event codes: map changes, the inn bed, the save point, and the search texts of town.txt
# written on the person or thing itself (she faces it to read it).
CODES = [
    (26, 30, 39), (5, 20, 48), (7, 20, 48), (11, 21, 49),
    (10, 25, 101), (11, 25, 101),  # innkeeper behind the counter
    (12, 21, 102),  # the crystal's signboard
    (17, 33, 103),  # a man in the square
    (19, 33, 104),  # the kind woman who heals
    (20, 20, 105),  # the elder
    (5, 34, 106), (6, 34, 106),  # the fortune teller at her table
    (22, 27, 107),  # a child
    (25, 29, 108),  # the gate's signboard
    (22, 35, 109),  # the well
    (17, 19, 110), (18, 19, 110),  # the elder's books
    (23, 32, 111),  # the gatekeeper
    (11, 34, 112),  # an old woman by the fortune teller's door
    (15, 36, 113),  # an old man under the trees
    (19, 36, 114),  # a girl by the flower bed
]


def build():
    g = Grid(128, 135)
    # Thin wood with glades around the walls.
    for y in range(128):
        for x in range(128):
            if (x * 7 + y * 13 + (x * y) % 5) % 4 == 0:
                g.set(x, y, 3)
    g.art(0, PLAN_TOP, PLAN, LEGEND)
    for x, y, code in CODES:
        g.code(x, y, code)
    return g
