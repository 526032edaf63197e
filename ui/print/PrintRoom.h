#pragma once

#include "print/dispatch/PrintDispatch.h"
#include "print/images/PrintImages.h"
#include "print/printer/PrintDevice.h"
#include "print/sheet/SheetLayouts.h"
#include "ui/window/RoomContext.h"

#include <memory>

namespace yorozu {

// The window's print and preview commands: the sheet and cover prints on
// the system printer, and the preview's pages kept for the preview window.
class PrintRoom {
public:
    PrintRoom(const RoomContext& context, const PrintImages& images);
    ~PrintRoom();
    PrintDispatch& dispatch() { return *dispatch_; }

private:
    RoomContext context_;
    SystemPrinter printer_;
    SheetLayouts layouts_;
    std::unique_ptr<PrintFeedback> feedback_;
    std::unique_ptr<PrintDispatch> dispatch_;
};

} // namespace yorozu
