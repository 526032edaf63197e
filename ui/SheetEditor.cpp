#include "ui/SheetEditor.h"

#include "controls/LeftEdit.h"
#include "controls/SaNumEdit.h"
#include "core/Estimate.h"
#include "files/PickLists.h"
#include "ui/SheetEditorText.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableView>

#include <algorithm>

namespace yorozu {

namespace {

// Window-wide events the editors must see before anybody else: the wheel
// (which never scrolls a control of the window) and the keys of the text
// editor, the unit combo and the sheet (the window moves the focus on Enter
// in edit fields, which must not happen in a cell).
class WindowFilter : public QObject {
public:
    WindowFilter(QObject* parent, std::function<bool(QObject*, QEvent*)> handle)
        : QObject(parent), handle_(std::move(handle))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type t = event->type();
        if (t != QEvent::Wheel && t != QEvent::KeyPress && t != QEvent::KeyRelease)
            return false;
        return handle_(watched, event);
    }

private:
    std::function<bool(QObject*, QEvent*)> handle_;
};

QFrame* makePanel(QWidget* parent, const char* name)
{
    auto* p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setFrameStyle(QFrame::Box | QFrame::Plain);
    p->setLineWidth(1);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, Qt::white);
    p->setPalette(pal);
    p->hide();
    return p;
}

// A focus change that leaves the editor for good: a popup menu or the window
// losing activation brings the focus back to it.
bool leavesForGood(QEvent* event)
{
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace

SheetEditor::SheetEditor(QTableView* sheet, Estimate& estimate, std::filesystem::path programDir, Dialogs& dialogs,
                         CellsChanged cellsChanged, QComboBox* unitList)
    : QObject(sheet), sheet_(sheet), estimate_(estimate), programDir_(std::move(programDir)), dialogs_(dialogs),
      cellsChanged_(std::move(cellsChanged))
{
    buildControls(unitList);
    buildMenus();
    setEditorColor(editorColor_);

    sheet_->installEventFilter(this);
    sheet_->viewport()->installEventFilter(this);
    connect(sheet_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (current.isValid() && !moving_ && !mouseDown_ && sheet_->hasFocus())
                    openForCurrent(true);
            });
    windowFilter_ = new WindowFilter(this, [this](QObject* watched, QEvent* e) {
        if (e->type() == QEvent::Wheel) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (!w || w->window() != sheet_->window())
                return false;
            return FormMouseWheel(w, static_cast<QWheelEvent*>(e)->angleDelta().y());
        }
        return keyEvent(watched, static_cast<QKeyEvent*>(e));
    });
    qApp->installEventFilter(windowFilter_);
    // A column resized under an open editor takes the editor along.
    connect(sheet_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { placeOpenEditor(); });
}

void SheetEditor::placeOpenEditor()
{
    const QRect r = cellRect(editCol_, editRow_);
    switch (openEditor()) {
    case SheetEditorKind::Text:
        EditP->setGeometry(r.x(), r.y(), r.width(), r.height());
        Edit1->resize(std::max(1, r.width() - 2), Edit1->height());
        fitTextEditor(false);
        break;
    case SheetEditorKind::Numeric:
        NumP->setGeometry(r.x(), r.y(), r.width(), r.height());
        NumEdit1->resize(std::max(1, r.width() - 2), NumEdit1->height());
        break;
    case SheetEditorKind::Unit:
        CB1->setGeometry(r.x(), r.y(), r.width() + 20, r.height());
        break;
    case SheetEditorKind::None:
        break;
    }
}

SheetEditor::~SheetEditor() = default;

