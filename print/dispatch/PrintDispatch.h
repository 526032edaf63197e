#pragma once

#include "print/dispatch/PageLayouts.h"

#include <functional>

namespace yorozu {

class Dialogs;

// What the window shows while a print is prepared: the busy cursor and the
// progress bar PB1, repainted as the long passes go.
class PrintFeedback {
public:
    virtual ~PrintFeedback() = default;
    virtual void busy(bool) {}
    virtual void progress(int /*position*/, int /*maximum*/) {}
    virtual void hideProgress() {}
};

// The print, preview and cover commands: the recalculation, the preparation
// of the print copies, and the renderer's entry sequence (orientation,
// printer setup dialog, page range) before its pages go to the printer or
// to the preview.
class PrintDispatch {
public:
    PrintDispatch(PrintSources sources, Dialogs& dialogs, PrintDevice& device, PageLayouts& layouts,
                  PrintFeedback* feedback = nullptr);

    bool PrintCancelled = false;
    bool CoverPreview = false;

    // Opens the preview window on the pages of the last preview; set by the window.
    std::function<void(const PageList&)> openPreview;

    void print();            // the print button
    void preview();          // the preview button
    void printCover();       // right button on the print button
    void previewCover();     // right button on the preview button
    void printFromPreview(); // the preview window's print button

    // The pages of the last preview (the preview page store).
    const PageList& previewPages() const { return previewPages_; }

private:
    bool prepare(Preparation preparation);
    void runRenderer(Renderer renderer, int lineCode);
    void sheetCommand(bool preview);

    PrintSources sources_;
    Dialogs& dialogs_;
    PrintDevice& device_;
    PageLayouts& layouts_;
    PrintFeedback* feedback_;
    PrintFeedback none_;
    PageList previewPages_;
};

} // namespace yorozu
