#pragma once

namespace yorozu {

// The twelve renderers: the printer and preview twins of each sheet.
enum class Renderer {
    PRINT24,
    PRINT24_PP,
    PRINT_HYOSI,
    PRINT_SEKISAN_PP,
    PRINT_YOKO,
    PRINT_YOKO_PP,
    PRINT_SEKISAN_YOKO,
    PRINT_SEKISAN_YOKO_PP,
    PRINT_TATE_HYOSI,
    PRINT_TATE_HYOSI_PP,
    PRINT_YOKO_HYOSI,
    PRINT_YOKO_HYOSI_PP,
};

// What runs before a sheet renderer.
enum class Preparation { None, SYOKEI_MAKE, SYUKEI_SEKISAN };

struct DispatchEntry {
    Preparation preparation = Preparation::None;
    Renderer printer = Renderer::PRINT24;
    Renderer preview = Renderer::PRINT24_PP;
};

// The preparation and the renderers for the orientation (MUKI) and print
// kind (PRN_S), or for the cover page of the orientation.
DispatchEntry dispatchFor(int MUKI, int PRN_S);
DispatchEntry coverFor(int MUKI);

// The line-spacing code of GYOUKAN: "大" 118, "中" 100, "小" 80.
int lineSpacingCode(int GYOUKAN);

const char* rendererName(Renderer renderer);
bool isPreviewRenderer(Renderer renderer);
bool isLandscapeRenderer(Renderer renderer);
bool isCoverRenderer(Renderer renderer);
bool isSurveyRenderer(Renderer renderer);

} // namespace yorozu
