#pragma once

#include <QObject>

class QKeyEvent;

namespace yorozu {

class TYorozu;

// A property that keeps Enter for a field whose Enter runs a command of its own.
inline constexpr const char* kOwnEnter = "yorozuOwnEnter";

// The window sees every key before the focused control: Esc and Shift are
// remembered, Enter walks the header fields (Shift+Enter back, but not from
// KNAME), and Home and End take the sheet's cursor to its first or last row.
class WindowKeys : public QObject {
    Q_OBJECT
public:
    explicit WindowKeys(TYorozu& window);
    // Notes a key pressed anywhere in the window: Esc, Shift and the time
    // of the last input. The sheet's editors pass on the keys they take.
    void note(const QKeyEvent& key);
    // Mouse presses count as input too; called once the editors are built.
    void recordBeforeEditors();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isEditField(QWidget* w) const;

    TYorozu& window_;
};

} // namespace yorozu
