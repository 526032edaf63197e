#include "print/page/PageGeometry.h"

#include <cmath>

namespace yorozu {

int truncate(long double value)
{
    return static_cast<int>(std::trunc(value));
}

PageGeometry PageGeometry::forArea(int width, int height, bool landscape)
{
    PageGeometry g;
    const int pw = landscape ? kPageLong : kPageShort;
    const int ph = landscape ? kPageShort : kPageLong;
    g.sx = static_cast<float>(static_cast<double>(width) / pw);
    g.sy = static_cast<float>(static_cast<double>(height) / ph);
    return g;
}

PageGeometry PageGeometry::forSheet(int width, int height, bool landscape, int right, int position, int lineCode)
{
    PageGeometry g = forArea(width, height, landscape);
    g.offX = truncate(static_cast<long double>(right) * g.sx * 14);
    g.offY = truncate(static_cast<long double>(position) * g.sy * 14);
    if (lineCode == 100)
        g.offY -= 50;
    else if (lineCode == 80)
        g.offY -= 75;
    return g;
}

PageGeometry PageGeometry::forCover(int width, int height, bool landscape, int left, int top)
{
    PageGeometry g = forArea(width, height, landscape);
    g.offX = left * 14;
    g.offY = top * 14;
    return g;
}

int PageGeometry::mapX(int x) const
{
    return truncate(static_cast<long double>(sx) * x + offX);
}

int PageGeometry::mapY(int y) const
{
    return truncate(static_cast<long double>(sy) * y + offY);
}

int PageGeometry::scaledX(int units) const
{
    return truncate(static_cast<long double>(sx) * units);
}

int PageGeometry::scaledY(int units) const
{
    return truncate(static_cast<long double>(sy) * units);
}

} // namespace yorozu
