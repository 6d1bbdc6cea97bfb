#pragma once

namespace ui {

// Window and control sizes are given in twips (1/1440 inch); at 96 dpi a pixel is 15 twips.
inline constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    // Round to the nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + twipsPerPixel / 2) / twipsPerPixel
                      : -((-twips + twipsPerPixel / 2) / twipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

} // namespace ui
