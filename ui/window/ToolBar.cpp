#include "ui/window/ToolBar.h"

#include "ui/window/CommandTable.h"

#include <QApplication>
#include <QFrame>
#include <QStyle>
#include <QToolButton>

#include <optional>

namespace yorozu {

namespace {

struct ButtonDef {
    const char* name;
    const char* caption;
    const char* hint;
    QStyle::StandardPixmap glyph;
    Command click;
    std::optional<Command> rightClick;
};

constexpr std::nullopt_t kNoRightClick = std::nullopt;

const ButtonDef kButtons[] = {
    {"SpeedButton4", "終了", "見積プログラムを終了します。", QStyle::SP_DialogCloseButton, Command::Exit, kNoRightClick},
    {"SpeedButton3", "データ", "保存してある見積書の一覧表を表示のON/OFF。", QStyle::SP_DirOpenIcon, Command::FilePanel, kNoRightClick},
    {"SpeedButton5", "登録", "表示している見積を保存します。", QStyle::SP_DialogSaveButton, Command::Save, kNoRightClick},
    {"SpeedButton6", "印刷", "右クリックで表紙印刷します。", QStyle::SP_FileDialogDetailedView, Command::Print, Command::PrintCover},
    {"SpeedButton11", "白紙", "表示している見積を白紙に戻します。", QStyle::SP_FileIcon, Command::Clear, kNoRightClick},
    {"SpeedButton7", "先頭", "保存してある見積書の最初のデータを読み込みます。", QStyle::SP_MediaSkipBackward, Command::BrowseFirst, kNoRightClick},
    {"SpeedButton8", "前", "保存してある見積書の前のデータを読み込みます。", QStyle::SP_MediaSeekBackward, Command::BrowsePrevious, kNoRightClick},
    {"SpeedButton9", "次", "保存してある見積書の次のデータを読み込みます。", QStyle::SP_MediaSeekForward, Command::BrowseNext, kNoRightClick},
    {"SpeedButton10", "最後", "保存してある見積書の最後のデータを読み込みます。", QStyle::SP_MediaSkipForward, Command::BrowseLast, kNoRightClick},
    {"SpeedButton12", "集計", "積算集計表表示のON/OFF", QStyle::SP_FileDialogListView, Command::TotalsByClassification, kNoRightClick},
    {"SpeedButton1", "設定", "印刷の諸設定を行います。", QStyle::SP_FileDialogInfoView, Command::SettingsDialog, kNoRightClick},
    {"SpeedButton16", "解説", "解説書を表示します。", QStyle::SP_DialogHelpButton, Command::Manual, kNoRightClick},
    {"SpeedButton18", "ﾌﾟﾚﾋﾞｭｰ", "右クリックで表紙印刷プレビュー", QStyle::SP_FileDialogContentsView, Command::Preview, Command::PreviewCover},
    {"SpeedButton19", "検索", "見積データを検索します。", QStyle::SP_FileDialogStart, Command::Search, kNoRightClick},
    {"SpeedButton23", "部品", "部品表示のON/OFFと自動表示のON/OFF", QStyle::SP_DirIcon, Command::PartsPanel, kNoRightClick},
    {"SpeedButton25", "WebSite", "メーカーのホームページを開きます。", QStyle::SP_DriveNetIcon, Command::WebPage, kNoRightClick},
};

constexpr int kButtonWidth = 45;
constexpr int kButtonHeight = 44;

} // namespace

ToolBar::ToolBar(QWidget* parent, const CommandTable& commands) : QObject(parent)
{
    bar_ = new QFrame(parent);
    bar_->setObjectName(QStringLiteral("ToolBar"));
    static_cast<QFrame*>(bar_)->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    int x = 4;
    for (const auto& d : kButtons) {
        auto* b = new QToolButton(bar_);
        const QString name = QString::fromLatin1(d.name);
        b->setObjectName(name);
        b->setText(QString::fromUtf8(d.caption));
        b->setToolTip(QString::fromUtf8(d.hint));
        b->setToolTipDuration(4000);
        b->setIcon(QApplication::style()->standardIcon(d.glyph));
        b->setIconSize(QSize(20, 20));
        QFont small = b->font();
        small.setPixelSize(11);
        b->setFont(small);
        b->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; }"));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(x, 2, kButtonWidth, kButtonHeight);
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QToolButton::clicked, this, [&commands, c = d.click] { commands.trigger(c); });
        if (d.rightClick)
            connect(b, &QToolButton::customContextMenuRequested, this,
                    [&commands, c = *d.rightClick] { commands.trigger(c); });
        buttons_[name] = b;
        x += kButtonWidth + 1;
    }
    bar_->setGeometry(0, 0, 1024, kButtonHeight + 4);
}

QToolButton* ToolBar::button(const QString& name) const
{
    const auto it = buttons_.find(name);
    return it == buttons_.end() ? nullptr : it->second;
}

} // namespace yorozu
