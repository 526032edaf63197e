#pragma once

#include <QObject>
#include <QString>

#include <map>

class QToolButton;
class QWidget;

namespace yorozu {

// The toolbar across the top of the window: buttons 45 pixels wide with the
// glyph above the caption and a hint each. Buttons are found by name
// ("SpeedButton4" ...); a right-click on a button emits rightClicked.
class ToolBar : public QObject {
    Q_OBJECT
public:
    explicit ToolBar(QWidget* parent);

    QToolButton* button(const QString& name) const;
    QWidget* bar() const { return bar_; }

signals:
    void clicked(const QString& name);
    void rightClicked(const QString& name);

private:
    QWidget* bar_;
    std::map<QString, QToolButton*> buttons_;
};

} // namespace yorozu
