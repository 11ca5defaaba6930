"""A map grid with its two layers, written as the Tiled JSON map that tools/mapc compiles."""

import json

# The events tileset follows the mode's tile sheet in every map: event code c is global tile
# id c + EVENTS_FIRST_GID, an empty cell is 0.
EVENTS_FIRST_GID = 257


class Grid:
    """Two byte layers of size x size cells: tile numbers and event codes."""

    def __init__(self, size, fill):
        self.size = size
        self.tiles = [[fill] * size for _ in range(size)]
        self.codes = [[0] * size for _ in range(size)]

    def inside(self, x, y):
        return 0 <= x < self.size and 0 <= y < self.size

    def tile(self, x, y):
        return self.tiles[y][x]

    def set(self, x, y, tile):
        if self.inside(x, y):
            self.tiles[y][x] = tile

    def code(self, x, y, code):
        assert self.inside(x, y), (x, y)
        self.codes[y][x] = code

    def rect(self, x0, y0, x1, y1, tile):
        """Fills the cells x0..x1, y0..y1 (inclusive)."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, tile)

    def column(self, x, y0, y1, code):
        for y in range(y0, y1 + 1):
            self.code(x, y, code)

    def art(self, x0, y0, rows, legend):
        """Draws rows of characters; each character is a tile or a (tile, code) pair from the
        legend, a space leaves the cell as it is."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch == " ":
                    continue
                value = legend[ch]
                tile, code = value if isinstance(value, tuple) else (value, 0)
                self.set(x0 + i, y0 + j, tile)
                if code:
                    self.code(x0 + i, y0 + j, code)


def write_map(path, grid, name, mode, tileset, texts=None):
    """Writes the grid as a Tiled map with the properties mapc reads."""
    props = [
        {"name": "mode", "type": "int", "value": mode},
        {"name": "name", "type": "string", "value": name},
    ]
    if texts:
        props.append({"name": "texts", "type": "string", "value": texts})
    layers = []
    for layer_id, (layer_name, rows, opacity) in enumerate(
        [("tiles", grid.tiles, 1), ("events", grid.codes, 0.75)], start=1
    ):
        if layer_name == "tiles":
            data = [t + 1 for row in rows for t in row]
        else:
            data = [c + EVENTS_FIRST_GID if c else 0 for row in rows for c in row]
        layers.append(
            {
                "data": data,
                "height": grid.size,
                "id": layer_id,
                "name": layer_name,
                "opacity": opacity,
                "type": "tilelayer",
                "visible": True,
                "width": grid.size,
                "x": 0,
                "y": 0,
            }
        )
    doc = {
        "compressionlevel": -1,
        "height": grid.size,
        "infinite": False,
        "layers": layers,
        "nextlayerid": 3,
        "nextobjectid": 1,
        "orientation": "orthogonal",
        "properties": props,
        "renderorder": "right-down",
        "tiledversion": "1.8.2",
        "tileheight": 32,
        "tilesets": [
            {"firstgid": 1, "source": tileset},
            {"firstgid": EVENTS_FIRST_GID, "source": "events.tsj"},
        ],
        "tilewidth": 32,
        "type": "map",
        "version": "1.8",
        "width": grid.size,
    }
    with open(path, "w", encoding="utf-8") as f:
        # One map row per line keeps diffs of the committed maps readable.
        rows = {}
        for layer in layers:
            key = "@@%s@@" % layer["name"]
            data = layer["data"]
            rows[key] = ",\n".join(
                ",".join(str(v) for v in data[y * grid.size : (y + 1) * grid.size])
                for y in range(grid.size)
            )
            layer["data"] = key
        text = json.dumps(doc, ensure_ascii=False, indent=1)
        for key, value in rows.items():
            text = text.replace('"%s"' % key, "[\n" + value + "]")
        f.write(text + "\n")
