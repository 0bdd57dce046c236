#pragma once

// Window layouts are given in twips; a pixel is 1440 / dpi twips (15 at 96 dpi).
inline constexpr int TwipuNaPalec = 1440;

int TwipyNaPixely(int twipy, int dpi);
float PixelyNaTwipy(float pixely, int dpi);
