#include "print/dispatch/PrintKinds.h"

namespace yorozu {

DispatchEntry dispatchFor(int MUKI, int PRN_S)
{
    const bool landscape = MUKI == 1;
    if (PRN_S == 1)
        return landscape ? DispatchEntry{Preparation::SYUKEI_SEKISAN, Renderer::PRINT_SEKISAN_YOKO,
                                         Renderer::PRINT_SEKISAN_YOKO_PP}
                         : DispatchEntry{Preparation::SYUKEI_SEKISAN, Renderer::PRINT_HYOSI, Renderer::PRINT_SEKISAN_PP};
    return landscape ? DispatchEntry{Preparation::SYOKEI_MAKE, Renderer::PRINT_YOKO, Renderer::PRINT_YOKO_PP}
                     : DispatchEntry{Preparation::SYOKEI_MAKE, Renderer::PRINT24, Renderer::PRINT24_PP};
}

DispatchEntry coverFor(int MUKI)
{
    return MUKI == 1 ? DispatchEntry{Preparation::None, Renderer::PRINT_YOKO_HYOSI, Renderer::PRINT_YOKO_HYOSI_PP}
                     : DispatchEntry{Preparation::None, Renderer::PRINT_TATE_HYOSI, Renderer::PRINT_TATE_HYOSI_PP};
}

int lineSpacingCode(int GYOUKAN)
{
    switch (GYOUKAN) {
    case 1: return 100;
    case 2: return 80;
    default: return 118;
    }
}

const char* rendererName(Renderer r)
{
    switch (r) {
    case Renderer::PRINT24: return "PRINT24";
    case Renderer::PRINT24_PP: return "PRINT24_PP";
    case Renderer::PRINT_HYOSI: return "PRINT_HYOSI";
    case Renderer::PRINT_SEKISAN_PP: return "PRINT_SEKISAN_PP";
    case Renderer::PRINT_YOKO: return "PRINT_YOKO";
    case Renderer::PRINT_YOKO_PP: return "PRINT_YOKO_PP";
    case Renderer::PRINT_SEKISAN_YOKO: return "PRINT_SEKISAN_YOKO";
    case Renderer::PRINT_SEKISAN_YOKO_PP: return "PRINT_SEKISAN_YOKO_PP";
    case Renderer::PRINT_TATE_HYOSI: return "PRINT_TATE_HYOSI";
    case Renderer::PRINT_TATE_HYOSI_PP: return "PRINT_TATE_HYOSI_PP";
    case Renderer::PRINT_YOKO_HYOSI: return "PRINT_YOKO_HYOSI";
    case Renderer::PRINT_YOKO_HYOSI_PP: return "PRINT_YOKO_HYOSI_PP";
    }
    return "?";
}

bool isPreviewRenderer(Renderer r)
{
    switch (r) {
    case Renderer::PRINT24_PP:
    case Renderer::PRINT_SEKISAN_PP:
    case Renderer::PRINT_YOKO_PP:
    case Renderer::PRINT_SEKISAN_YOKO_PP:
    case Renderer::PRINT_TATE_HYOSI_PP:
    case Renderer::PRINT_YOKO_HYOSI_PP: return true;
    default: return false;
    }
}

bool isLandscapeRenderer(Renderer r)
{
    switch (r) {
    case Renderer::PRINT_YOKO:
    case Renderer::PRINT_YOKO_PP:
    case Renderer::PRINT_SEKISAN_YOKO:
    case Renderer::PRINT_SEKISAN_YOKO_PP:
    case Renderer::PRINT_YOKO_HYOSI:
    case Renderer::PRINT_YOKO_HYOSI_PP: return true;
    default: return false;
    }
}

bool isCoverRenderer(Renderer r)
{
    return r == Renderer::PRINT_TATE_HYOSI || r == Renderer::PRINT_TATE_HYOSI_PP || r == Renderer::PRINT_YOKO_HYOSI ||
           r == Renderer::PRINT_YOKO_HYOSI_PP;
}

bool isSurveyRenderer(Renderer r)
{
    return r == Renderer::PRINT_HYOSI || r == Renderer::PRINT_SEKISAN_PP || r == Renderer::PRINT_SEKISAN_YOKO ||
           r == Renderer::PRINT_SEKISAN_YOKO_PP;
}

} // namespace yorozu
