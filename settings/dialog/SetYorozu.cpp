// The settings dialog's making, its pages, its activation and its close.
#include "settings/dialog/SetYorozu.h"

#include "controls/numedit/SaNumEdit.h"
#include "files/settings/CompanySettingsSlots.h"
#include "settings/fields/NumberField.h"
#include "settings/lists/ClassificationLists.h"
#include "ui/dialogs/Dialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

namespace yorozu {

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 740;
// The design height counts the title bar and frame; Qt sizes the client area.
constexpr int kFrameAllowance = 34;

constexpr const char* kPageCaptions[SettingFields::kPages] = {
    "自社名印刷項目", "項目名編集", "部門・分類名編集", "フォント＆色設定", "太さ調整他", "消費税・備考他", "印鑑・表紙",
};

// The toolbar's slot buttons, slot 1 to 5.
constexpr const char* kSlotButtons[5] = {"SpeedButton28", "SpeedButton27", "SpeedButton26", "SpeedButton29",
                                         "SpeedButton30"};

QToolButton* toolButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setObjectName(QString::fromUtf8(name));
    b->setMinimumSize(64, 32);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

QString fullWidthDigit(int n);

TSetYorozu::TSetYorozu(std::filesystem::path programDir, Orientation orientation, Dialogs& dialogs, QTimer* reminder,
                       QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      programDir_(std::move(programDir)), orientation_(orientation), dialogs_(dialogs), reminder_(reminder),
      mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("SetYorozu"));
    setWindowTitle(QStringLiteral("各種設定"));
    buildWidgets();
    connectFields();
    guarded([this] { YOMIKOMI(); });
    filledMinutes_ = fields_.collect().reminderMinutes;
    PageControl1_->setCurrentIndex(0);
}

TSetYorozu::~TSetYorozu() = default;

void TSetYorozu::buildWidgets()
{
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(4);
    main->addWidget(buildToolBar());

    auto* headerBox = new QWidget(this);
    auto* header = new QGridLayout(headerBox);
    header->setContentsMargins(12, 0, 12, 0);
    header->setColumnStretch(2, 1);
    main->addWidget(headerBox);

    PageControl1_ = new QTabWidget(this);
    PageControl1_->setObjectName(QStringLiteral("PageControl1"));
    std::array<QGridLayout*, SettingFields::kPages> grids{};
    for (int p = 0; p < SettingFields::kPages; ++p) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(p + 1));
        auto* outer = new QVBoxLayout(page);
        if (p == int(SettingsPage::Lists)) {
            lists_ = new ClassificationLists(programDir_, dialogs_, page);
            outer->addWidget(lists_);
        } else {
            auto* holder = new QWidget(page);
            auto* grid = new QGridLayout(holder);
            grid->setHorizontalSpacing(10);
            grid->setVerticalSpacing(5);
            outer->addWidget(holder, 0, Qt::AlignLeft | Qt::AlignTop);
            outer->addStretch(1);
            grids[std::size_t(p)] = grid;
        }
        PageControl1_->addTab(page, QString::fromUtf8(kPageCaptions[p]));
    }
    main->addWidget(PageControl1_, 1);

    // The column headings of the offsets.
    for (auto page : {SettingsPage::Company, SettingsPage::Seals}) {
        QGridLayout* grid = grids[std::size_t(page)];
        grid->addWidget(new QLabel(QStringLiteral("左右（mm）"), grid->parentWidget()), 0, 3, Qt::AlignCenter);
        grid->addWidget(new QLabel(QStringLiteral("上下（mm）"), grid->parentWidget()), 0, 5, Qt::AlignCenter);
    }

    auto* hidden = new QWidget(this);
    hidden->hide();
    fields_.build(header, grids, hidden);
    for (const auto& f : fields_.fields()) {
        if (auto* edit = qobject_cast<QLineEdit*>(f.widget))
            edit->setMinimumWidth(f.layout->page == SettingsPage::Header ? 420 : 300);
    }

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(status);
        panels_[i]->setAlignment(Qt::AlignCenter);
        panels_[i]->setMinimumWidth(i == 0 ? 30 : 160);
        status->addWidget(panels_[i]);
    }
    main->addWidget(status);
}

