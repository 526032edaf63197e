#pragma once

#include "ui/sheet/SheetEditRules.h"

#include <QtGlobal>
#include <qnamespace.h>

#include <optional>

// Key names shared by the editors' key handlers.
namespace yorozu::sheetkeys {

inline std::optional<EditKey> editKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return EditKey::Enter;
    case Qt::Key_Right:
        return EditKey::Right;
    case Qt::Key_Left:
        return EditKey::Left;
    case Qt::Key_Up:
        return EditKey::Up;
    case Qt::Key_Down:
        return EditKey::Down;
    case Qt::Key_PageUp:
        return EditKey::PageUp;
    case Qt::Key_PageDown:
        return EditKey::PageDown;
    default:
        return std::nullopt;
    }
}

// Plain keys only: chords are the window's shortcuts or the editor's own
// (Shift+Left selects in the numeric editor). The keypad flag is no chord.
inline bool plain(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier;
}

inline bool isNumericCell(int c)
{
    return c == col::Quantity || c == col::UnitPrice || c == col::CostPrice || c == col::Memo;
}

} // namespace yorozu::sheetkeys
