#pragma once

#include "print/dispatch/PagePrompts.h"
#include "print/dispatch/PrintKinds.h"
#include "print/page/PageItem.h"
#include "print/printer/PrintDevice.h"

#include <filesystem>
#include <optional>

namespace yorozu {

class Estimate;
struct PrintImages;

// What every renderer draws from: the estimate with its print copies built,
// the program folder (its settings files are read at every print) and the
// five images.
struct PrintSources {
    Estimate& doc;
    std::filesystem::path programDir;
    const PrintImages& images;
};

struct LayoutRequest {
    Renderer renderer = Renderer::PRINT24;
    int lineCode = 118; // 118, 100 or 80; the cover renderers take none
    PageRange range;
    PrintArea area;
};

// The renderers: each lays out the pages of its print once. A renderer
// this program does not have gives nothing.
class PageLayouts {
public:
    virtual ~PageLayouts() = default;
    virtual std::optional<PageList> layout(const LayoutRequest& request, const PrintSources& sources) = 0;
};

} // namespace yorozu
