#include "ui/window/WindowKeys.h"

#include "ui/header/HeaderFields.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/Yorozu1.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace yorozu {

WindowKeys::WindowKeys(TYorozu& window) : QObject(&window), window_(window)
{
    qApp->installEventFilter(this);
}

bool WindowKeys::isEditField(QWidget* w) const
{
    // The numeric controls (KAKERITU, MARUME) are no edit boxes here: they are no QLineEdit.
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || target->window() != &window_)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    auto& st = window_.state();
    st.shiftFlag = key->modifiers().testFlag(Qt::ShiftModifier);
    switch (key->key()) {
    case Qt::Key_Escape:
        st.escFlag = true;
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // The combo's and the date picker's own edit belong to their control.
        QWidget* field = target;
        if (auto* parent = target->parentWidget(); parent && (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent)))
            field = parent;
        // A field whose Enter runs its own command (the file-name search) keeps it.
        if (!isEditField(field) || field->property(kOwnEnter).toBool())
            return false;
        if (st.shiftFlag) {
            if (field != window_.header().KNAME)
                window_.moveFocus(false);
        } else {
            window_.moveFocus(true);
        }
        return true;
    }
    case Qt::Key_Home:
    case Qt::Key_End: {
        CommandHooks::run(window_.hooks().ENZAN);
        auto& sheet = window_.sheet();
        const int row = key->key() == Qt::Key_Home ? 1 : window_.estimate().SG1.rowCount() - 1;
        sheet.setCurrentCell(1, row);
        sheet.setFocus();
        return true;
    }
    default:
        return false;
    }
}

} // namespace yorozu
