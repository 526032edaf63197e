#include "print/sheet/SheetLayouts.h"

#include "print/sheet/EstimateSheet.h"

namespace yorozu {

std::optional<PageList> SheetLayouts::layout(const LayoutRequest& request, const PrintSources& sources)
{
    auto& measure = measures_[request.area.dpi];
    if (!measure)
        measure = std::make_unique<QtTextMeasure>(request.area.dpi);
    switch (request.renderer) {
    case Renderer::PRINT24:
    case Renderer::PRINT24_PP:
    case Renderer::PRINT_YOKO:
    case Renderer::PRINT_YOKO_PP: {
        auto pages = layoutEstimateSheet(sources.doc, sources.programDir, sources.images, request.lineCode,
                                         request.range, request.area, *measure);
        // A preview of nothing still shows one empty page.
        if (isPreviewRenderer(request.renderer) && pages.pages.empty())
            pages.pages.emplace_back();
        return pages;
    }
    default:
        return std::nullopt;
    }
}

} // namespace yorozu
