// A keystroke measured end to end in the window: a digit typed into the
// numeric editor of the sheet goes through the editor into the document, and
// the window repaints the row, the total field and the status bar. Offscreen,
// so only the program's own work is timed, not a display server's.
#include "bench/EstimateGenerator.h"

#include "core/document/Estimate.h"
#include "ui/dialogs/ScriptedDialogs.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/window/Yorozu1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "controls/numedit/SaNumEdit.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace {

using namespace yorozu;

QApplication& application()
{
    static int argc = 1;
    static char name[] = "yorozu-bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app = [] {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *app;
}

void typeKey(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

void BM_WindowKeystroke(benchmark::State& state)
{
    auto& app = application();
    QTemporaryDir dir;
    if (!dir.isValid()) {
        state.SkipWithError("no temporary program folder");
        return;
    }
    const int lines = static_cast<int>(state.range(0));
    ScriptedDialogs dialogs;
    TYorozu window(dir.path().toStdString(), dialogs);
    window.resize(1200, 800);
    window.show();
    Estimate& doc = window.estimate();
    generateEstimate(doc, lines);
    window.recalculateAll();
    doc.notify(Change::Cells);
    app.processEvents();

    // The price of a line in the middle of the sheet, typed digit by digit.
    const int row = lines / 2;
    SheetEditor& editor = window.sheetEditor();
    editor.moveTo(col::UnitPrice, row);
    app.processEvents();
    QWidget* target = editor.NumEdit1;
    if (!target || !target->isVisible()) {
        state.SkipWithError("the numeric editor did not open");
        return;
    }
    typeKey(target, Qt::Key_Delete, {});
    app.processEvents();
    int typed = 0;
    for (auto _ : state) {
        // Nine digits, then the cell is emptied again: the typed value stays
        // within what the editor takes.
        if (typed == 9) {
            state.PauseTiming();
            typeKey(target, Qt::Key_Delete, {});
            app.processEvents();
            typed = 0;
            state.ResumeTiming();
        }
        const int digit = 1 + typed % 9;
        typeKey(target, Qt::Key_0 + digit, QString::number(digit));
        app.processEvents(); // the repaints of the row, the total field and the status bar
        ++typed;
    }
    // The keystrokes reached the document and its totals.
    if (doc.SG1.cell(col::UnitPrice, row).empty() || doc.SG1.cell(col::Amount, row).empty())
        state.SkipWithError("the typed digits never reached the sheet");
    else if (doc.TOTALKIN.empty())
        state.SkipWithError("no totals after typing");
}
BENCHMARK(BM_WindowKeystroke)->Arg(300)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
