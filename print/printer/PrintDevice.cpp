#include "print/printer/PrintDevice.h"

#include "print/page/Replay.h"
#include "print/printer/PrinterList.h"
#include "ui/dialogs/Dialogs.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace yorozu {

namespace {

QPageSize::PageSizeId pageSizeId(Paper paper)
{
    switch (paper) {
    case Paper::B5: return QPageSize::JisB5; // B5 as Japan knows it, 182 x 257 mm
    case Paper::A3: return QPageSize::A3;
    case Paper::A4: break;
    }
    return QPageSize::A4;
}

} // namespace

std::string printPages(const PageList& pages, QPrinter& printer)
{
    if (pages.pages.empty())
        return {};
    QPainter painter;
    if (!painter.begin(&printer))
        return kPrintFailedMessage;
    const double scale = pages.dpi > 0 ? printer.resolution() / static_cast<double>(pages.dpi) : 1.0;
    for (size_t i = 0; i < pages.pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return kPrintRefusedMessage;
        }
        replayPage(pages.pages[i], painter, pages.dpi, scale);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return kPrintRefusedMessage;
    return {};
}

std::string writePdf(const PageList& pages, Paper paper, const std::string& fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(fileName));
    printer.setResolution(pages.dpi);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(pageSizeId(paper)));
    printer.setPageOrientation(pages.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    PageList list = pages;
    if (list.pages.empty())
        list.pages.emplace_back(); // a PDF holds at least one page
    return printPages(list, printer);
}

ReferencePrinter::ReferencePrinter(int dpi, Paper paper) : dpi_(dpi), paper_(paper) {}

ReferencePrinter::~ReferencePrinter() = default;

bool ReferencePrinter::setup(Dialogs& dialogs)
{
    if (!dialogPrinter_) {
        dialogPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        dialogPrinter_->setOutputFormat(QPrinter::PdfFormat);
        dialogPrinter_->setPageSize(QPageSize(pageSizeId(paper_)));
    }
    dialogPrinter_->setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
    return dialogs.printSetup(*dialogPrinter_);
}

PrintArea ReferencePrinter::area() const
{
    const QSizeF mm = QPageSize(pageSizeId(paper_)).size(QPageSize::Millimeter);
    PrintArea a;
    a.dpi = dpi_;
    // Whole pixels of the paper, cut as a driver cuts its printable area.
    const int w = static_cast<int>(mm.width() / 25.4 * dpi_);
    const int h = static_cast<int>(mm.height() / 25.4 * dpi_);
    a.width = landscape_ ? h : w;
    a.height = landscape_ ? w : h;
    return a;
}

struct SystemPrinter::Watch {
    PrinterSnapshot snapshot = PrinterSnapshot::take();
};

SystemPrinter::SystemPrinter()
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)), watch_(std::make_unique<Watch>())
{
}

SystemPrinter::~SystemPrinter() = default;

void SystemPrinter::setOrientation(bool landscape)
{
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool SystemPrinter::setup(Dialogs& dialogs)
{
    // A printer added or removed since the last print: a new printer object
    // sees the new list; the orientation carries over.
    auto now = PrinterSnapshot::take();
    if (!(now == watch_->snapshot)) {
        const auto orientation = printer_->pageLayout().orientation();
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageOrientation(orientation);
        watch_->snapshot = std::move(now);
    }
    if (watch_->snapshot.count() == 0) {
        dialogs.information(QString::fromUtf8(kNoPrinterMessage));
        printer_->setOutputFormat(QPrinter::PdfFormat);
    }
    return dialogs.printSetup(*printer_);
}

PrintArea SystemPrinter::area() const
{
    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    return {static_cast<int>(page.width()), static_cast<int>(page.height()), printer_->resolution()};
}

std::string SystemPrinter::print(const PageList& pages)
{
    return printPages(pages, *printer_);
}

} // namespace yorozu
