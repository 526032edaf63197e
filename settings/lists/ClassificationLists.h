#pragma once

#include <QStringList>
#include <QWidget>

#include <array>
#include <filesystem>

class QPlainTextEdit;
class QPushButton;

namespace yorozu {

class Dialogs;

// The page of the settings dialog that edits the parts catalogue's names:
// the 20 large classification names (the departments) and, under each, its
// 20 small classification names (the pages). One list is in the editor at
// a time; switching to another saves the one shown when it was changed.
class ClassificationLists final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNone = 99; // no list in the editor

    ClassificationLists(std::filesystem::path programDir, Dialogs& dialogs, QWidget* parent = nullptr);

    // Which list the editor holds: 0 the large names, n the small names
    // under large name n, kNone none.
    int BUMON_NO() const { return BUMON_NO_; }

    // "大分類" (0) and "小分類１" to "小分類２０" (1 to 20): saves the list
    // shown, then shows list n. False when the list shown could not be
    // saved; it then stays in the editor.
    bool showList(int n);
    // "閉じる" of the page: saves the list shown and hides the editor.
    bool closeList();
    // Saves the list shown if it differs from what was loaded; true when
    // nothing needed saving or the save succeeded. Characters the code page
    // cannot hold are named in a message and nothing is written.
    bool saveCurrent();
    // The characters of the editor code page 932 cannot hold (empty: none).
    QString unsavableCharacters() const;

    QPlainTextEdit* editor() const { return BUMON_MEMO_; }
    // 0 "大分類", 1 to 20 BUMON1 to BUMON20.
    QPushButton* button(int n) const { return buttons_.at(std::size_t(n)); }

private:
    void load(int n);
    void setSmallCaptions(const QStringList& largeNames);
    QStringList editorLines() const;

    std::filesystem::path programDir_;
    Dialogs& dialogs_;
    int BUMON_NO_ = kNone;
    std::array<QPushButton*, 21> buttons_{};
    QPushButton* close_ = nullptr;
    QPlainTextEdit* BUMON_MEMO_ = nullptr;
    QStringList loaded_; // the list as loaded or last saved: unchanged lists are not rewritten
};

// The message shown when a text holds characters code page 932 cannot store.
QString unsavableMessage(const QString& characters, const QString& where = {});

} // namespace yorozu
