#include "print/printer/PageMetrics.h"

#include <QPrinter>

namespace yorozu {

namespace {
double mm(int pixels, int dpi)
{
    return dpi > 0 ? pixels / static_cast<double>(dpi) * 25.4 : 0.0;
}
} // namespace

PageMetrics pageMetricsFrom(int printableWidth, int printableHeight, int physicalWidth, int physicalHeight, int dpiX,
                            int dpiY, int leftOffset, int topOffset, int scale)
{
    PageMetrics m;
    m.printableWidth = printableWidth;
    m.printableHeight = printableHeight;
    m.dpiX = dpiX;
    m.dpiY = dpiY;
    m.printableWidthMm = mm(printableWidth, dpiX);
    m.printableHeightMm = mm(printableHeight, dpiY);
    m.physicalWidth = physicalWidth;
    m.physicalHeight = physicalHeight;
    m.physicalWidthMm = mm(physicalWidth, dpiX);
    m.physicalHeightMm = mm(physicalHeight, dpiY);
    m.leftOffset = leftOffset;
    m.topOffset = topOffset;
    m.rightMargin = physicalWidth - printableWidth - leftOffset;
    m.bottomMargin = physicalHeight - printableHeight - topOffset;
    m.leftMarginMm = mm(m.leftOffset, dpiX);
    m.topMarginMm = mm(m.topOffset, dpiY);
    m.rightMarginMm = mm(m.rightMargin, dpiX);
    m.bottomMarginMm = mm(m.bottomMargin, dpiY);
    m.scale = scale > 0 ? scale : 100;
    const double f = m.scale / 100.0;
    m.scaledPrintableWidthMm = m.printableWidthMm * f;
    m.scaledPrintableHeightMm = m.printableHeightMm * f;
    m.scaledPhysicalWidthMm = m.physicalWidthMm * f;
    m.scaledPhysicalHeightMm = m.physicalHeightMm * f;
    m.scaledLeftMarginMm = m.leftMarginMm * f;
    m.scaledTopMarginMm = m.topMarginMm * f;
    m.scaledRightMarginMm = m.rightMarginMm * f;
    m.scaledBottomMarginMm = m.bottomMarginMm * f;
    return m;
}

PageMetrics pageMetrics(const QPrinter& printer)
{
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const int dpi = printer.resolution();
    return pageMetricsFrom(page.width(), page.height(), paper.width(), paper.height(), dpi, dpi,
                           page.left() - paper.left(), page.top() - paper.top(), 100);
}

} // namespace yorozu
