// The row room: its menu items on the sheet's menu, its buttons, its
// commands in the window's table and the drag of a row by its number.
#include "ui/rows/RowRoom.h"

#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/CommandHooks.h"
#include "ui/window/CommandTable.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include <cstdlib>

namespace yorozu {

RowRoom::RowRoom(const RoomContext& context, SheetView& sheet, SheetEditor& editor, QWidget* buttons,
                 std::function<void()> focusCustomer)
    : QObject(&sheet), context_(context), sheet_(sheet), editor_(editor), focusCustomer_(std::move(focusCustomer))
{
    beep = [] { QApplication::beep(); };
    registerCommands();
    buildMenu();
    buildButtons(buttons);
    sheet_.viewport()->installEventFilter(this);
    QPointer<RowRoom> self(this);
    context_.estimate.addListener([self](Change c) {
        if (self && (c == Change::Options || c == Change::Layout))
            self->refreshMemoCaption();
    });
    refreshMemoCaption();
}

void RowRoom::registerCommands()
{
    auto& t = context_.commands;
    t.set(Command::InsertRow, [this] { insertRow(); });
    t.set(Command::DeleteRow, [this] { deleteRow(); });
    t.set(Command::CopyRow, [this] { copyRow(); });
    t.set(Command::PasteRow, [this] { pasteRow(); });
    t.set(Command::BlockCopy, [this] { blockCopy(); });
    t.set(Command::BlockPasteInsert, [this] { blockPaste(true); });
    t.set(Command::BlockPasteOverwrite, [this] { blockPaste(false); });
    t.set(Command::DragMode, [this] { dragMode(); });
    t.set(Command::Numbering, [this] { numbering(); });
    t.set(Command::Indent, [this] { indent(); });
    t.set(Command::Unindent, [this] { unindent(); });
    t.set(Command::MemoAttribute, [this] { memoAttribute(); });
    t.set(Command::MemoDisplay, [this] { memoDisplay(); });
}

void RowRoom::buildMenu()
{
    // On the sheet's menu (and its editors'), acting on the current row.
    QMenu* menu = editor_.PopupMenu1;
    menu->addSeparator();
    const struct {
        const char* name;
        const char* text;
        Command command;
        bool separatorBefore;
    } items[] = {
        {"N13", "行挿入", Command::InsertRow, false},
        {"N14", "行削除", Command::DeleteRow, false},
        {"N16", "行複写", Command::CopyRow, true},
        {"N15", "行貼り付け", Command::PasteRow, false},
        {"N66", "ブロックコピー", Command::BlockCopy, true},
        {"N67", "ブロック貼り付け　(挿入)", Command::BlockPasteInsert, false},
        {"N68", "ブロック貼り付け　(上書き)", Command::BlockPasteOverwrite, false},
        {"N41", "ドラッグモード", Command::DragMode, true},
    };
    for (const auto& item : items) {
        if (item.separatorBefore)
            menu->addSeparator();
        QAction* a = menu->addAction(QString::fromUtf8(item.text));
        a->setObjectName(QString::fromLatin1(item.name));
        const Command c = item.command;
        connect(a, &QAction::triggered, this, [this, c] { context_.commands.trigger(c); });
    }
}

void RowRoom::buildButtons(QWidget* parent)
{
    const struct {
        QPushButton** button;
        const char* name;
        const char* text;
        const char* hint;
        Command command;
        QRect place;
    } buttons[] = {
        // In the free corner right of the option groups.
        {&SpeedButton61, "SpeedButton61", "番号付け", "番号を自動で付加します。", Command::Numbering, {904, 50, 70, 22}},
        {&SpeedButton62, "SpeedButton62", "ｲﾝﾃﾞﾝﾄ", "摘要文字列の頭にスペースを挿入します。", Command::Indent,
         {904, 73, 70, 22}},
        {&SpeedButton63, "SpeedButton63", "ｲﾝﾃﾞﾝﾄ削除", "摘要文字列の頭にあるスペースを削除します。", Command::Unindent,
         {904, 96, 70, 22}},
        {&MEMO_FLG_CAP, "MEMO_FLG_CAP", "文字", "メモ列の属性を変更します。", Command::MemoAttribute, {976, 50, 40, 22}},
        {&MEMO_DISP_CAP, "MEMO_DISP_CAP", "ﾒﾓ枠", "メモ列の表示のON/OFF。", Command::MemoDisplay, {976, 73, 40, 22}},
    };
    for (const auto& b : buttons) {
        auto* p = new QPushButton(QString::fromUtf8(b.text), parent);
        p->setObjectName(QString::fromLatin1(b.name));
        p->setToolTip(QString::fromUtf8(b.hint));
        p->setFocusPolicy(Qt::NoFocus);
        p->setGeometry(b.place);
        const Command c = b.command;
        connect(p, &QPushButton::clicked, this, [this, c] { context_.commands.trigger(c); });
        *b.button = p;
    }
}

void RowRoom::refreshMemoCaption()
{
    if (MEMO_FLG_CAP)
        MEMO_FLG_CAP->setText(context_.estimate.memoMode == MemoMode::Text ? QStringLiteral("文字")
                                                                           : QStringLiteral("数値"));
}

void RowRoom::doBeep()
{
    if (beep)
        beep();
}

void RowRoom::endDrags()
{
    sheetDrag_ = textDrag_ = numericDrag_ = false;
}

bool RowRoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != sheet_.viewport())
        return false;
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto* m = static_cast<QMouseEvent*>(event);
    const QPoint at = m->position().toPoint();
    switch (type) {
    case QEvent::MouseButtonPress: {
        if (m->button() != Qt::LeftButton)
            return false;
        const QModelIndex i = sheet_.indexAt(at);
        // Only the number cell of a data row picks a row up; every other
        // press belongs to the sheet and its editors.
        if (!i.isValid() || i.column() != 0)
            return false;
        dragFrom_ = i.row() + 1;
        pressAt_ = at;
        return true;
    }
    case QEvent::MouseMove:
        if (dragFrom_ == 0)
            return false;
        if (!(m->buttons() & Qt::LeftButton)) {
            dragFrom_ = 0;
            return false;
        }
        if (!QApplication::overrideCursor() && std::abs(at.y() - pressAt_.y()) > 3)
            QApplication::setOverrideCursor(Qt::SizeVerCursor);
        return true;
    case QEvent::MouseButtonRelease: {
        if (dragFrom_ == 0 || m->button() != Qt::LeftButton)
            return false;
        const int from = dragFrom_;
        dragFrom_ = 0;
        if (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        const QModelIndex i = sheet_.indexAt(at);
        // Released off the rows (below the last one, outside the sheet) the row stays.
        if (i.isValid() && i.row() + 1 != from)
            rowMoved(from, i.row() + 1);
        return true;
    }
    default:
        return false;
    }
}

} // namespace yorozu
