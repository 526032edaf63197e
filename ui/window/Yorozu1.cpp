#include "ui/window/Yorozu1.h"

#include "core/calc/Numbers.h"
#include "ui/app/AppException.h"
#include "ui/window/FunctionKeys.h"
#include "ui/header/HeaderFields.h"
#include "ui/header/OptionControls.h"
#include "ui/window/PickListCommands.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/StatusPanels.h"
#include "ui/window/ToolBar.h"
#include "ui/sheet/TotalsGrid.h"
#include "ui/colors/WinColor.h"
#include "ui/window/WindowKeys.h"
#include "ui/window/WindowRooms.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace yorozu {

TYorozu::TYorozu(std::filesystem::path programDir, Dialogs& dialogs, Desktop desktop, QWidget* parent)
    : QMainWindow(parent), programDir_(std::move(programDir)), dialogs_(dialogs), desktop_(std::move(desktop))
{
    const Desktop own = Desktop::of(*this);
    if (!desktop_.screen)
        desktop_.screen = own.screen;
    if (!desktop_.workArea)
        desktop_.workArea = own.workArea;
    setObjectName(QStringLiteral("Yorozu"));
    setWindowTitle(QStringLiteral("見積書作成"));
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(12);
    setFont(f);
    buildWidgets();
    estimate_.addListener([this](Change c) { onDocumentChange(c); });
    FormCreate();
}

TYorozu::~TYorozu()
{
    Timer1->stop();
    // The sheet's editors watch the sheet, its viewport and their own
    // widgets; they go first, so that nothing reaches them from widgets
    // half taken down.
    delete sheetEditor_;
    sheetEditor_ = nullptr;
    // The widgets read the estimate while they are taken down; they go before it does.
    delete takeCentralWidget();
    // FormDestroy: the images go with the window.
    state_.images.clear();
}

