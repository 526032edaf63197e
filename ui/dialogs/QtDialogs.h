#pragma once

#include "ui/dialogs/Dialogs.h"

#include <QMessageBox>

#include <memory>

class QInputDialog;
class QWidget;

namespace yorozu {

// The boxes QtDialogs shows, made but not yet shown, so that what the user
// will see can be checked. The buttons carry the program's own texts: "OK",
// or "はい" and "いいえ" for a question (Yes is the default button).
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                            bool question);
// An input box with "OK" and "キャンセル".
std::unique_ptr<QInputDialog> makeInputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                           const QString& value);

// The dialogs as the user sees them: Qt's message boxes and standard dialogs,
// parented to the window that is passed in (it may be set later, once the
// main window exists).
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void information(const QString& text) override;
    bool question(const QString& text) override;
    void warning(const QString& text) override;
    std::optional<QString> input(const QString& caption, const QString& prompt, const QString& value) override;
    QString openFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString chooseFolder(const QString& caption, const QString& folder) override;
    std::optional<QColor> chooseColor(const QColor& current) override;
    std::optional<QFont> chooseFont(const QFont& current) override;
    bool printSetup(QPrinter& printer) override;

private:
    QWidget* parent_;
};

} // namespace yorozu
