#pragma once

#include <QObject>
#include <QString>

#include <map>

class QToolButton;
class QWidget;

namespace yorozu {

class CommandTable;

// The toolbar across the top of the window: buttons 45 pixels wide with the
// glyph above the caption and a hint each. Buttons are found by name
// ("SpeedButton4" ...). A click, and a right-click where the button has
// one, triggers the button's command of the table.
class ToolBar : public QObject {
    Q_OBJECT
public:
    ToolBar(QWidget* parent, const CommandTable& commands);

    QToolButton* button(const QString& name) const;
    QWidget* bar() const { return bar_; }

private:
    QWidget* bar_;
    std::map<QString, QToolButton*> buttons_;
};

} // namespace yorozu
