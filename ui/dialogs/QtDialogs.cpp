#include "ui/dialogs/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrinter>

namespace yorozu {

namespace {

// The boxes carry the program's name as their title, as every box of the program does.
QString boxTitle()
{
    const auto name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("見積") : name;
}

// Messages are written with Windows line ends; a Qt label would show the CR.
QString plain(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                            bool question)
{
    auto box = std::make_unique<QMessageBox>(icon, boxTitle(), plain(text), QMessageBox::NoButton, parent);
    if (question) {
        box->addButton(QMessageBox::Yes)->setText(QStringLiteral("はい"));
        box->addButton(QMessageBox::No)->setText(QStringLiteral("いいえ"));
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    }
    return box;
}

std::unique_ptr<QInputDialog> makeInputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                           const QString& value)
{
    auto box = std::make_unique<QInputDialog>(parent);
    box->setWindowTitle(caption);
    box->setLabelText(plain(prompt));
    box->setTextValue(value);
    box->setOkButtonText(QStringLiteral("OK"));
    box->setCancelButtonText(QStringLiteral("キャンセル"));
    return box;
}

void QtDialogs::information(const QString& text)
{
    makeMessageBox(parent_, QMessageBox::Information, text, false)->exec();
}

bool QtDialogs::question(const QString& text)
{
    return makeMessageBox(parent_, QMessageBox::Question, text, true)->exec() == QMessageBox::Yes;
}

void QtDialogs::warning(const QString& text)
{
    makeMessageBox(parent_, QMessageBox::Warning, text, false)->exec();
}

std::optional<QString> QtDialogs::input(const QString& caption, const QString& prompt, const QString& value)
{
    auto box = makeInputBox(parent_, caption, prompt, value);
    if (box->exec() != QDialog::Accepted)
        return std::nullopt;
    return box->textValue();
}

QString QtDialogs::openFile(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent_, caption, folder, filter);
}

QString QtDialogs::saveFile(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent_, caption, folder, filter);
}

QString QtDialogs::chooseFolder(const QString& caption, const QString& folder)
{
    return QFileDialog::getExistingDirectory(parent_, caption, folder);
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& current)
{
    const QColor c = QColorDialog::getColor(current, parent_);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> QtDialogs::chooseFont(const QFont& current)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, current, parent_);
    if (!ok)
        return std::nullopt;
    return f;
}

bool QtDialogs::printSetup(QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent_);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace yorozu
