// What the window does each time it becomes active, and on a change of orientation.
#include "core/calc/Numbers.h"
#include "files/settings/WindowCompanySettings.h"
#include "ui/header/HeaderFields.h"
#include "ui/header/OptionControls.h"
#include "ui/parts/PartsPanel.h"
#include "files/settings/ProgramFiles.h"
#include "ui/window/StatusPanels.h"
#include "ui/window/WindowRooms.h"
#include "ui/window/Yorozu1.h"

#include <QCheckBox>

namespace yorozu::activation {

void FormActivate(TYorozu& w)
{
    // On a short desktop the window takes the work area's height.
    const QRect area = w.desktop().workArea();
    const int bottom = area.y() + area.height();
    if (bottom > 700 && bottom < 800)
        w.setOuterHeight(bottom);
    MUKIClick(w);
    w.status().showToday();
    w.status().showProductInformation();
}

void MUKIClick(TYorozu& w)
{
    auto& e = w.estimate();
    readCompanySettings(w, e.MUKI);
    w.state().images.load(w.programDir(), companyFileName(e.MUKI));
    w.recalculateAll();
}

void readCompanySettings(TYorozu& w, int MUKI)
{
    auto& e = w.estimate();
    auto& st = w.state();
    const auto keys = readWindowCompanySettings(w.programDir(), MUKI, e.memoMode);
    applyWindowCompanySettings(keys, e);
    if (!keys.fileFound)
        return;
    w.header().applyLabels(keys);
    if (keys.SunpouCaption)
        w.options().Sunpou->setText(QString::fromStdString(*keys.SunpouCaption));
    st.exitConfirmation = keys.exitConfirmation;
    st.verticalLine = keys.verticalLinePosition;
    st.partsCaptions = keys.partsButtonCaptions;
    if (auto* parts = w.partsPanel())
        parts->setDefaultPageCaptions(st.partsCaptions);
}

} // namespace yorozu::activation
