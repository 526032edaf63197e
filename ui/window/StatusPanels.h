#pragma once

#include <QFont>
#include <QObject>

#include <array>

class QLabel;
class QProgressBar;
class QStatusBar;
class QWidget;

namespace yorozu {

// The status bar StatusBar1 with its nine panels (0 to 8) and the progress
// bar PB1 of the long passes.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    StatusPanels(QStatusBar* bar, QWidget* progressParent);

    void setText(int panel, const QString& text);
    QString text(int panel) const;
    // Panel 1: today as "2026/12/10 (木曜日)".
    void showToday();
    // The product information panels 2 to 5 show until the next recalculation.
    void showProductInformation();
    // After a save: the file's name for a few seconds over the panels, as
    // users of any editor expect to see what was written.
    void showSaved(const QString& fileName);
    static constexpr int kSavedMessageMs = 8000;

    QStatusBar* StatusBar1;
    QProgressBar* PB1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit(QLabel* panel);

    std::array<QLabel*, 9> panels_{};
    QFont font_; // the panels' own font, before a long text shrinks it
};

} // namespace yorozu
