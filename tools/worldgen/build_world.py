#!/usr/bin/env python3
"""Writes the game's three maps into data/ as Tiled maps: the field "01", the stages "02" and
the town "03". Run it from anywhere after changing the world; the outputs are committed, and
the build compiles them with tools/mapc. Open them in Tiled to look; edit here, not there."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import field  # noqa: E402
import stages  # noqa: E402
import town  # noqa: E402
from tmj import write_map  # noqa: E402


def main():
    data = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
    write_map(os.path.join(data, "field.tmj"), field.build(), "01", 0, "field.tsj", "field.txt")
    write_map(os.path.join(data, "stages.tmj"), stages.build(), "02", 1, "stages.tsj")
    write_map(os.path.join(data, "town.tmj"), town.build(), "03", 2, "town.tsj", "town.txt")


if __name__ == "__main__":
    main()
