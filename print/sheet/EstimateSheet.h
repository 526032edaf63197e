#pragma once

#include "print/dispatch/PagePrompts.h"
#include "print/page/PageItem.h"
#include "print/printer/PrintDevice.h"

#include <filesystem>

namespace yorozu {

class Estimate;
class TextMeasure;
struct PrintImages;

// The estimate, invoice and delivery-note sheet of the print kinds "通常"
// and "小計", portrait or landscape by the estimate's orientation, from its
// print copy SGP (built with its continuation rows just before). The pages
// from range.start to range.end, laid out for a printer of `area`. A start
// page beyond the last page gives no page.
PageList layoutEstimateSheet(const Estimate& doc, const std::filesystem::path& programDir,
                             const PrintImages& images, int lineCode, PageRange range, PrintArea area,
                             TextMeasure& measure);

} // namespace yorozu
