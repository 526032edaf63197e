#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QPrinter;

namespace yorozu {

// Every message box, question, input box and file, colour and font dialog of
// the program goes through this interface, so a test answers them directly
// instead of hunting for modal windows on a timer.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An information box with an OK button.
    virtual void information(const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(const QString& text) = 0;
    // A warning with an OK button (failed writes).
    virtual void warning(const QString& text) = 0;
    // A one-line input box starting with `value`; nothing when cancelled.
    virtual std::optional<QString> input(const QString& caption, const QString& prompt, const QString& value) = 0;
    // File choosers: the chosen path, or the empty text when cancelled.
    virtual QString openFile(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString saveFile(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString chooseFolder(const QString& caption, const QString& folder) = 0;
    // Colour and font dialogs starting from the current value; nothing when cancelled.
    virtual std::optional<QColor> chooseColor(const QColor& current) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& current) = 0;
    // The printer setup dialog (printer, paper, copies) on `printer`, whose
    // orientation is already set; false when cancelled.
    virtual bool printSetup(QPrinter& printer) = 0;
};

} // namespace yorozu