void SheetEditor::buildControls(QComboBox* unitList)
{
    QWidget* host = sheet_->viewport();

    EditP = makePanel(host, "EditP");
    Edit1 = new TLeftEdit(EditP);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFrame(false);
    Edit1->move(1, 1);
    Edit1->installEventFilter(this);
    Edit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Edit1, &QLineEdit::textEdited, this, [this] { Edit1Change(); });

    NumP = makePanel(host, "NumP");
    NumEdit1 = new TSaNumEdit(NumP);
    NumEdit1->setObjectName(QStringLiteral("NumEdit1"));
    NumEdit1->setBorderStyle(TSaNumEdit::bsNone);
    NumEdit1->setAutoSize(false);
    NumEdit1->setIntegerLength(9);
    NumEdit1->setDecimalLength(2);
    NumEdit1->setMinus(true);
    NumEdit1->setComma(true);
    NumEdit1->setAutoSelect(true);
    NumEdit1->setErrorBeep(false);
    NumEdit1->move(1, 1);
    connect(NumEdit1, &TSaNumEdit::changed, this, [this] { NumEdit1Change(); });
    connect(NumEdit1, &TSaNumEdit::keyDown, this,
            [this](int& key, Qt::KeyboardModifiers m) { NumEdit1KeyDown(key, m); });
    connect(NumEdit1, &TSaNumEdit::keyPress, this, [this](QChar& ch) { NumEdit1KeyPress(ch); });
    connect(NumEdit1, &TSaNumEdit::exited, this, [this] { NumP->hide(); });

    if (unitList) {
        CB1 = unitList;
        CB1->setParent(host);
    } else {
        CB1 = new QComboBox(host);
        CB1->setObjectName(QStringLiteral("CB1"));
        CB1->setEditable(true);
        loadUnitList();
    }
    CB1->setMaxVisibleItems(18);
    CB1->setInsertPolicy(QComboBox::NoInsert);
    CB1->hide();
    CB1->installEventFilter(this);
    CB1->lineEdit()->installEventFilter(this);
    CB1->setContextMenuPolicy(Qt::CustomContextMenu);
    CB1->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(CB1, &QComboBox::editTextChanged, this, [this] { CB1Change(); });

    SIKI = new QLabel(host);
    SIKI->setObjectName(QStringLiteral("SIKI"));
    SIKI->setFrameStyle(QFrame::Box | QFrame::Plain);
    SIKI->setAutoFillBackground(true);
    SIKI->hide();
}

void SheetEditor::loadUnitList()
{
    CB1->addItem(QString());
    try {
        if (auto entries = COMBO_YOMIKOMI(programDir_, PickList::Tani)) {
            QStringList items;
            for (const auto& e : *entries)
                items << QString::fromStdString(e);
            items.sort(); // the unit list is a sorted list
            CB1->clear();
            CB1->addItems(items);
        }
    } catch (const std::exception&) {
        // An unreadable list leaves the combo empty; typing a unit still works.
    }
    CB1->setCurrentIndex(-1);
}

void SheetEditor::setEditorColor(const QColor& color)
{
    editorColor_ = color;
    for (QWidget* w : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(CB1)}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Base, color);
        w->setPalette(pal);
    }
    NumEdit1->setColor(color);
    QPalette pal = SIKI->palette();
    pal.setColor(QPalette::Window, color);
    SIKI->setPalette(pal);
}

// ---- cursor and focus

int SheetEditor::currentCol() const
{
    const QModelIndex i = sheet_->currentIndex();
    return i.isValid() ? i.column() : col::Dai;
}

int SheetEditor::currentRow() const
{
    const QModelIndex i = sheet_->currentIndex();
    return i.isValid() ? i.row() + 1 : 1;
}

SheetEditorKind SheetEditor::openEditor() const
{
    if (EditP->isVisible())
        return SheetEditorKind::Text;
    if (NumP->isVisible())
        return SheetEditorKind::Numeric;
    if (CB1->isVisible())
        return SheetEditorKind::Unit;
    return SheetEditorKind::None;
}

QRect SheetEditor::cellRect(int c, int row) const
{
    return sheet_->visualRect(sheet_->model()->index(row - 1, c));
}

void SheetEditor::setCurrent(int c, int row)
{
    const QModelIndex i = sheet_->model()->index(row - 1, c);
    if (!i.isValid())
        return;
    const bool was = moving_;
    moving_ = true;
    sheet_->setCurrentIndex(i);
    sheet_->scrollTo(i);
    moving_ = was;
}

void SheetEditor::moveTo(int c, int row)
{
    setCurrent(c, row);
    focusSheet();
}

void SheetEditor::focusSheet()
{
    openForCurrent(true);
    // A column without an editor, or an editor that could not be shown:
    // the sheet itself holds the focus, never a hidden control.
    QWidget* f = QApplication::focusWidget();
    if (openEditor() == SheetEditorKind::None || !f || !f->isVisible()) {
        const bool was = moving_;
        moving_ = true;
        sheet_->setFocus(Qt::OtherFocusReason);
        moving_ = was;
    }
}

