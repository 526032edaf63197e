#include "print/page/Replay.h"

#include "print/page/Faces.h"
#include "print/page/TextMeasure.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace yorozu {

QColor qtColour(std::uint32_t c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

namespace {

QPen qtPen(const PageItem& item, double scale)
{
    QPen pen(qtColour(item.colour));
    pen.setWidthF(std::max(1.0, item.penWidth * scale));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (item.penStyle == PenStyle::Dot)
        pen.setStyle(Qt::DotLine);
    return pen;
}

QRectF box(const PageItem& item, double scale)
{
    return QRectF(QPointF(item.x * scale, item.y * scale), QPointF(item.x2 * scale, item.y2 * scale));
}

} // namespace

void replayPage(const Page& page, QPainter& painter, int referenceDpi, double scale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const auto& item : page) {
        switch (item.kind) {
        case ItemKind::Text: {
            const int pixels = static_cast<int>(std::lround(pixelSize(item.font.size, referenceDpi) * scale));
            const QFont font = qtFont(item.font, pixels);
            painter.setFont(font);
            painter.setPen(qtColour(item.colour));
            const QFontMetricsF metrics(font, painter.device());
            // The item holds the text's top-left corner; Qt draws on the baseline.
            painter.drawText(QPointF(item.x * scale, item.y * scale + metrics.ascent()), printedText(item.text));
            break;
        }
        case ItemKind::Line:
            painter.setPen(qtPen(item, scale));
            painter.drawLine(QPointF(item.x * scale, item.y * scale), QPointF(item.x2 * scale, item.y2 * scale));
            break;
        case ItemKind::Rect:
            painter.setPen(qtPen(item, scale));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box(item, scale));
            break;
        case ItemKind::RoundRect: {
            painter.setPen(qtPen(item, scale));
            painter.setBrush(Qt::NoBrush);
            // The corner is the ellipse's width and height; Qt takes radii.
            const double r = item.corner * scale / 2.0;
            painter.drawRoundedRect(box(item, scale), r, r);
            break;
        }
        case ItemKind::FillRect:
            painter.fillRect(box(item, scale), qtColour(item.colour));
            break;
        case ItemKind::Image:
            painter.drawImage(box(item, scale), item.image);
            break;
        }
    }
    painter.restore();
}

} // namespace yorozu
