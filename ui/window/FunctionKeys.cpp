#include "ui/window/FunctionKeys.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

namespace yorozu {

namespace {

struct ItemDef {
    const char* name;
    const char* caption;
    int shortcut; // a Ctrl+digit, 0 for none
    int tag;
    std::optional<Command> command;
};

constexpr std::nullopt_t kNone = std::nullopt;

// In menu order: "SET2.INI" stores the positions.
const ItemDef kItemDefs[FunctionKeys::kItems] = {
    {"N8", "部品", 0, 0, kNone},
    {"SG11", "SG1ﾌｫｰｶｽ", Qt::Key_0, 0, Command::TextExport},
    {"Exit1", "終了", Qt::Key_1, 0, Command::ExitAfterQuestion},
    {"File1", "ファイル", Qt::Key_2, 0, kNone},
    {"Post1", "登録", Qt::Key_3, 0, Command::Save},
    {"N17", "印刷", Qt::Key_4, 0, Command::Print},
    {"N18", "白紙", Qt::Key_6, 0, Command::Clear},
    {"N19", "集計", Qt::Key_7, 0, Command::TotalsByClassification},
    {"N20", "行挿入", Qt::Key_8, 0, Command::InsertRow},
    {"N21", "行削除", Qt::Key_9, 0, Command::BeepDeleteRow},
    {"N22", "移動", 0, 0, kNone},
    {"key1", "key", Qt::Key_5, 0, Command::PartsPanel},
    {"N24", "切替", Qt::Key_Backslash, 0, kNone},
    {"F11", "F1終了", 0, 1, Command::ExitAfterQuestion},
    {"F21", "F2データ", 0, 2, Command::FilePanel},
    {"F31", "F3登録", 0, 3, Command::Save},
    {"F41", "F4印刷", 0, 4, Command::Print},
    {"F51", "F5部品", 0, 5, Command::PartsPanel},
    {"F61", "F6白紙", 0, 6, Command::Clear},
    {"F71", "F7集計", 0, 7, Command::TotalsByClassification},
    {"F81", "F8挿入", 0, 8, Command::InsertRow},
    {"F91", "F9削除", 0, 9, Command::BeepDeleteRow},
    {"F101", "F10 WIDTH", 0, 10, Command::WideDisplay},
    {"F111", "F11移動", 0, 11, kNone},
    {"F121", "F12切替", 0, 12, kNone},
};

struct LabelDef {
    const char* caption;
    QColor color;
    std::optional<Command> command;
};

QColor win(unsigned v)
{
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

QKeySequence fkey(int k)
{
    return QKeySequence(static_cast<int>(Qt::Key_F1) + k - 1);
}

} // namespace

FunctionKeys::FunctionKeys(QWidget* window, QWidget* labelParent, std::function<void(int)> runItem,
                           std::function<void(int)> runLabel)
    : QObject(window), runItem_(std::move(runItem)), runLabel_(std::move(runLabel))
{
    MainMenu1 = new QMenu(window);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    for (int pos = 0; pos < kItems; ++pos) {
        const auto& d = kItemDefs[pos];
        auto* a = new QAction(QString::fromUtf8(d.caption), window);
        a->setObjectName(QString::fromLatin1(d.name));
        a->setData(d.tag);
        a->setShortcutContext(Qt::WindowShortcut);
        if (d.shortcut == Qt::Key_Backslash)
            // The yen key: a Japanese layout reports it as the yen sign or the backslash.
            a->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Backslash), QKeySequence(Qt::CTRL | Qt::Key_yen)});
        else if (d.shortcut)
            a->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(d.shortcut)));
        connect(a, &QAction::triggered, this, [this, pos] { runItem_(pos); });
        MainMenu1->addAction(a);
        // Added to the window so the shortcuts work although the menu is never shown.
        window->addAction(a);
        items_[static_cast<size_t>(pos)] = a;
    }

    const LabelDef labelDefs[kLabels] = {
        {"1 終了", win(0xD5FDFC), Command::Exit},
        {"2 データ", win(0xD5FDFC), Command::FilePanel},
        {"3 登録", win(0xD5FDFC), Command::Save},
        {"4 印刷", win(0xD5FDFC), Command::Print},
        {"5 部品", QColor(0, 255, 255), Command::PartsPanel},
        {"6 白紙", QColor(Qt::white), Command::Clear},
        {"7 集計", win(0xD5FDFC), Command::TotalsByClassification},
        {"8 行挿入", win(0xFF8080), Command::InsertRow},
        {"9 行削除", QColor(255, 0, 0), Command::DeleteRow},
        {"10 WIDE", win(0xD5FDFC), Command::WideDisplay},
        {"", win(0xD5FDFC), kNone},
        {"￥ ", win(0x40FF00), kNone},
    };
    for (int i = 0; i < kLabels; ++i) {
        auto* l = new QLabel(QString::fromUtf8(labelDefs[i].caption), labelParent);
        l->setObjectName(QStringLiteral("StaticText%1").arg(i + 7));
        l->setAlignment(Qt::AlignCenter);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setAutoFillBackground(true);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, labelDefs[i].color);
        pal.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(pal);
        // 76 or 77 pixels apart, so twelve labels fill the bar evenly.
        l->setGeometry(72 + (i * 153) / 2, 653, 73, 20);
        l->setToolTipDuration(4000);
        l->installEventFilter(this);
        labels_[static_cast<size_t>(i)] = l;
        labelCommands_[static_cast<size_t>(i)] = labelDefs[i].command;
    }
    StaticText20 = new QLabel(QStringLiteral("Ctrl+"), labelParent);
    StaticText20->setObjectName(QStringLiteral("StaticText20"));
    StaticText20->setAlignment(Qt::AlignCenter);
    StaticText20->setAutoFillBackground(true);
    QPalette pal = StaticText20->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 0));
    StaticText20->setPalette(pal);
    StaticText20->setGeometry(20, 653, 46, 20);
    StaticText20->setToolTip(QStringLiteral("ｼｮｰﾄｶｯﾄｷｰCtrl＋テンキーでない数字を押して下さい。"));

    PopupMenu13 = new QMenu(window);
    PopupMenu13->setObjectName(QStringLiteral("PopupMenu13"));
    for (int k = 1; k <= 12; ++k)
        connect(PopupMenu13->addAction(QStringLiteral("F%1").arg(k)), &QAction::triggered, this, [this, k] { MENU_ITEM(k); });
    connect(PopupMenu13->addAction(QStringLiteral("設定しない")), &QAction::triggered, this,
            [this] { MENU_ITEM(std::nullopt); });
}

