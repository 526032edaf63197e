#pragma once

#include "files/settings/CompanySettingsFile.h"
#include "settings/fields/SettingFields.h"

#include <QDialog>

#include <array>
#include <filesystem>
#include <functional>

class QLabel;
class QMenu;
class QTabWidget;
class QTimer;
class QToolButton;

namespace yorozu {

class ClassificationLists;
class Dialogs;

// The settings dialog "各種設定": the company block, print layout, colours,
// fonts, images and switches of the current orientation's settings file,
// its five named slots, and the parts catalogue's classification names.
// It writes files only when the user registers, saves a slot or changes a
// classification list; closing it any other way leaves every file alone.
class TSetYorozu final : public QDialog {
    Q_OBJECT
public:
    // `reminder` is the main window's save-reminder timer, which registering
    // switches; `mainWindow` is hidden while the dialog is shown and gives
    // the dialog its place. Either may be null.
    TSetYorozu(std::filesystem::path programDir, Orientation orientation, Dialogs& dialogs,
               QTimer* reminder = nullptr, QWidget* mainWindow = nullptr);
    ~TSetYorozu() override;

    // "登録": asks, writes the orientation's settings file, switches the
    // reminder, saves a classification list being edited. True when written.
    bool SpeedButton16Click();
    // "閉じる": registers (with its question), then closes whatever came of it.
    void SpeedButton4Click();
    // The slot menus: load (from the slot file, into the controls) and save.
    void loadSlot(int slot);
    void saveSlot(int slot);
    QMenu* slotMenu(int slot) const { return slotMenus_.at(std::size_t(slot - 1)); }

    // The colour, font and image handlers of a field, by its settings key.
    void chooseColour(std::string_view key);
    void chooseFont(std::string_view key);
    void chooseImage(std::string_view key);
    void clearImage(std::string_view key);

    SettingFields& fields() { return fields_; }
    ClassificationLists& lists() { return *lists_; }
    QTabWidget& pages() { return *PageControl1_; }
    QString statusText(int panel) const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    QWidget* buildToolBar();
    void connectFields();
    void YOMIKOMI();
    void FormActivate();
    // Runs a handler; an error it does not catch itself ends it silently
    // and the dialog stays open.
    void guarded(const std::function<void()>& action);
    // The settings the controls hold, or nothing (after saying why) when a
    // field or the list being edited holds characters the file cannot store.
    std::optional<CompanySettings> savableSettings(bool withList);
    bool showSaveResult(const SettingsSaveResult& result);
    void switchReminder(const CompanySettings& settings);
    void focusField(const SettingFields::Field& field);
    QWidget* widget(std::string_view key) const;

    std::filesystem::path programDir_;
    Orientation orientation_;
    Dialogs& dialogs_;
    QTimer* reminder_;
    QWidget* mainWindow_;
    SettingFields fields_;
    int filledMinutes_ = 0; // the reminder interval as the dialog was filled
    bool activated_ = false;
    QTabWidget* PageControl1_ = nullptr;
    ClassificationLists* lists_ = nullptr;
    std::array<QLabel*, 2> panels_{};
    std::array<QToolButton*, 5> slotButtons_{};
    std::array<QMenu*, 5> slotMenus_{};
};

} // namespace yorozu
