#pragma once

namespace yorozu {

// Page units: 2878 x 4066 portrait, 4066 x 2878 landscape; one unit 1/14 mm.
inline constexpr int kPageShort = 2878;
inline constexpr int kPageLong = 4066;

// The mapping of page units to device pixels for one print: two scale
// factors from the printable area and two offsets in device pixels.
struct PageGeometry {
    float sx = 1.0f;
    float sy = 1.0f;
    int offX = 0;
    int offY = 0;

    // The scale factors of a printable area of width x height device pixels.
    static PageGeometry forArea(int width, int height, bool landscape);
    // Sheets: "[右]=" and "[位置]=" in millimetres, scaled; the smaller line
    // spacings move the sheet up by a fixed number of device pixels.
    static PageGeometry forSheet(int width, int height, bool landscape, int right, int position, int lineCode);
    // Cover pages: "[表紙LEFT]=" and "[表紙TOP]=" times 14, not scaled.
    static PageGeometry forCover(int width, int height, bool landscape, int left, int top);

    int mapX(int x) const;
    int mapY(int y) const;
    // Device pixels of a page-unit width (Trunc(units * sx)).
    int scaledX(int units) const;
    int scaledY(int units) const;
};

// Truncation toward zero of a value computed, as the sheets compute it, in
// extended precision.
int truncate(long double value);

} // namespace yorozu
