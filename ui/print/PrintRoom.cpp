#include "ui/print/PrintRoom.h"

#include "ui/window/CommandTable.h"

#include <QApplication>
#include <QCursor>

namespace yorozu {

namespace {

// The hourglass while a print is prepared and laid out; pending events run
// as the long passes go, so the window repaints.
class CursorFeedback final : public PrintFeedback {
public:
    ~CursorFeedback() override { busy(false); }
    void busy(bool on) override
    {
        if (on && !busy_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else if (!on && busy_)
            QApplication::restoreOverrideCursor();
        busy_ = on;
    }
    void progress(int, int) override { QApplication::processEvents(); }

private:
    bool busy_ = false;
};

} // namespace

PrintRoom::PrintRoom(const RoomContext& context, const PrintImages& images)
    : context_(context), feedback_(std::make_unique<CursorFeedback>())
{
    dispatch_ = std::make_unique<PrintDispatch>(PrintSources{context.estimate, context.programDir, images},
                                                context.dialogs, printer_, layouts_, feedback_.get());
    // The preview window is not there yet: the pages stay in the page store.
    context.commands.set(Command::Print, [this] { dispatch_->print(); });
    context.commands.set(Command::Preview, [this] { dispatch_->preview(); });
    context.commands.set(Command::PrintCover, [this] { dispatch_->printCover(); });
    context.commands.set(Command::PreviewCover, [this] { dispatch_->previewCover(); });
}

PrintRoom::~PrintRoom() = default;

} // namespace yorozu