QWidget* TSetYorozu::buildToolBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 4, 6, 0);
    auto* close = toolButton(QStringLiteral("閉じる"), "SpeedButton4", bar);
    auto* reg = toolButton(QStringLiteral("登録"), "SpeedButton16", bar);
    connect(close, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(reg, &QToolButton::clicked, this, [this] { guarded([this] { SpeedButton16Click(); }); });
    row->addWidget(close);
    row->addWidget(reg);
    row->addSpacing(20);
    for (int slot = 1; slot <= 5; ++slot) {
        const QString digit = fullWidthDigit(slot);
        auto* b = toolButton(QStringLiteral("設定") + digit, kSlotButtons[slot - 1], bar);
        auto* menu = new QMenu(this);
        menu->setObjectName(QStringLiteral("PopupMenu%1").arg(slot));
        auto* load = menu->addAction(QStringLiteral("設定") + digit + QStringLiteral("読込み"));
        load->setObjectName(QStringLiteral("N%1").arg(2 * slot - 1));
        auto* save = menu->addAction(QStringLiteral("設定") + digit + QStringLiteral("保存"));
        save->setObjectName(QStringLiteral("N%1").arg(2 * slot));
        connect(load, &QAction::triggered, this, [this, slot] { guarded([this, slot] { loadSlot(slot); }); });
        connect(save, &QAction::triggered, this, [this, slot] { guarded([this, slot] { saveSlot(slot); }); });
        connect(b, &QToolButton::clicked, this, [b, menu] { menu->popup(b->mapToGlobal(QPoint(40, 45))); });
        slotButtons_[std::size_t(slot - 1)] = b;
        slotMenus_[std::size_t(slot - 1)] = menu;
        row->addWidget(b);
    }
    row->addStretch(1);
    return bar;
}

void TSetYorozu::YOMIKOMI()
{
    try {
        fields_.fill(readCurrentCompanySettings(programDir_, orientation_, SettingsReader::Dialog));
    } catch (const std::exception&) {
        // The controls keep the defaults; registering would replace a file
        // the dialog could not show, so say so now.
        fields_.fill(defaultCompanySettings(orientation_, SettingsReader::Dialog));
        dialogs_.warning(QStringLiteral("設定ファイルを読み込めませんでした。\r\n") +
                         QString::fromStdString(companySettingsFileName(orientation_)));
    }
}

void TSetYorozu::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception&) {
        // The handler stops where it failed; the dialog stays open.
    }
}

QString TSetYorozu::statusText(int panel) const
{
    return panels_.at(std::size_t(panel))->text();
}

bool TSetYorozu::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate || (event->type() == QEvent::Show && !activated_))
        FormActivate();
    return QDialog::event(event);
}

void TSetYorozu::FormActivate()
{
    const QDate today = QDate::currentDate();
    const QLocale ja(QLocale::Japanese, QLocale::Japan);
    panels_[1]->setText(today.toString(QStringLiteral("yyyy/MM/dd")) + QStringLiteral(" (") +
                        ja.dayName(today.dayOfWeek(), QLocale::LongFormat) + QStringLiteral(")"));
    if (activated_)
        return;
    // Placing the dialog and opening the large list happen once, when it is
    // first shown: doing it at every return from a message box would move a
    // dialog the user moved and swap the list being edited.
    activated_ = true;
    if (mainWindow_) {
        move(mainWindow_->frameGeometry().topLeft());
        mainWindow_->hide();
    }
    resize(kWidth, kHeight - kFrameAllowance);
    guarded([this] { lists_->showList(0); });
}

void TSetYorozu::closeEvent(QCloseEvent* event)
{
    if (mainWindow_)
        mainWindow_->show();
    QDialog::closeEvent(event);
}

void TSetYorozu::done(int result)
{
    if (mainWindow_)
        mainWindow_->show();
    QDialog::done(result);
}

} // namespace yorozu
