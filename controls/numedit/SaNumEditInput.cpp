#include "controls/numedit/SaNumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

// Keys, characters, focus, mouse, the clipboard and the context menu of the
// numeric edit.
namespace yorozu {

namespace {

QString clipboardText()
{
    const QClipboard* clip = QGuiApplication::clipboard();
    return clip ? clip->text() : QString();
}

bool isSwallowedCtrlKey(int key)
{
    return key == Qt::Key_A || key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X;
}

} // namespace

void TSaNumEdit::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const QPointer<TSaNumEdit> alive(this);
    emit keyDown(key, modifiers);
    if (!alive)
        return; // the owner's handler closed the editor for good
    if (key == 0 || handleKeyDown(key, modifiers & ~Qt::KeypadModifier)) {
        event->accept();
        return;
    }

    const Qt::KeyboardModifiers chord = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (chord) {
        // Ctrl+A, C, V and X act on key-down only; other chords are the
        // window's shortcuts.
        if (chord == Qt::ControlModifier && isSwallowedCtrlKey(key))
            event->accept();
        else
            event->ignore();
        return;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        event->ignore();
        return;
    }
    bool propagate = false;
    for (const char32_t code : text.toUcs4()) {
        if (code == U'\r' || code == U'\n') {
            QChar ch(u'\r');
            emit keyPress(ch);
            if (ch.isNull())
                continue;
            if (enterFocusMove_) {
                focusNextChild();
            } else {
                refuse();
                propagate = true; // a dialog's default button may still want it
            }
            continue;
        }
        if (code == U'\b')
            continue; // handled on key-down, or nothing to do while read-only
        if (code < 0x20 || code == 0x7F) {
            propagate = true; // Esc, Tab and the like are the owner's
            continue;
        }
        const char32_t narrow = narrowNumberChar(code);
        if (narrow > 0xFFFF) {
            refuse();
            continue;
        }
        QChar ch(static_cast<char16_t>(narrow));
        emit keyPress(ch);
        if (ch.isNull() || readOnly_)
            continue;
        handleChar(ch.unicode());
    }
    if (propagate)
        event->ignore();
    else
        event->accept();
}

void TSaNumEdit::keyReleaseEvent(QKeyEvent* event)
{
    int key = event->key();
    emit keyUp(key, event->modifiers());
    QWidget::keyReleaseEvent(event);
}

bool TSaNumEdit::handleKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const bool plain = modifiers == Qt::NoModifier;
    const bool ctrl = modifiers == Qt::ControlModifier;
    if ((modifiers == Qt::ShiftModifier && (key == Qt::Key_Left || key == Qt::Key_Right))
        || (ctrl && key == Qt::Key_A)) {
        selectAll();
        return true;
    }
    if (ctrl && key == Qt::Key_C) {
        copyToClipboard();
        return true;
    }
    if (plain
        && (key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_End || key == Qt::Key_Home
            || key == Qt::Key_Left || key == Qt::Key_Right)) {
        model_.dropSelection();
        update();
        return true;
    }
    if (plain && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        model_.dropSelection();
        update();
        if (arrowFocusMove_) {
            if (key == Qt::Key_Up && (model_.options() & eoArrowUp))
                focusPreviousChild();
            else if (key == Qt::Key_Down && (model_.options() & eoArrowDown))
                focusNextChild();
        }
        return true;
    }
    if (readOnly_)
        return false;
    if (ctrl && key == Qt::Key_V) {
        pasteFromClipboard();
        return true;
    }
    if (ctrl && key == Qt::Key_X) {
        cutToClipboard();
        return true;
    }
    if (plain && (key == Qt::Key_Backspace || key == Qt::Key_Delete)) {
        finish(model_.deleteBack());
        return true;
    }
    return false;
}

void TSaNumEdit::handleChar(char32_t ch)
{
    finish(model_.typeChar(ch));
}

void TSaNumEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // The input method is closed for this control; should one deliver text
    // all the same, its full-width digits count as the ASCII ones.
    if (!readOnly_) {
        for (const char32_t code : event->commitString().toUcs4()) {
            const char32_t narrow = narrowNumberChar(code);
            if (narrow > 0xFFFF) {
                refuse();
                continue;
            }
            QChar ch(static_cast<char16_t>(narrow));
            emit keyPress(ch);
            if (!ch.isNull())
                handleChar(ch.unicode());
        }
    }
    event->accept();
}

QVariant TSaNumEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImCursorRectangle) {
        const NumLayout lay = currentLayout();
        return QRect(lay.caretX, lay.textTop, 1, textHeight());
    }
    return QWidget::inputMethodQuery(query);
}