std::optional<Command> FunctionKeys::itemCommand(int position)
{
    if (position < 0 || position >= kItems)
        return std::nullopt;
    return kItemDefs[position].command;
}

std::optional<Command> FunctionKeys::labelCommand(int n) const
{
    if (n < 1 || n > kLabels)
        return std::nullopt;
    return labelCommands_[static_cast<size_t>(n - 1)];
}

std::optional<int> FunctionKeys::functionKeyOf(int position) const
{
    const auto seq = item(position)->shortcut();
    for (int k = 1; k <= 12; ++k)
        if (seq == fkey(k))
            return k;
    return std::nullopt;
}

std::optional<int> FunctionKeys::positionOf(int k) const
{
    for (int pos = 0; pos < kItems; ++pos)
        if (functionKeyOf(pos) == k)
            return pos;
    return std::nullopt;
}

void FunctionKeys::assign(int k, int position)
{
    if (k < 1 || k > 12 || position < 0 || position >= kItems)
        return;
    item(position)->setShortcut(fkey(k));
}

QString FunctionKeys::hint(int n) const
{
    return label(n)->toolTip();
}

void FunctionKeys::setHint(int n, const QString& hint)
{
    label(n)->setToolTip(hint);
}

void FunctionKeys::MENU_ITEM(std::optional<int> k)
{
    QApplication::beep();
    // Without a label there is no item to give the key to; nothing is taken either.
    if (popupLabel_ < 1 || popupLabel_ > kLabels)
        return;
    const QKeySequence chosen = k ? fkey(*k) : QKeySequence();
    for (auto* a : items_) {
        if (a->shortcut() == chosen && k)
            a->setShortcut(QKeySequence());
        if (a->data().toInt() == popupLabel_) {
            a->setShortcut(chosen);
            setHint(popupLabel_, k ? QStringLiteral("F-%1").arg(*k) : QString());
        }
    }
}

void FunctionKeys::setTop(int y)
{
    for (auto* l : labels_)
        l->move(l->x(), y);
    StaticText20->move(StaticText20->x(), y);
}

int FunctionKeys::top() const
{
    return StaticText20->y();
}

bool FunctionKeys::eventFilter(QObject* watched, QEvent* event)
{
    for (int n = 1; n <= kLabels; ++n) {
        if (watched != label(n))
            continue;
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* me = static_cast<QMouseEvent*>(event);
            if (me->button() == Qt::LeftButton) {
                runLabel_(n);
            } else if (me->button() == Qt::RightButton) {
                rememberLabel(n);
                PopupMenu13->popup(me->globalPosition().toPoint());
            }
            return true;
        }
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace yorozu
