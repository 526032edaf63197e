#include "ui/window/Yorozu1.h"

#include "core/calc/Numbers.h"
#include "ui/app/AppException.h"
#include "ui/browser/Browser.h"
#include "ui/browser/BrowserHost.h"
#include "ui/window/FunctionKeys.h"
#include "ui/header/HeaderFields.h"
#include "ui/header/OptionControls.h"
#include "ui/parts/PartsHost.h"
#include "ui/parts/PartsPanel.h"
#include "ui/window/PartsWiring.h"
#include "ui/window/PickListCommands.h"
#include "ui/print/PrintRoom.h"
#include "ui/rows/RowRoom.h"
#include "ui/settings/SettingsRoom.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetModel.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/StatusPanels.h"
#include "ui/window/ToolBar.h"
#include "ui/sheet/TotalsGrid.h"
#include "ui/colors/WinColor.h"
#include "ui/window/WindowKeys.h"
#include "ui/window/WindowRooms.h"

#include <QApplication>
#include <algorithm>
#include <QCloseEvent>
#include <QResizeEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

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
    // The panel starts from the settings the start-up has read.
    partsPanel_ = installPartsPanel(*this, centralWidget(), partsHost_);
}

TYorozu::~TYorozu()
{
    Timer1->stop();
    // The sheet's editors watch the sheet, its viewport and their own
    // widgets; they go first, so that nothing reaches them from widgets
    // half taken down.
    delete sheetEditor_;
    sheetEditor_ = nullptr;
    delete rowRoom_; // it watches the sheet's viewport too
    rowRoom_ = nullptr;
    delete printRoom_;
    printRoom_ = nullptr;
    // The widgets read the estimate while they are taken down; they go before it does.
    delete takeCentralWidget();
    // FormDestroy: the images go with the window.
    state_.images.clear();
}

namespace {

// The window's client area; it lays its children out whenever its size changes.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget* parent, std::function<void()> resized) : QWidget(parent), resized_(std::move(resized)) {}

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        if (resized_)
            resized_();
    }

private:
    std::function<void()> resized_;
};

} // namespace

void TYorozu::buildWidgets()
{
    // Below the least size (a small or high-DPI screen) the contents scroll
    // instead of being cut off; above it they follow the window's size.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("clientScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    auto* client = new ClientArea(scroller, [this] { layoutClient(); });
    client->setObjectName(QStringLiteral("client"));
    client->setMinimumSize(kDesignWidth, kSheetTop + kMinSheetHeight + 4 + kPathHeight + kKeysHeight + kKeysBottomMargin);
    scroller->setWidget(client);
    setCentralWidget(scroller);

    registerOwnCommands();
    toolBar_ = new ToolBar(client, commands_);

    header_ = new HeaderFields(estimate_, client, [this] { return fromWinColor(state_.colors[ColorTable::Editor]); });
    options_ = new OptionControls(estimate_, client);
    options_->onMukiClicked = [this] { guarded("MUKIClick", [this] { MUKIClick(); }); };
    connect(options_->KAKERITU_IKATU, &QPushButton::clicked, this,
            [this] { commands_.trigger(Command::RateConversionMenu); });
    connect(options_->SpeedButton2, &QPushButton::clicked, this, [this] { commands_.trigger(Command::ColourMenu); });
    connect(options_->SpeedButton22, &QPushButton::clicked, this,
            [this] { commands_.trigger(Command::ResetSheetWidths); });

    sheetModel_ = new SheetModel(estimate_, estimate_.SG1, SheetModel::Look::Sheet, state_.colors.values, this);
    sheet_ = new SheetView(*sheetModel_, client);
    sheet_->setObjectName(QStringLiteral("SG1"));
    sheet_->setGeometry(20, 185, 979, 464);

    totalsGrid_ = new TotalsGrid(estimate_, state_.colors.values, client, sheet_);

    keys_ = new FunctionKeys(
        this, client, [this](int pos) { guarded("menu", [&] { runMenuItem(pos); }); },
        [this](int n) { guarded("label", [&] { runLabel(n); }); });

    status_ = new StatusPanels(statusBar(), client);
    // The panels narrow with the window; the bar itself asks for no width.
    statusBar()->setMinimumWidth(1);

    CB1 = new QComboBox(client);
    CB1->setObjectName(QStringLiteral("CB1"));
    CB1->setEditable(true);
    CB1->addItem(QString()); // the unit list starts with one empty entry
    CB1->hide();

    DATA_PATH = new QLabel(client);
    DATA_PATH->setObjectName(QStringLiteral("DATA_PATH"));
    DATA_PATH->setGeometry(20, kSheetTop, 417, kPathHeight); // placed by layoutClient

    pickLists_ = new PickListCommands(roomContext(), *header_, CB1, this);

    browserHost_ = browsing::makeHost(*this);
    browser_ = new Browser(client, DATA_PATH, estimate_, dialogs_, programDir_,
                           {state_.dataPath, state_.currentFileIndex, state_.currentFile, state_.escFlag},
                           *browserHost_);
    browsing::attach(*this, *browser_);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, [this] { guarded("Timer1Timer", [this] { Timer1Timer(); }); });

    // On return from the settings dialog the window takes in what it changed.
    settingsRoom_ = std::make_unique<SettingsRoom>(roomContext(), Timer1, [this] { MUKIClick(); });

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
    windowKeys_->recordBeforeEditors();
    sheetEditor_->keySeen = [this](const QKeyEvent& k) { windowKeys_->note(k); };
    // The row commands, on the sheet's menu, its keys and its buttons.
    rowRoom_ = new RowRoom(roomContext(), *sheet_, *sheetEditor_, client,
                           [this] { header_->KNAME->setFocus(Qt::OtherFocusReason); });
    // Print, preview and the cover prints.
    printRoom_ = new PrintRoom(roomContext(), state_.images);
}

