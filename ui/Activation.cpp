// What the window does each time it becomes active, and on a change of orientation.
#include "core/Numbers.h"
#include "ui/HeaderFields.h"
#include "ui/OptionControls.h"
#include "ui/ProgramFiles.h"
#include "ui/StatusPanels.h"
#include "ui/WindowRooms.h"
#include "ui/Yorozu1.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>

namespace yorozu::activation {

void FormActivate(TYorozu& w)
{
    if (const QScreen* s = w.screen() ? w.screen() : QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        const int bottom = area.y() + area.height();
        if (bottom > 700 && bottom < 800)
            w.setOuterHeight(bottom);
    }
    MUKIClick(w);
    w.status().showToday();
    w.status().showProductInformation();
}

void MUKIClick(TYorozu& w)
{
    auto& e = w.estimate();
    const std::string file = companyFileName(e.MUKI);
    readCompanySettings(w, e.MUKI);
    w.state().images.load(w.programDir(), file);
    w.recalculateAll();
}

void readCompanySettings(TYorozu& w, int MUKI)
{
    auto& e = w.estimate();
    auto& st = w.state();
    const auto keys = readCompanyWindowKeys(w.programDir(), companyFileName(MUKI), e.memoMode == MemoMode::Text);
    if (MUKI != 1)
        e.SG2.setCell(col::Memo, 0, "メモ");
    if (!keys)
        return;
    w.header().applyLabels(*keys);
    for (StringGrid* g : {&e.SG1, &e.SG2}) {
        g->setCell(col::Description, 0, keys->descriptionHeading);
        g->setCell(col::Shape, 0, keys->shapeHeading);
        if (keys->memoHeading)
            g->setCell(col::Memo, 0, *keys->memoHeading);
    }
    w.options().Sunpou->setText(QString::fromStdString(keys->shapeHeading));
    e.HASU_MODE = keys->HASU_MODE;
    st.exitConfirmation = keys->exitConfirmation;
    st.verticalLine = keys->verticalLine;
    st.partsCaptions = keys->partsCaptions;
    e.notify(Change::Layout);
}

} // namespace yorozu::activation
