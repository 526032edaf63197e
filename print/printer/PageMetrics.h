#pragma once

class QPrinter;

namespace yorozu {

// The physical geometry of the printer's paper, read once per preview so
// that page images can show their paper edges.
struct PageMetrics {
    int printableWidth = 0, printableHeight = 0; // device pixels
    double printableWidthMm = 0, printableHeightMm = 0;
    int physicalWidth = 0, physicalHeight = 0;
    double physicalWidthMm = 0, physicalHeightMm = 0;
    int dpiX = 0, dpiY = 0;
    int leftOffset = 0, topOffset = 0;
    int rightMargin = 0, bottomMargin = 0;
    double leftMarginMm = 0, topMarginMm = 0, rightMarginMm = 0, bottomMarginMm = 0;
    int scale = 100; // percent
    double scaledPrintableWidthMm = 0, scaledPrintableHeightMm = 0;
    double scaledPhysicalWidthMm = 0, scaledPhysicalHeightMm = 0;
    double scaledLeftMarginMm = 0, scaledTopMarginMm = 0, scaledRightMarginMm = 0, scaledBottomMarginMm = 0;
};

// The record from the device values; a scale of 0 (none declared) counts as 100.
PageMetrics pageMetricsFrom(int printableWidth, int printableHeight, int physicalWidth, int physicalHeight, int dpiX,
                            int dpiY, int leftOffset, int topOffset, int scale);

// The record of a printer: its paper and printable rectangles and its
// resolution. Qt's printers declare no scale of their own, so it is 100.
PageMetrics pageMetrics(const QPrinter& printer);

} // namespace yorozu