void TYorozu::buildWidgets()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    toolBar_ = new ToolBar(client);
    connect(toolBar_, &ToolBar::clicked, this, [this](const QString& name) {
        guarded("toolbar", [&] {
            static const std::pair<const char*, void (*)(TYorozu&)> actions[] = {
                {"SpeedButton4", [](TYorozu& w) { w.SpeedButton4Click(); }},
                {"SpeedButton3", [](TYorozu& w) { CommandHooks::run(w.hooks().filePanel); }},
                {"SpeedButton5", [](TYorozu& w) { commands::save(w); }},
                {"SpeedButton6", [](TYorozu& w) { CommandHooks::run(w.hooks().print); }},
                {"SpeedButton11", [](TYorozu& w) { w.SpeedButton11Click(true); }},
                {"SpeedButton7", [](TYorozu& w) { CommandHooks::run(w.hooks().browseFirst); }},
                {"SpeedButton8", [](TYorozu& w) { CommandHooks::run(w.hooks().browsePrevious); }},
                {"SpeedButton9", [](TYorozu& w) { CommandHooks::run(w.hooks().browseNext); }},
                {"SpeedButton10", [](TYorozu& w) { CommandHooks::run(w.hooks().browseLast); }},
                {"SpeedButton12", [](TYorozu& w) { w.SpeedButton12Click(); }},
                {"SpeedButton1", [](TYorozu& w) { CommandHooks::run(w.hooks().settingsDialog); }},
                {"SpeedButton16", [](TYorozu& w) { w.SpeedButton16Click(); }},
                {"SpeedButton18", [](TYorozu& w) { CommandHooks::run(w.hooks().preview); }},
                {"SpeedButton19", [](TYorozu& w) { CommandHooks::run(w.hooks().search); }},
                {"SpeedButton23", [](TYorozu& w) { CommandHooks::run(w.hooks().partsPanel); }},
                {"SpeedButton25", [](TYorozu& w) { w.SpeedButton25Click(); }},
            };
            for (const auto& [n, act] : actions)
                if (name == QLatin1String(n))
                    act(*this);
        });
    });
    connect(toolBar_, &ToolBar::rightClicked, this, [this](const QString& name) {
        guarded("toolbar", [&] {
            if (name == QLatin1String("SpeedButton6"))
                CommandHooks::run(hooks_.printCover);
            else if (name == QLatin1String("SpeedButton18"))
                CommandHooks::run(hooks_.previewCover);
        });
    });

    header_ = new HeaderFields(estimate_, client, [this] { return fromWinColor(state_.colors[ColorTable::Editor]); });
    options_ = new OptionControls(estimate_, client);
    options_->onMukiClicked = [this] { guarded("MUKIClick", [this] { MUKIClick(); }); };
    connect(options_->KAKERITU_IKATU, &QPushButton::clicked, this,
            [this] { guarded("KAKERITU_IKATU", [this] { KAKERITU_IKATUClick(); }); });
    connect(options_->SpeedButton2, &QPushButton::clicked, this,
            [this] { guarded("SpeedButton2", [this] { CommandHooks::run(hooks_.colourMenu); }); });
    connect(options_->SpeedButton22, &QPushButton::clicked, this,
            [this] { guarded("SpeedButton22", [this] { SpeedButton22Click(); }); });

    sheetModel_ = new SheetModel(estimate_, estimate_.SG1, SheetModel::Look::Sheet, state_.colors.values, this);
    sheet_ = new SheetView(*sheetModel_, client);
    sheet_->setObjectName(QStringLiteral("SG1"));
    sheet_->setGeometry(20, 185, 979, 464);

    totalsGrid_ = new TotalsGrid(estimate_, state_.colors.values, client, sheet_);

    keys_ = new FunctionKeys(
        this, client, [this](int pos) { guarded("menu", [&] { runMenuItem(pos); }); },
        [this](int n) { guarded("label", [&] { runLabel(n); }); });

    status_ = new StatusPanels(statusBar(), client);

    CB1 = new QComboBox(client);
    CB1->setObjectName(QStringLiteral("CB1"));
    CB1->setEditable(true);
    CB1->addItem(QString()); // the unit list starts with one empty entry
    CB1->hide();

    DATA_PATH = new QLabel(client);
    DATA_PATH->setObjectName(QStringLiteral("DATA_PATH"));
    DATA_PATH->hide(); // shown with the browser's file panel

    pickLists_ = new PickListCommands(*this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] { guarded("Timer1Timer", [this] { Timer1Timer(); }); });

    windowKeys_ = new WindowKeys(*this);

    // The in-place editors of the sheet; the unit combo stays the window's
    // CB1 with its pick list.
    sheetEditor_ = new SheetEditor(
        sheet_, estimate_, programDir_, dialogs_,
        [this](int gridRow) {
            if (gridRow > 0)
                sheetModel_->rowChanged(gridRow);
            else
                sheetModel_->cellsChanged();
        },
        CB1);
    sheetEditor_->editorColor = [this] { return fromWinColor(state_.colors[ColorTable::Editor]); };
    hooks_.ENZAN = [this] { sheetEditor_->ENZAN(); };
    // The sheet's menu also carries the row commands, on the current row.
    QMenu* cellMenu = sheetEditor_->PopupMenu1;
    cellMenu->addSeparator();
    QAction* N13 = cellMenu->addAction(QStringLiteral("行挿入"));
    N13->setObjectName(QStringLiteral("N13"));
    connect(N13, &QAction::triggered, this, [this] {
        guarded("N13Click", [this] { commands::insertRow(*this); });
        sheetEditor_->focusSheet();
    });
    QAction* N14 = cellMenu->addAction(QStringLiteral("行削除"));
    N14->setObjectName(QStringLiteral("N14"));
    connect(N14, &QAction::triggered, this, [this] {
        guarded("N14Click", [this] { commands::deleteRow(*this); });
        sheetEditor_->focusSheet();
    });
}

void TYorozu::onDocumentChange(Change change)
{
    switch (change) {
    case Change::Cells:
        sheetModel_->cellsChanged();
        break;
    case Change::Layout:
        sheetModel_->headingsChanged();
        sheet_->applyWidths();
        break;
    case Change::Header:
        header_->refreshFromDocument();
        break;
    case Change::Options:
        options_->refreshFromDocument();
        // Ticking the inclusive tax closes the totals grid.
        if (!estimate_.SG_KEI_visible && totalsGrid_->isShown())
            totalsGrid_->hide();
        break;
    case Change::Totals:
        sheetModel_->cellsChanged();
        showTotals();
        break;
    }
}

