#pragma once

#include "print/page/PageItem.h"

#include <QColor>

class QPainter;

namespace yorozu {

// Draws one page onto a painter whose origin is the printable area's
// top-left. `scale` is device pixels of the painter per device pixel of the
// reference printer (1 for the printer and for a PDF at its resolution).
void replayPage(const Page& page, QPainter& painter, int referenceDpi, double scale = 1.0);

// The Windows colour value (red in the low byte) as a QColor.
QColor qtColour(std::uint32_t windowsColour);

} // namespace yorozu
