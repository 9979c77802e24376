#pragma once

// Sizes the game states in twips (1/1440 inch); 15 twips make a pixel at 96 dpi.
constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// The game's resize rules count a window's whole size, frame and title bar included; these are
// what a sizable frame adds around the client area at 96 dpi.
constexpr int FrameWidthTwips = 120;
constexpr int FrameHeightTwips = 465;
