// pages and pdf: the print the window makes, laid out for a reference
// printer of the given resolution and paper, without a window.
#include "Commands.h"

#include <ostream>

#ifdef YOROZU_CLI_PRINT

#include "core/document/Estimate.h"
#include "files/settings/CompanySettings.h"
#include "files/settings/CompanySettingsSlots.h"
#include "print/dispatch/PrintDispatch.h"
#include "print/images/PrintImages.h"
#include "print/page/PageDump.h"
#include "print/sheet/SheetLayouts.h"
#include "ui/dialogs/Dialogs.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

namespace yorozu::cli {

namespace {

// The boxes of a print answered from the flags: the page prompts get the
// --pages texts, messages go to standard error.
class FlagDialogs final : public Dialogs {
public:
    FlagDialogs(const PrintFlags& flags, std::ostream& err) : flags_(flags), err_(err) {}
    std::string lastMessage;

    void information(const QString& text) override { say(text); }
    bool question(const QString& text) override
    {
        say(text);
        return false;
    }
    void warning(const QString& text) override { say(text); }
    std::optional<QString> input(const QString& caption, const QString&, const QString& value) override
    {
        if (caption == QStringLiteral("開始ページ"))
            return QString::fromStdString(flags_.startPage);
        if (caption == QStringLiteral("終了ページ"))
            return QString::fromStdString(flags_.endPage);
        return value;
    }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    std::optional<QColor> chooseColor(const QColor&) override { return std::nullopt; }
    std::optional<QFont> chooseFont(const QFont&) override { return std::nullopt; }
    bool printSetup(QPrinter&) override { return true; }

private:
    void say(const QString& text)
    {
        QString t = text;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        lastMessage = t.toStdString();
        err_ << lastMessage << '\n';
    }
    const PrintFlags& flags_;
    std::ostream& err_;
};

// A GUI application for the fonts and the PDF writer; with no display the
// offscreen platform does.
void ensureApplication()
{
    if (QGuiApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "yorozu-cli";
    static char* argv[] = {name, nullptr};
    static auto* app = new QGuiApplication(argc, argv);
    (void)app;
}

void applyKind(Estimate& doc, const PrintFlags& flags)
{
    if (flags.kind == "invoice")
        doc.setSEIQ(true);
    else if (flags.kind == "delivery")
        doc.setNOHIN(true);
    else if (flags.kind == "rough")
        doc.setGAISAN(true);
    else if (flags.kind == "unit-price")
        doc.setTANKA(true);
    else if (flags.kind == "cost")
        doc.setGENKA_P(true);
    doc.DATE_CHECK = flags.noDate;
}

Paper paperOf(const std::string& name)
{
    return name == "B5" ? Paper::B5 : name == "A3" ? Paper::A3 : Paper::A4;
}

} // namespace

int runPrintCommand(Estimate& doc, const CliOptions& options, std::ostream& out, std::ostream& err)
{
    ensureApplication();
    applyKind(doc, options.print);
    PrintImages images;
    images.load(options.programDir, companySettingsFileName(orientationOfMUKI(doc.MUKI)));
    ReferencePrinter printer(options.print.dpi, paperOf(options.print.paper));
    FlagDialogs dialogs(options.print, err);
    SheetLayouts layouts;
    PrintDispatch dispatch({doc, options.programDir, images}, dialogs, printer, layouts);
    if (options.print.cover)
        dispatch.printCover();
    else
        dispatch.print();
    if (printer.jobs == 0) {
        if (dialogs.lastMessage.find("値引きが複数あります") != std::string::npos)
            return kExitRefused;
        err << "yorozu-cli: 印刷するページがありません。\n";
        return kExitNothing;
    }
    if (options.command == Command::Pages) {
        writePageItems(printer.printed, out);
        return kExitOk;
    }
    const std::string failed = writePdf(printer.printed, printer.paper(), options.outFile.string());
    if (!failed.empty()) {
        err << "yorozu-cli: " << options.outFile.string() << ": " << failed << '\n';
        return kExitFile;
    }
    return kExitOk;
}

} // namespace yorozu::cli

#else

namespace yorozu::cli {

int runPrintCommand(yorozu::Estimate&, const CliOptions&, std::ostream&, std::ostream& err)
{
    err << "yorozu-cli: this build has no printing\n";
    return kExitUsage;
}

} // namespace yorozu::cli

#endif
