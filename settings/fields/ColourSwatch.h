#pragma once

#include <QFrame>

namespace yorozu {

// The sample of a print colour beside its button. It holds the colour as
// the settings file stores it, a Windows colour value (red in the low byte),
// and gives back the very value it was given until a colour is chosen.
class ColourSwatch final : public QFrame {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    int value() const { return value_; }
    void setValue(int value);

    QColor color() const;
    void setColor(const QColor& color);

    static QColor toColor(int value);
    static int fromColor(const QColor& color);

private:
    int value_ = 0;
};

} // namespace yorozu
