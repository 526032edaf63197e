#include "ui/dialogs/ScriptedDialogs.h"

#include <QPrinter>

namespace yorozu {

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const auto& s : shown)
        out << s.text;
    return out;
}

QStringList ScriptedDialogs::texts(Kind kind) const
{
    QStringList out;
    for (const auto& s : shown)
        if (s.kind == kind)
            out << s.text;
    return out;
}

void ScriptedDialogs::reset()
{
    answers.clear();
    inputs.clear();
    files.clear();
    colors.clear();
    fonts.clear();
    printSetups.clear();
    shown.clear();
    unanswered = 0;
}

void ScriptedDialogs::record(Kind kind, const QString& text)
{
    shown.push_back({kind, text});
    if (onShow)
        onShow(shown.back());
}

void ScriptedDialogs::information(const QString& text)
{
    record(Kind::Information, text);
}

bool ScriptedDialogs::question(const QString& text)
{
    record(Kind::Question, text);
    if (answers.empty()) {
        ++unanswered;
        return false;
    }
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

void ScriptedDialogs::warning(const QString& text)
{
    record(Kind::Warning, text);
}

std::optional<QString> ScriptedDialogs::input(const QString& caption, const QString& prompt, const QString& value)
{
    (void)caption;
    (void)value;
    record(Kind::Input, prompt);
    if (inputs.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    const bool given = inputs.front().has_value();
    const QString text = given ? *inputs.front() : QString();
    inputs.pop_front();
    if (!given)
        return std::nullopt;
    return std::optional<QString>(text);
}

QString ScriptedDialogs::nextFile()
{
    if (files.empty()) {
        ++unanswered;
        return {};
    }
    auto f = files.front();
    files.pop_front();
    return f;
}

QString ScriptedDialogs::openFile(const QString& caption, const QString&, const QString&)
{
    record(Kind::OpenFile, caption);
    return nextFile();
}

QString ScriptedDialogs::saveFile(const QString& caption, const QString&, const QString&)
{
    record(Kind::SaveFile, caption);
    return nextFile();
}

QString ScriptedDialogs::chooseFolder(const QString& caption, const QString&)
{
    record(Kind::Folder, caption);
    return nextFile();
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor& current)
{
    record(Kind::Color, current.name());
    if (colors.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    auto c = colors.front();
    colors.pop_front();
    return c;
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont& current)
{
    record(Kind::Font, current.family());
    if (fonts.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    auto f = fonts.front();
    fonts.pop_front();
    return f;
}

bool ScriptedDialogs::printSetup(QPrinter& printer)
{
    record(Kind::PrintSetup, printer.printerName());
    if (printSetups.empty()) {
        ++unanswered;
        return false;
    }
    const bool ok = printSetups.front();
    printSetups.pop_front();
    if (ok && onPrintSetup)
        onPrintSetup(printer);
    return ok;
}

} // namespace yorozu