void TSaNumEdit::finish(NumEditResult result)
{
    switch (result) {
    case NumEditResult::Changed:
        displayChanged();
        emit changed();
        break;
    case NumEditResult::Silent:
        displayChanged();
        break;
    case NumEditResult::Unchanged:
        break;
    case NumEditResult::Refused:
        refuse();
        break;
    }
}

void TSaNumEdit::refuse()
{
    if (!errorBeep_)
        return;
    if (beep_)
        beep_();
    else
        QApplication::beep();
}

void TSaNumEdit::selectAll()
{
    model_.selectAll();
    update();
}

void TSaNumEdit::copyToClipboard()
{
    if (!model_.allSelected())
        return;
    const std::string text = model_.copyText(imageCopy_);
    // An empty value puts nothing there, rather than wiping what the user
    // copied elsewhere.
    if (!text.empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TSaNumEdit::cutToClipboard()
{
    if (readOnly_ || !model_.allSelected())
        return;
    copyToClipboard();
    finish(model_.cut());
}

void TSaNumEdit::pasteFromClipboard()
{
    if (readOnly_)
        return;
    const QString text = clipboardText();
    if (text.isEmpty())
        return;
    finish(model_.paste(text.toStdString()));
}

void TSaNumEdit::deleteSelection()
{
    if (readOnly_ || !model_.allSelected())
        return;
    finish(model_.deleteSelection());
}

void TSaNumEdit::undo()
{
    if (readOnly_)
        return;
    finish(model_.undo());
}

QMenu* TSaNumEdit::createStandardContextMenu()
{
    auto* menu = new QMenu(this);
    const bool selected = model_.allSelected();
    QAction* undoAction = menu->addAction(QStringLiteral("元に戻す(&U)"), this, &TSaNumEdit::undo);
    undoAction->setEnabled(model_.canUndo() && !readOnly_);
    menu->addSeparator();
    QAction* cutAction = menu->addAction(QStringLiteral("切り取り(&T)"), this, &TSaNumEdit::cutToClipboard);
    cutAction->setEnabled(selected && !readOnly_);
    QAction* copyAction = menu->addAction(QStringLiteral("コピー(&C)"), this, &TSaNumEdit::copyToClipboard);
    copyAction->setEnabled(selected);
    QAction* pasteAction = menu->addAction(QStringLiteral("貼り付け(&P)"), this, &TSaNumEdit::pasteFromClipboard);
    pasteAction->setEnabled(!clipboardText().isEmpty() && !readOnly_);
    QAction* deleteAction = menu->addAction(QStringLiteral("削除(&D)"), this, &TSaNumEdit::deleteSelection);
    deleteAction->setEnabled(selected && !readOnly_);
    menu->addSeparator();
    QAction* selectAction = menu->addAction(QStringLiteral("すべて選択(&A)"), this, &TSaNumEdit::selectAll);
    selectAction->setEnabled(!selected && !model_.value().empty());
    return menu;
}

void TSaNumEdit::contextMenuEvent(QContextMenuEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (popupMenu_) {
        popupMenu_->exec(event->globalPos());
        return;
    }
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TSaNumEdit::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    caretShown_ = true;
    // Returning from a popup menu is not a new entry; coming back to the
    // window selects again but enters nothing, as the window's focused
    // control never changed.
    if (event->reason() != Qt::PopupFocusReason) {
        model_.focusGained(autoSelect_);
        if (event->reason() != Qt::ActiveWindowFocusReason)
            emit entered();
    }
    displayChanged();
}

void TSaNumEdit::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    caretShown_ = false;
    stopCaret();
    if (event->reason() != Qt::PopupFocusReason) {
        model_.focusLost(hideSelection_);
        // Another application or a dialog taking over is not leaving the
        // control: the sheet would otherwise hide its editor under the dialog.
        if (event->reason() != Qt::ActiveWindowFocusReason)
            emit exited();
    }
    update();
}

void TSaNumEdit::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        model_.dropSelection();
        update();
    }
    event->accept();
}

void TSaNumEdit::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const NumLayout lay = currentLayout();
    const int numberWidth = measure(QString::fromStdString(model_.display().number));
    const int x = event->position().toPoint().x();
    if (numberWidth > 0 && x >= lay.numberX && x < lay.numberX + numberWidth && !model_.allSelected())
        selectAll();
}

void TSaNumEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TSaNumEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        selectAll();
        emit doubleClicked();
    }
}

} // namespace yorozu
