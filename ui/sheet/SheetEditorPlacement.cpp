#include "ui/sheet/SheetEditor.h"

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "core/document/Estimate.h"
#include "ui/sheet/SheetEditorText.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <algorithm>

// Laying the three editors over a cell: place, size, load.
namespace yorozu {

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

// ---- the three editors

void SheetEditor::showOnly(QWidget* shown, QWidget* focusTarget)
{
    // Filters installed later on the application run first; installing ours
    // again puts it back in front of them.
    qApp->installEventFilter(windowFilter_);
    if (editorColor) {
        const QColor wanted = editorColor();
        if (wanted.isValid() && wanted != editorColor_)
            setEditorColor(wanted);
    }
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
    // Never wider than the sheet: a longer text scrolls inside the editor,
    // which keeps the caret in view.
    const int panelWidth = std::min(textWidth + 22, std::max(cell.width(), windowWidth));
    int left = cell.x();
    if (cell.x() + panelWidth > windowWidth) {
        left = windowWidth - panelWidth - 10;
    } else if (fromChange && EditP->x() < cell.x()) {
        left = std::min(windowWidth - panelWidth - 10, cell.x());
    }
    left = std::max(0, left);
    EditP->setGeometry(left, cell.y(), panelWidth, cell.height());
    Edit1->resize(panelWidth - 2, Edit1->height());
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

} // namespace yorozu
