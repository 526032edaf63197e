#pragma once

#include <QFont>
#include <QObject>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QWidget;

namespace yorozu {

class Estimate;
struct WindowCompanySettings;

// The header fields of the estimate with their labels. Typing writes
// through to the document; the document's change notices bring the fields
// back in step. A field takes the editor colour while it is being edited.
class HeaderFields : public QObject {
    Q_OBJECT
public:
    HeaderFields(Estimate& estimate, QWidget* parent, std::function<QColor()> editorColor);

    QComboBox* KNAME;
    QLineEdit* Kouji;
    QLineEdit* TITLE;
    QLineEdit* Bangou;
    QDateEdit* DTP1;
    QCheckBox* DATE_CHECK;
    QComboBox* Nouki;
    QComboBox* Basyo;
    QComboBox* Joken;
    QComboBox* Kigen;
    QComboBox* Tanto;
    QLineEdit* TOTALKIN;

    QLabel* KNAMELabel;
    QLabel* KoujiLabel;
    QLabel* TITLELabel;
    QLabel* BangouLabel;
    QLabel* DTP1Label;
    QLabel* NoukiLabel;
    QLabel* BasyoLabel;
    QLabel* JokenLabel;
    QLabel* KigenLabel;
    QLabel* TantoLabel;
    QLabel* TOTALKINLabel;

    // Shows the document's header fields and its total.
    void refreshFromDocument();
    void refreshTotal();
    // The labels the company settings name, each kept 4 pixels left of its field.
    void applyLabels(const WindowCompanySettings& keys);

    // Gives the editor colour to the field holding the window's focus and
    // takes it from every other one, also while the window is not active
    // (a question box just closed).
    void showFocus();
    // Whether the field shows the editor colour (it is the one being edited).
    bool isEditing(const QWidget* field) const;
    // The entry the user chose from a list, or -1 when the text was typed.
    static int chosenIndex(const QComboBox* combo);
    // The editable fields in the order Enter walks them.
    QList<QWidget*> fieldsInOrder() const;

    static constexpr int kNameWidth = 265;
    static constexpr int kNameWideWidth = 400;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* pickCombo(QWidget* parent, const char* name);
    void setEditing(QWidget* field, bool on);
    void placeLabel(QLabel* label, QWidget* field, const QString& text);

    Estimate& estimate_;
    std::function<QColor()> editorColor_;
    bool refreshing_ = false;
    QFont totalFont_; // the total field's own font, before a long figure shrinks it
};

} // namespace yorozu
