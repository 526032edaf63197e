// What the window does each time it becomes active, and on a change of orientation.
#include "core/Numbers.h"
#include "files/WindowCompanySettings.h"
#include "ui/HeaderFields.h"
#include "ui/OptionControls.h"
#include "ui/ProgramFiles.h"
#include "ui/StatusPanels.h"
#include "ui/WindowRooms.h"
#include "ui/Yorozu1.h"

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
    const std::string file = companyFileName(e.MUKI);
    readCompanySettings(w, e.MUKI);
    w.state().images.load(w.programDir(), file);
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
}

} // namespace yorozu::activation
