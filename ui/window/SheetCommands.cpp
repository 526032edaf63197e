// Commands on the sheet as a whole: the totals by classification, the rate
// conversion and the default widths.
#include "core/calc/RateConversion.h"
#include "core/copies/Survey.h"
#include "files/settings/OrientationSettings.h"
#include "files/settings/WidthProfile.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/header/OptionControls.h"
#include "files/settings/ProgramFiles.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/StatusPanels.h"
#include "ui/sheet/TotalsGrid.h"
#include "ui/window/WindowRooms.h"
#include "ui/window/Yorozu1.h"

#include <QApplication>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace yorozu::commands {

void totalsByClassification(TYorozu& w)
{
    auto& e = w.estimate();
    if (!totalsViewWanted(e))
        return;
    if (w.hooks().SYUKEI_MAKE) {
        w.hooks().SYUKEI_MAKE();
    } else {
        // The copy is built from the money fields of a full recalculation.
        w.recalculateAll();
        const auto settings = OrientationSettings::ofMUKI(w.programDir(), e.MUKI).printCopy();
        auto* bar = w.status().PB1;
        bar->show();
        const auto result = SYUKEI_MAKE(e, settings, [bar](int position, int maximum) {
            bar->setRange(0, std::max(1, maximum));
            bar->setValue(std::clamp(position, 0, std::max(1, maximum)));
            QApplication::processEvents();
        });
        if (!result.completed) {
            bar->hide();
            w.dialogs().information(QString::fromStdString(result.message));
            return;
        }
    }
    w.status().PB1->hide();
    QApplication::processEvents();
    if (w.hooks().showTotalsGrid)
        w.hooks().showTotalsGrid();
    else
        w.totalsGrid().show();
}

void resetSheetWidths(TYorozu& w)
{
    if (!w.dialogs().question(QString::fromUtf8(kLoadWidthDefaultsQuestion)))
        return;
    CEL_WIDTH_SET(w.programDir(), w.estimate(), kWidthDefaults);
    w.sheet().setFocus();
}

void rateConversionMenu(TYorozu& w)
{
    if (const auto refusal = rateConversionRefusal(w.estimate())) {
        w.dialogs().information(QString::fromStdString(*refusal));
        return;
    }
    auto* button = w.options().KAKERITU_IKATU;
    QMenu menu(&w);
    QAction* fromCost = menu.addAction(QStringLiteral("原価　×　掛率"));
    QAction* fromPrice = menu.addAction(QStringLiteral("単価　×　掛率"));
    QAction* chosen = menu.exec(button->mapToGlobal(QPoint(40, 45)));
    if (chosen == fromCost)
        w.N76Click();
    else if (chosen == fromPrice)
        w.N77Click();
}

void rateConversion(TYorozu& w, int sourceColumn)
{
    // A pending in-cell operation is finished before every price changes.
    CommandHooks::run(w.hooks().ENZAN);
    auto& e = w.estimate();
    const auto result = rateConversionCommand(
        e, sourceColumn, [&w](const std::string& q) { return w.dialogs().question(QString::fromStdString(q)); });
    if (result && result->completed)
        QApplication::beep();
    e.notify(Change::Cells);
    w.showTotals();
}

} // namespace yorozu::commands