void TYorozu::registerOwnCommands()
{
    // The commands the window carries out itself. The browser, printing,
    // the preview, the search, the parts panel, the settings dialog and the
    // colour menu register theirs when they are given their context.
    const std::pair<Command, void (*)(TYorozu&)> own[] = {
        {Command::Exit, commands::exitWithQuestions},
        {Command::ExitAfterQuestion, commands::exitAfterQuestion},
        {Command::Save, commands::save},
        {Command::TextExport, commands::textExport},
        {Command::Clear, [](TYorozu& w) { commands::clear(w, true); }},
        {Command::TotalsByClassification, commands::totalsByClassification},
        {Command::Manual, commands::openManual},
        {Command::WebPage, commands::openWebPage},
        {Command::BeepDeleteRow,
         [](TYorozu& w) {
             QApplication::beep();
             w.commands().run(Command::DeleteRow);
         }},
        {Command::WideDisplay, commands::wideDisplay},
        {Command::ResetSheetWidths, commands::resetSheetWidths},
        {Command::RateConversionMenu, commands::rateConversionMenu},
        {Command::RateFromCost, [](TYorozu& w) { commands::rateConversion(w, col::CostPrice); }},
        {Command::RateFromPrice, [](TYorozu& w) { commands::rateConversion(w, col::UnitPrice); }},
    };
    for (const auto& [command, handler] : own)
        commands_.set(command, [this, handler] { handler(*this); });
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
        if (partsPanel_)
            partsPanel_->shapeChanged();
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

RoomContext TYorozu::roomContext()
{
    return RoomContext{estimate_, dialogs_, programDir_, commands_, hooks_, *this};
}

void TYorozu::repaintSheet()
{
    sheet_->viewport()->update();
}

void TYorozu::focusSheet()
{
    sheet_->setFocus();
}

int TYorozu::currentRow() const
{
    return sheet_->currentGridRow();
}

void TYorozu::setWaitCursor(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TYorozu::showProgress(int position, int maximum)
{
    auto* bar = status_->PB1;
    bar->show();
    bar->setRange(0, std::max(1, maximum));
    bar->setValue(std::clamp(position, 0, std::max(1, maximum)));
    QApplication::processEvents();
}

void TYorozu::hideProgress()
{
    status_->PB1->hide();
}

// ---- life cycle

void TYorozu::FormCreate()
{
    guarded("FormCreate", [this] { startup::FormCreate(*this); });
    // The design size on a desktop too small for it (a high-DPI scale
    // counts here): the window never opens larger than the work area.
    fitIntoWorkArea();
    layoutClient();
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

void TYorozu::closeForGood()
{
    exitDecided_ = true;
    close();
    exitDecided_ = false;
}

void TYorozu::closeEvent(QCloseEvent* e)
{
    // The title bar's close is the exit command: with the exit confirmation
    // on it asks first, and unsaved work is never dropped unasked.
    if (!exitDecided_) {
        bool mayClose = false;
        guarded("close", [&] { mayClose = commands::mayExit(*this); });
        if (!mayClose) {
            e->ignore();
            return;
        }
    }
    FormClose();
    Timer1->stop();
    e->accept();
}

void TYorozu::layoutClient()
{
    if (!sheet_ || !keys_ || !toolBar_)
        return; // still being built
    QWidget* client = sheet_->parentWidget();
    // The wide display gives the extra width to the sheet and the toolbar.
    const int extra = std::max(0, client->width() - kDesignWidth);
    toolBar_->bar()->resize(kDesignWidth + extra, toolBar_->bar()->height());
    // The label bar keeps its design distance from the bottom; the sheet
    // takes the height between its top and the bar.
    const int keysTop = std::max(kSheetTop + kMinSheetHeight + 4 + kPathHeight, client->height() - kKeysHeight - kKeysBottomMargin);
    keys_->setTop(keysTop);
    // The data folder's line sits under the sheet, clear of the header fields.
    const int pathTop = keysTop - 2 - kPathHeight;
    sheet_->setGeometry(sheet_->x(), kSheetTop, 979 + extra, pathTop - 2 - kSheetTop);
    if (DATA_PATH)
        DATA_PATH->move(sheet_->x(), pathTop);
    if (partsPanel_ && partsPanel_->isShown())
        partsPanel_->place();
}

void TYorozu::fitIntoWorkArea()
{
    const QRect area = desktop_.workArea();
    if (area.isEmpty())
        return;
    // Before the window is first shown the frame is not known yet.
    int frameW = frameGeometry().width() - geometry().width();
    int frameH = frameGeometry().height() - geometry().height();
    if (frameH <= 0 && !isVisible())
        frameH = kFrameAllowance;
    frameW = std::max(frameW, 0);
    const int w = std::min(width(), area.width() - frameW);
    const int h = std::min(height(), area.height() - frameH);
    if (w != width() || h != height())
        resize(w, h);
    const int x = std::clamp(pos().x(), area.left(), std::max(area.left(), area.right() + 1 - w - frameW));
    const int y = std::clamp(pos().y(), area.top(), std::max(area.top(), area.bottom() + 1 - h - frameH));
    if (x != pos().x() || y != pos().y())
        move(x, y);
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

void TYorozu::SpeedButton4Click() { commands_.run(Command::Exit); }
void TYorozu::Exit1Click() { commands_.run(Command::ExitAfterQuestion); }
void TYorozu::SpeedButton11Click(bool ask)
{
    if (ask)
        commands_.run(Command::Clear);
    else
        commands::clear(*this, false);
}
void TYorozu::N18Click() { commands_.run(Command::Clear); }
void TYorozu::Timer1Timer() { commands::saveReminder(*this); }
void TYorozu::SpeedButton16Click() { commands_.run(Command::Manual); }
void TYorozu::SpeedButton25Click() { commands_.run(Command::WebPage); }
void TYorozu::StaticText16Click() { commands_.run(Command::WideDisplay); }
void TYorozu::SpeedButton12Click() { commands_.run(Command::TotalsByClassification); }
void TYorozu::SpeedButton22Click() { commands_.run(Command::ResetSheetWidths); }
void TYorozu::KAKERITU_IKATUClick() { commands_.run(Command::RateConversionMenu); }
void TYorozu::N76Click() { commands_.run(Command::RateFromCost); }
void TYorozu::N77Click() { commands_.run(Command::RateFromPrice); }
void TYorozu::MENU_ITEM(std::optional<int> functionKey) { keys_->MENU_ITEM(functionKey); }

void TYorozu::runMenuItem(int position)
{
    // The shortcuts act only on the window the user sees.
    if (!isVisible())
        return;
    if (const auto command = FunctionKeys::itemCommand(position))
        commands_.run(*command);
}

void TYorozu::runLabel(int n)
{
    if (const auto command = keys_->labelCommand(n))
        commands_.run(*command);
}

} // namespace yorozu
