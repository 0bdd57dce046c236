#!/usr/bin/env python3
"""Draws the program's icon: a yellow power symbol on a blue rounded square, in 16x16 and 32x32,
anti-aliased by supersampling, and writes it as a Windows .ico (32-bit images with alpha).

Usage: tools/kresli_ikonu.py src/app/vypnuti.ico
"""
import math
import struct
import sys

VZORKU = 8  # samples per pixel along each axis


def pokryti(velikost, uvnitr):
    """The share of each pixel's samples for which uvnitr(x, y) holds, x and y from 0 to 1."""
    mapa = []
    for py in range(velikost):
        radek = []
        for px in range(velikost):
            zasahu = 0
            for sy in range(VZORKU):
                for sx in range(VZORKU):
                    x = (px + (sx + 0.5) / VZORKU) / velikost
                    y = (py + (sy + 0.5) / VZORKU) / velikost
                    zasahu += uvnitr(x, y)
            radek.append(zasahu / VZORKU ** 2)
        mapa.append(radek)
    return mapa


def ctverec(x, y, okraj=0.03, polomer=0.2):
    dx = max(okraj + polomer - x, 0, x - (1 - okraj - polomer))
    dy = max(okraj + polomer - y, 0, y - (1 - okraj - polomer))
    return dx * dx + dy * dy <= polomer * polomer and okraj <= x <= 1 - okraj and okraj <= y <= 1 - okraj


def symbol(x, y, sila):
    """The power symbol: a ring open at the top and a bar through the gap."""
    cx, cy, r = 0.5, 0.55, 0.27
    d = math.hypot(x - cx, y - cy)
    uhel = math.degrees(math.atan2(x - cx, cy - y))  # 0 at the top, clockwise
    prstenec = abs(d - r) <= sila / 2 and abs(uhel) >= 38
    tyc = abs(x - cx) <= sila / 2 and 0.16 <= y <= 0.55
    return prstenec or tyc


def obrazek(velikost):
    sila = 0.15 if velikost <= 16 else 0.11
    pozadi = pokryti(velikost, ctverec)
    popredi = pokryti(velikost, lambda x, y: symbol(x, y, sila))
    pixely = []
    for py in range(velikost):
        for px in range(velikost):
            a = pozadi[py][px]
            s = popredi[py][px] * a
            svetlo = 1 - py / velikost * 0.45  # a little lighter at the top
            modra = (int(40 * svetlo), int(90 * svetlo), int(255 * svetlo))
            zluta = (255, 220, 0)
            r, g, b = (int(modra[i] * (1 - s) + zluta[i] * s) for i in range(3))
            pixely.append((r, g, b, int(round(a * 255))))
    return pixely


def bmp_ikony(velikost, pixely):
    hlavicka = struct.pack('<IiiHHIIiiII', 40, velikost, velikost * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    barvy = b''.join(struct.pack('<BBBB', b, g, r, a)
                     for py in reversed(range(velikost))
                     for (r, g, b, a) in pixely[py * velikost:(py + 1) * velikost])
    radek_masky = ((velikost + 31) // 32) * 4
    maska = b'\0' * radek_masky * velikost  # the alpha channel decides; the mask stays clear
    return hlavicka + barvy + maska


def main():
    velikosti = [16, 32]
    obrazy = [bmp_ikony(v, obrazek(v)) for v in velikosti]
    vystup = struct.pack('<HHH', 0, 1, len(obrazy))
    posun = 6 + 16 * len(obrazy)
    for v, data in zip(velikosti, obrazy):
        vystup += struct.pack('<BBBBHHII', v, v, 0, 0, 1, 32, len(data), posun)
        posun += len(data)
    vystup += b''.join(obrazy)
    with open(sys.argv[1], 'wb') as soubor:
        soubor.write(vystup)


if __name__ == '__main__':
    main()