void SheetEditor::openForCurrent(bool giveFocus)
{
    const int c = currentCol();
    const int row = currentRow();
    QWidget* target = nullptr;
    switch (editorForColumn(c, estimate_.memoMode)) {
    case SheetEditorKind::Text:
        INP_EDIT(c, row);
        target = Edit1;
        break;
    case SheetEditorKind::Numeric:
        INP_NUMERIC(c, row);
        target = NumEdit1;
        break;
    case SheetEditorKind::Unit:
        INP_CB1(c, row);
        target = CB1;
        break;
    case SheetEditorKind::None:
        hideEditors();
        return;
    }
    if (giveFocus && target && !target->hasFocus())
        target->setFocus(Qt::OtherFocusReason);
}

void SheetEditor::hideEditors()
{
    // Hiding the focused control would send the focus along the tab chain
    // to some unrelated field: the sheet takes it first.
    for (QWidget* w : {static_cast<QWidget*>(EditP), static_cast<QWidget*>(NumP), static_cast<QWidget*>(CB1)}) {
        if (!w->isVisible())
            continue;
        if (w->isAncestorOf(QApplication::focusWidget()) || w->hasFocus()) {
            const bool was = moving_;
            moving_ = true;
            sheet_->setFocus(Qt::OtherFocusReason);
            moving_ = was;
        }
        w->hide();
    }
}

void SheetEditor::reloadOpenEditor()
{
    switch (openEditor()) {
    case SheetEditorKind::Text:
        INP_EDIT(currentCol(), currentRow());
        break;
    case SheetEditorKind::Numeric:
        INP_NUMERIC(currentCol(), currentRow());
        break;
    default:
        break;
    }
}

void SheetEditor::written(int row)
{
    if (cellsChanged_)
        cellsChanged_(row);
    else
        estimate_.notify(Change::Cells);
}

// ---- the three editors

void SheetEditor::showOnly(QWidget* shown, QWidget* focusTarget)
{
    // Filters installed later on the application run first; installing ours
    // again puts it back in front of them.
    qApp->installEventFilter(windowFilter_);
    shown->show();
    shown->raise();
    QWidget* f = QApplication::focusWidget();
    for (QWidget* w : {static_cast<QWidget*>(EditP), static_cast<QWidget*>(NumP), static_cast<QWidget*>(CB1)}) {
        if (w == shown || !w->isVisible())
            continue;
        // The editor that held the focus hands it on before it goes, so that
        // hiding it does not send the focus to an unrelated field.
        if (f && (f == w || w->isAncestorOf(f)))
            focusTarget->setFocus(Qt::OtherFocusReason);
        w->hide();
    }
}

void SheetEditor::INP_EDIT(int c, int row)
{
    editCol_ = c;
    editRow_ = row;
    const QRect r = cellRect(c, row);
    loading_ = true;
    Edit1->setText(cellToEditor(estimate_.SG1.cell(c, row)));
    loading_ = false;
    EditP->setGeometry(r.x(), r.y(), r.width(), r.height());
    Edit1->resize(std::max(1, r.width() - 2), std::max(1, r.height() - 2));
    fitTextEditor(false);
    const bool code = isCodeColumn(c);
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, !code);
    Edit1->setInputMethodHints(code ? Qt::ImhPreferLatin | Qt::ImhNoPredictiveText : Qt::ImhNone);
    if (code)
        Edit1->selectAll();
    else
        Edit1->end(false);
    showOnly(EditP, Edit1);
    if (Edit1->hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImHints);
}

