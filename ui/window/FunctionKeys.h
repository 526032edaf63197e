#pragma once

#include "ui/window/CommandTable.h"

#include <QObject>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace yorozu {

// The hidden main menu MainMenu1 whose items carry the keyboard shortcuts,
// the function-key label bar at the bottom of the window and the key
// assignment menu PopupMenu13. A function key belongs to one menu item at a
// time; assigning it to a label's item takes it from whichever item held it.
class FunctionKeys : public QObject {
    Q_OBJECT
public:
    static constexpr int kItems = 25;
    static constexpr int kLabels = 12;

    // `runItem` carries out the menu item at a position (0 to 24), `runLabel`
    // the click on label n (1 to 12); both find the command in itemCommand
    // and labelCommand.
    FunctionKeys(QWidget* window, QWidget* labelParent, std::function<void(int position)> runItem,
                 std::function<void(int n)> runLabel);

    // The menu item at a position (0 to 24) and its function key (1 to 12), if any.
    QAction* item(int position) const { return items_[static_cast<size_t>(position)]; }
    std::optional<int> functionKeyOf(int position) const;
    // The command of the menu item at a position and of label n, if any.
    static std::optional<Command> itemCommand(int position);
    std::optional<Command> labelCommand(int n) const;
    // Gives function key k (1 to 12) to the item at a position, as "SET2.INI" does.
    void assign(int k, int position);
    // The item holding function key k, if any.
    std::optional<int> positionOf(int k) const;

    // The labels StaticText7 (1) to StaticText18 (12) and their hints.
    QLabel* label(int n) const { return labels_[static_cast<size_t>(n - 1)]; }
    QString hint(int n) const;
    void setHint(int n, const QString& hint);

    // Right-click on label n remembers n; the menu's choice then assigns
    // function key k (1 to 12) or, with nothing, no key.
    void rememberLabel(int n) { popupLabel_ = n; }
    int rememberedLabel() const { return popupLabel_; }
    void MENU_ITEM(std::optional<int> k);

    // The label bar's top edge in its parent (653 at the design size): the
    // bar stays at the bottom of the window whatever its height.
    void setTop(int y);
    int top() const;

    QMenu* MainMenu1;
    QMenu* PopupMenu13;
    QLabel* StaticText20;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int)> runItem_;
    std::function<void(int)> runLabel_;
    std::array<QAction*, kItems> items_{};
    std::array<QLabel*, kLabels> labels_{};
    std::array<std::optional<Command>, kLabels> labelCommands_{};
    int popupLabel_ = 0;
};

} // namespace yorozu
