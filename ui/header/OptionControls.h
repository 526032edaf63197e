#pragma once

#include <QObject>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace yorozu {

class Estimate;
class TSaNumEdit;

// The option controls of the estimate. A click calls the document's setter,
// which applies the rules between the options; the document's change notice
// then brings every control in step, so a box set in code and a box clicked
// end up the same.
class OptionControls : public QObject {
    Q_OBJECT
public:
    OptionControls(Estimate& estimate, QWidget* parent);

    QGroupBox* MUKIBox;
    QGroupBox* GYOUKANBox;
    QGroupBox* PRN_SBox;
    QButtonGroup* MUKI;
    QButtonGroup* GYOUKAN;
    QButtonGroup* PRN_S;
    QCheckBox* SEIQ;
    QCheckBox* NOHIN;
    QCheckBox* GAISAN;
    QCheckBox* TANKA;
    QCheckBox* GENKA_P;
    QCheckBox* UTIZEI;
    QCheckBox* HIKAZEI;
    QCheckBox* RIEKI_RITU;
    QCheckBox* Sunpou;
    TSaNumEdit* KAKERITU;
    TSaNumEdit* MARUME;
    QLabel* KAKERITULabel;
    QLabel* MARUMELabel;
    QPushButton* KAKERITU_IKATU;
    QPushButton* SpeedButton2;  // "色設定"
    QPushButton* SpeedButton22; // sheet widths back to the defaults

    // Shows the document's options.
    void refreshFromDocument();
    // The orientation changed by a click: the window reloads its settings.
    std::function<void()> onMukiClicked;

private:
    QGroupBox* radioGroup(QWidget* parent, const char* name, const QString& caption, const QStringList& items,
                          QButtonGroup*& group);
    QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, std::function<void(bool)> rule);

    Estimate& estimate_;
    bool refreshing_ = false;
};

} // namespace yorozu
