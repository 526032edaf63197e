#pragma once

#include "ui/dialogs/Dialogs.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace yorozu {

// Dialogs answered from a script, for tests and headless runs: every box
// shown is recorded in order, and each kind of question takes the next
// answer from its own queue. A question with no answer left is recorded as
// unanswered and gets the cautious answer (No, cancel), so a test that
// forgot a question sees it instead of hanging on a modal box.
class ScriptedDialogs final : public Dialogs {
public:
    enum class Kind { Information, Question, Warning, Input, OpenFile, SaveFile, Folder, Color, Font, PrintSetup };
    struct Shown {
        Kind kind;
        QString text;
    };

    // ---- the script
    std::deque<bool> answers;                    // questions
    std::deque<std::optional<QString>> inputs;   // input boxes
    std::deque<QString> files;                   // open, save and folder choosers
    std::deque<std::optional<QColor>> colors;
    std::deque<std::optional<QFont>> fonts;
    // Printer setup dialogs: true confirms; a function given here runs on
    // the printer first (to choose PDF output, a queue, a paper).
    std::deque<bool> printSetups;
    std::function<void(QPrinter&)> onPrintSetup;
    // Called while a box is "open", before it is answered.
    std::function<void(const Shown&)> onShow;

    // ---- what happened
    std::vector<Shown> shown;
    int unanswered = 0;

    // The texts shown, in order; only those of one kind when asked.
    QStringList texts() const;
    QStringList texts(Kind kind) const;
    void reset();

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
    void record(Kind kind, const QString& text);
    QString nextFile();
};

} // namespace yorozu
