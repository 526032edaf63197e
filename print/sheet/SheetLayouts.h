#pragma once

#include "print/dispatch/PageLayouts.h"
#include "print/page/TextMeasure.h"

#include <map>
#include <memory>

namespace yorozu {

// The renderers this program has, measuring with Qt's font metrics at the
// printer's resolution. The survey and cover renderers are not here yet:
// they give nothing.
class SheetLayouts final : public PageLayouts {
public:
    std::optional<PageList> layout(const LayoutRequest& request, const PrintSources& sources) override;

private:
    std::map<int, std::unique_ptr<QtTextMeasure>> measures_; // by resolution
};

} // namespace yorozu
