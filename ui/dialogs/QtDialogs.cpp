#include "ui/dialogs/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

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

void QtDialogs::information(const QString& text)
{
    QMessageBox::information(parent_, boxTitle(), plain(text), QMessageBox::Ok);
}

bool QtDialogs::question(const QString& text)
{
    return QMessageBox::question(parent_, boxTitle(), plain(text), QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

void QtDialogs::warning(const QString& text)
{
    QMessageBox::warning(parent_, boxTitle(), plain(text), QMessageBox::Ok);
}

std::optional<QString> QtDialogs::input(const QString& caption, const QString& prompt, const QString& value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, caption, plain(prompt), QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
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

} // namespace yorozu
