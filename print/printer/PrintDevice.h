#pragma once

#include "print/page/PageItem.h"

#include <memory>
#include <string>

class QPrinter;

namespace yorozu {

class Dialogs;

// The printable area of the printer a print is laid out for.
struct PrintArea {
    int width = 0;  // device pixels
    int height = 0;
    int dpi = 600;
};

// What printing needs of a printer: the orientation, the setup dialog, the
// printable area after it, and a place for the finished pages. The window's
// printer is a Qt printer; the command line and the tests use a reference
// printer of a stated resolution and paper.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;
    virtual void setOrientation(bool landscape) = 0;
    // Shows the printer setup dialog; false when the user cancels it.
    virtual bool setup(Dialogs& dialogs) = 0;
    virtual PrintArea area() const = 0;
    // Sends the pages; the empty text when the job was handed over, else
    // the message that says why nothing was printed.
    virtual std::string print(const PageList& pages) = 0;
};

inline constexpr const char* kNoPrinterMessage =
    "プリンターが見つかりません。\r\nPDFファイルへの出力はできます。";
inline constexpr const char* kPrintFailedMessage = "印刷を開始できませんでした。";
inline constexpr const char* kPrintRefusedMessage = "印刷は受け付けられませんでした。";

// Draws the pages on a printer that is set up (orientation, paper, output);
// the empty text when the job was handed to the print system.
std::string printPages(const PageList& pages, QPrinter& printer);

// Paper sizes of the reference printer.
enum class Paper { A4, B5, A3 };

// Writes the pages as a PDF file of that paper at the pages' resolution,
// the faces embedded. The empty text on success.
std::string writePdf(const PageList& pages, Paper paper, const std::string& fileName);

// A printer that is only a resolution and a paper, without margins. The
// setup dialog is still asked (on a PDF printer), so a cancel behaves as
// on the window's printer. Its pages are kept for whoever asked for them
// (the command line, tests).
class ReferencePrinter final : public PrintDevice {
public:
    ReferencePrinter(int dpi, Paper paper);
    ~ReferencePrinter() override;
    void setOrientation(bool landscape) override { landscape_ = landscape; }
    bool setup(Dialogs& dialogs) override;
    PrintArea area() const override;
    std::string print(const PageList& pages) override
    {
        printed = pages;
        ++jobs;
        return {};
    }
    Paper paper() const { return paper_; }
    PageList printed;
    int jobs = 0;

private:
    int dpi_;
    Paper paper_;
    bool landscape_ = false;
    std::unique_ptr<QPrinter> dialogPrinter_;
};

// The window's printer: a Qt printer at the print system's resolution,
// recreated when the list of printers changed since it was made.
class SystemPrinter final : public PrintDevice {
public:
    SystemPrinter();
    ~SystemPrinter() override;
    void setOrientation(bool landscape) override;
    bool setup(Dialogs& dialogs) override;
    PrintArea area() const override;
    std::string print(const PageList& pages) override;
    QPrinter& printer() { return *printer_; }

private:
    std::unique_ptr<QPrinter> printer_;
    struct Watch;
    std::unique_ptr<Watch> watch_;
};

} // namespace yorozu
