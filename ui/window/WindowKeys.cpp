#include "ui/window/WindowKeys.h"

#include "ui/header/HeaderFields.h"
#include "ui/sheet/SheetEditor.h"
#include "ui/sheet/SheetView.h"
#include "ui/window/Yorozu1.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace yorozu {

namespace {

// Sees the window's keys and clicks and only takes notes.
class InputRecorder : public QObject {
public:
    InputRecorder(WindowKeys& keys, TYorozu& window) : QObject(&window), keys_(keys), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type t = event->type();
        if (t != QEvent::KeyPress && t != QEvent::MouseButtonPress)
            return false;
        auto* target = qobject_cast<QWidget*>(watched);
        if (!target || target->window() != &window_)
            return false;
        if (t == QEvent::KeyPress)
            keys_.note(*static_cast<QKeyEvent*>(event));
        else
            window_.state().lastInput = std::chrono::steady_clock::now();
        return false;
    }

private:
    WindowKeys& keys_;
    TYorozu& window_;
};

} // namespace

WindowKeys::WindowKeys(TYorozu& window) : QObject(&window), window_(window)
{
    qApp->installEventFilter(this);
}

void WindowKeys::note(const QKeyEvent& key)
{
    auto& st = window_.state();
    st.lastInput = std::chrono::steady_clock::now();
    st.shiftFlag = key.modifiers().testFlag(Qt::ShiftModifier);
    if (key.key() == Qt::Key_Escape)
        st.escFlag = true;
}

void WindowKeys::recordBeforeEditors()
{
    // The filter installed last sees the events first.
    qApp->installEventFilter(new InputRecorder(*this, window_));
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
        } else if (field == window_.header().Tanto) {
            // The last header field leads into the sheet, where the next
            // line is to be typed.
            const auto& e = window_.estimate();
            const int row = std::min(e.SG1_END() + 1, e.SG1.rowCount() - 1);
            window_.sheetEditor().moveTo(col::Dai, std::max(1, row));
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
