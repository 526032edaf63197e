#pragma once

#include <string>

namespace yorozu {

class Estimate;
class PageCanvas;
struct PrintImages;
struct SheetSettings;

// The first page's header of the estimate and survey sheets: number, title,
// date, customer, intro lines, header fields or bank block, company block,
// free texts, seal box, images and the amount box.
void drawFirstPageHeader(PageCanvas& canvas, const Estimate& doc, const SheetSettings& settings,
                         const PrintImages& images);

// The customer line and the number at the top of every later page.
void drawLaterPageHeader(PageCanvas& canvas, const Estimate& doc, const SheetSettings& settings);

// The estimate number as printed: 8 digits zero-filled when it reads as a
// non-zero integer, else as typed.
std::string printedNumber(const std::string& bangou);

// The vertical adjustment of a text drawn at `points`.
inline int adjFor(int points)
{
    return points >= 14 ? -5 : 0;
}

} // namespace yorozu
