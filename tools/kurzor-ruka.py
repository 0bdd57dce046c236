#!/usr/bin/env python3
"""Draws the program's pointing-hand cursor and writes it as a Windows .cur file (32 x 32, 1 bit,
hot spot at the tip of the index finger). Run it after changing the drawing:
    tools/kurzor-ruka.py src/app/ruka.cur
"""
import struct
import sys

# '#' black outline, '.' white fill, ' ' transparent. The hot spot is the top-left pixel of the tip.
RUKA = [
    "    ##",
    "   #..#",
    "   #..#",
    "   #..#",
    "   #..#",
    "   #..###",
    "   #..#..###",
    "   #..#..#..###",
    "   #..#..#..#..#",
    "## #..#..#..#..#",
    "#..##..........#",
    "#...#..........#",
    " #.............#",
    "  #............#",
    "  #............#",
    "   #..........#",
    "   #..........#",
    "    #........#",
    "    #........#",
    "    ##########",
]
HORKY_BOD = (4, 0)
VELIKOST = 32


def bity(radek, znak):
    """One row of a 1-bit mask: bit set where the row has the given character."""
    hodnota = 0
    for x in range(VELIKOST):
        if x < len(radek) and radek[x] in znak:
            hodnota |= 1 << (VELIKOST - 1 - x)
    return struct.pack(">I", hodnota)


def kurzor():
    radky = RUKA + [""] * (VELIKOST - len(RUKA))
    barvy = b"".join(bity(r, ".") for r in reversed(radky))   # 1 = white, 0 = black
    pruhlednost = b"".join(bity(r.ljust(VELIKOST), " ") for r in reversed(radky))  # 1 = see-through
    hlavicka = struct.pack("<IiiHHIIiiII", 40, VELIKOST, 2 * VELIKOST, 1, 1, 0, 0, 0, 0, 2, 0)
    paleta = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    obraz = hlavicka + paleta + barvy + pruhlednost
    soubor = struct.pack("<HHH", 0, 2, 1)
    soubor += struct.pack("<BBBBHHII", VELIKOST, VELIKOST, 2, 0, *HORKY_BOD, len(obraz), 6 + 16)
    return soubor + obraz


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "src/app/ruka.cur", "wb") as f:
        f.write(kurzor())
