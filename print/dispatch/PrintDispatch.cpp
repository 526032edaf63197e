#include "print/dispatch/PrintDispatch.h"

#include "core/copies/PrintCopy.h"
#include "core/copies/Survey.h"
#include "core/document/Estimate.h"
#include "files/settings/CompanySettings.h"
#include "files/settings/CompanySettingsSlots.h"
#include "files/settings/ReadSetting.h"
#include "ui/dialogs/Dialogs.h"

namespace yorozu {

PrintDispatch::PrintDispatch(PrintSources sources, Dialogs& dialogs, PrintDevice& device, PageLayouts& layouts,
                             PrintFeedback* feedback)
    : sources_(std::move(sources)), dialogs_(dialogs), device_(device), layouts_(layouts),
      feedback_(feedback ? feedback : &none_)
{
}

bool PrintDispatch::prepare(Preparation preparation)
{
    if (preparation == Preparation::None)
        return true;
    const auto& dir = sources_.programDir;
    const std::string file = companySettingsFileName(orientationOfMUKI(sources_.doc.MUKI));
    const auto settings =
        PrintCopySettings::fromValues(ReadSetting(dir, file, "[単価]="), ReadSetting(dir, file, "[消費税]="),
                                      ReadSetting(dir, file, "[つづく]="), ReadSetting(dir, file, "[備考枠]="));
    const PassProgress progress = [this](int position, int maximum) { feedback_->progress(position, maximum); };
    const auto result = preparation == Preparation::SYOKEI_MAKE ? SYOKEI_MAKE(sources_.doc, settings, progress)
                                                                 : SYUKEI_MAKE(sources_.doc, settings, progress);
    if (!result.completed) {
        feedback_->hideProgress();
        dialogs_.information(QString::fromStdString(result.message));
        return false;
    }
    if (preparation == Preparation::SYUKEI_SEKISAN)
        SEKISAN_MAKE(sources_.doc, settings, progress);
    return true;
}

void PrintDispatch::runRenderer(Renderer renderer, int lineCode)
{
    device_.setOrientation(isLandscapeRenderer(renderer));
    if (!device_.setup(dialogs_))
        return;
    PrintCancelled = false;
    LayoutRequest request;
    request.renderer = renderer;
    request.lineCode = lineCode;
    request.area = device_.area();
    if (!isCoverRenderer(renderer)) {
        const auto range = askPageRange(dialogs_);
        if (!range) {
            PrintCancelled = true;
            return;
        }
        request.range = *range;
    }
    feedback_->busy(true);
    auto pages = layouts_.layout(request, sources_);
    if (!pages) {
        // This print is not available: nothing was produced.
        PrintCancelled = true;
        return;
    }
    if (isPreviewRenderer(renderer)) {
        previewPages_ = std::move(*pages);
        return;
    }
    const std::string failed = device_.print(*pages);
    if (!failed.empty())
        dialogs_.warning(QString::fromStdString(failed));
}

void PrintDispatch::sheetCommand(bool preview)
{
    auto& doc = sources_.doc;
    if (doc.SG1_END() == 0)
        return;
    feedback_->busy(true);
    if (preview)
        PrintCancelled = true;
    doc.recalculateAll();
    const auto entry = dispatchFor(doc.MUKI, doc.PRN_S);
    if (prepare(entry.preparation)) {
        feedback_->hideProgress();
        runRenderer(preview ? entry.preview : entry.printer, lineSpacingCode(doc.GYOUKAN));
    }
    feedback_->hideProgress();
    feedback_->busy(false);
    if (!preview || PrintCancelled)
        return;
    CoverPreview = false;
    if (openPreview)
        openPreview(previewPages_);
}

void PrintDispatch::print()
{
    sheetCommand(false);
}

void PrintDispatch::preview()
{
    sheetCommand(true);
}

void PrintDispatch::printCover()
{
    runRenderer(coverFor(sources_.doc.MUKI).printer, 0);
    feedback_->busy(false);
}

void PrintDispatch::previewCover()
{
    PrintCancelled = true;
    runRenderer(coverFor(sources_.doc.MUKI).preview, 0);
    feedback_->busy(false);
    if (PrintCancelled)
        return;
    CoverPreview = true;
    if (openPreview)
        openPreview(previewPages_);
    CoverPreview = false;
}

void PrintDispatch::printFromPreview()
{
    auto& doc = sources_.doc;
    if (CoverPreview) {
        runRenderer(coverFor(doc.MUKI).printer, 0);
    } else {
        doc.recalculateAll();
        const auto entry = dispatchFor(doc.MUKI, doc.PRN_S);
        if (prepare(entry.preparation)) {
            feedback_->hideProgress();
            runRenderer(entry.printer, lineSpacingCode(doc.GYOUKAN));
        }
        feedback_->hideProgress();
    }
    feedback_->busy(false);
}

} // namespace yorozu