void SheetEditor::fitTextEditor(bool fromChange)
{
    const QRect cell = cellRect(editCol_, editRow_);
    const int windowWidth = sheet_->viewport()->width();
    const int textWidth = Edit1->fontMetrics().horizontalAdvance(Edit1->text());
    const int editWidth = std::max(1, cell.width() - 2);
    if (textWidth <= editWidth) {
        if (fromChange) {
            EditP->setGeometry(cell.x(), cell.y(), cell.width(), cell.height());
            Edit1->resize(editWidth, Edit1->height());
        }
        return;
    }
    const int panelWidth = textWidth + 22;
    int left = cell.x();
    if (cell.x() + panelWidth > windowWidth) {
        left = windowWidth - panelWidth - 10;
    } else if (fromChange && EditP->x() < cell.x()) {
        left = std::min(windowWidth - panelWidth - 10, cell.x());
    }
    // A text wider than the sheet starts at its left edge and runs on
    // hidden; the caret keeps the typed end in view.
    left = std::max(0, left);
    EditP->setGeometry(left, cell.y(), panelWidth, cell.height());
    Edit1->resize(textWidth + 20, Edit1->height());
}

void SheetEditor::INP_NUMERIC(int c, int row)
{
    editCol_ = c;
    editRow_ = row;
    const int decimals = numericDecimals(c);
    estimate_.editorDecimals = decimals;
    const QRect r = cellRect(c, row);
    loading_ = true;
    NumEdit1->setDecimalLength(decimals);
    NumEdit1->setText(QString::fromStdString(estimate_.SG1.cell(c, row)));
    loading_ = false;
    NumP->setGeometry(r.x(), r.y(), r.width(), r.height());
    NumEdit1->resize(std::max(1, r.width() - 2), std::max(1, r.height() - 2));
    // A new cell starts with its whole value selected, so the first digit
    // typed replaces it, also when the editor followed Up or Down.
    NumEdit1->selectAll();
    showOnly(NumP, NumEdit1);
    if (SIKI->isVisible())
        SIKI->raise();
}

void SheetEditor::INP_CB1(int c, int row)
{
    editCol_ = c;
    editRow_ = row;
    const QRect r = cellRect(c, row);
    loading_ = true;
    CB1->setEditText(cellToEditor(estimate_.SG1.cell(c, row)));
    loading_ = false;
    CB1->setGeometry(r.x(), r.y(), r.width() + 20, r.height());
    CB1->lineEdit()->end(false);
    showOnly(CB1, CB1);
}

// ---- the sheet's own events

bool SheetEditor::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == sheet_) {
        if (type == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // A mouse press opens the editor on release, on the pressed cell.
            if (!moving_ && reason != Qt::MouseFocusReason)
                openForCurrent(true);
        }
        return false;
    }
    if (watched == sheet_->viewport()) {
        auto* m = static_cast<QMouseEvent*>(event);
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            ENZAN2();
            // The right button opens the menu on the current cell; it does
            // not move the cursor.
            if (m->button() == Qt::RightButton)
                return true;
            mouseDown_ = true;
        } else if (type == QEvent::MouseButtonRelease) {
            const bool was = mouseDown_;
            mouseDown_ = false;
            if (was && m->button() == Qt::LeftButton)
                openForCurrent(true);
            return m->button() == Qt::RightButton;
        }
        return false;
    }
    if (watched == Edit1) {
        if (type == QEvent::FocusOut && leavesForGood(event)) {
            EditP->hide();
        }
        return false;
    }
    if (watched == CB1 || watched == CB1->lineEdit()) {
        if (type == QEvent::FocusOut && leavesForGood(event)) {
            // The focus moving between the combo and its own edit stays inside.
            QWidget* f = QApplication::focusWidget();
            if (f != CB1 && f != CB1->lineEdit() && !CB1->view()->isVisible())
                CB1->hide();
        }
        return false;
    }
    return false;
}

bool SheetEditor::keyEvent(QObject* watched, QKeyEvent* k)
{
    const bool press = k->type() == QEvent::KeyPress;
    if (watched == sheet_)
        return press && SG1KeyDown(k->key(), k->modifiers());
    if (watched == Edit1) {
        if (!press) {
            if (k->key() == Qt::Key_Up)
                Edit1->end(false);
            return false;
        }
        return Edit1KeyDown(k->key(), k->modifiers()) || Edit1KeyPress(k->text());
    }
    if (watched == NumEdit1) {
        // Tab never reaches the control's own key handling.
        return press && (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && tabMove(k->key() == Qt::Key_Tab);
    }
    if (watched == CB1 || watched == CB1->lineEdit())
        return press && CB1KeyDown(k->key(), k->modifiers());
    return false;
}

} // namespace yorozu