void TYorozu::showTotals()
{
    header_->refreshTotal();
    for (int p = 2; p <= 6; ++p)
        status_->setText(p, QString::fromStdString(estimate_.panels[static_cast<size_t>(p)]));
    status_->setText(7, QString::fromStdString(hasuModeName(estimate_.HASU_MODE)));
}

void TYorozu::setOuterHeight(int h)
{
    const int frame = frameGeometry().height() - geometry().height();
    resize(width(), h - (frame > 0 ? frame : kFrameAllowance));
}

void TYorozu::recalculateAll()
{
    estimate_.recalculateAll();
    showTotals();
}

// ---- life cycle

void TYorozu::FormCreate()
{
    guarded("FormCreate", [this] { startup::FormCreate(*this); });
}

void TYorozu::FormActivate()
{
    guarded("FormActivate", [this] { activation::FormActivate(*this); });
}

void TYorozu::MUKIClick()
{
    activation::MUKIClick(*this);
}

void TYorozu::FormClose()
{
    shutdown::FormClose(*this);
}

bool TYorozu::event(QEvent* e)
{
    const bool r = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return r;
}

void TYorozu::closeEvent(QCloseEvent* e)
{
    FormClose();
    Timer1->stop();
    e->accept();
}

void TYorozu::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    // The wide display gives the extra width to the sheet and the toolbar.
    const int extra = std::max(0, width() - kDesignWidth);
    sheet_->resize(979 + extra, sheet_->height());
    toolBar_->bar()->resize(kDesignWidth + extra, toolBar_->bar()->height());
}

// ---- settings files

void TYorozu::SET2_YOMIKOMI() { startup::SET2_YOMIKOMI(*this); }
void TYorozu::SET2_KAKIDASI() { shutdown::SET2_KAKIDASI(*this); }
void TYorozu::SET1_YOMIKOMI() { activation::readCompanySettings(*this, 1); }
void TYorozu::SET3_YOMIKOMI() { activation::readCompanySettings(*this, 0); }
void TYorozu::COMBO_YOMIKOMI() { startup::COMBO_YOMIKOMI(*this); }
void TYorozu::COMBO_KAKIDASI() { shutdown::COMBO_KAKIDASI(*this); }
void TYorozu::BANGOU_CALL() { startup::BANGOU_CALL(*this); }

// ---- commands

void TYorozu::SpeedButton4Click() { commands::exitWithQuestions(*this); }
void TYorozu::Exit1Click() { commands::exitAfterQuestion(*this); }
void TYorozu::SpeedButton11Click(bool ask) { commands::clear(*this, ask); }
void TYorozu::N18Click() { commands::clear(*this, true); }
void TYorozu::Timer1Timer() { commands::saveReminder(*this); }
void TYorozu::SpeedButton16Click() { commands::openManual(*this); }
void TYorozu::SpeedButton25Click() { commands::openWebPage(*this); }
void TYorozu::StaticText16Click() { commands::wideDisplay(*this); }
void TYorozu::SpeedButton12Click() { commands::totalsByClassification(*this); }
void TYorozu::SpeedButton22Click() { commands::resetSheetWidths(*this); }
void TYorozu::KAKERITU_IKATUClick() { commands::rateConversionMenu(*this); }
void TYorozu::N76Click() { commands::rateConversion(*this, col::CostPrice); }
void TYorozu::N77Click() { commands::rateConversion(*this, col::UnitPrice); }
void TYorozu::MENU_ITEM(std::optional<int> functionKey) { keys_->MENU_ITEM(functionKey); }
void TYorozu::runMenuItem(int position) { commands::runMenuItem(*this, position); }
void TYorozu::runLabel(int n) { commands::runLabel(*this, n); }

} // namespace yorozu
