// Registering, closing and the five slots of the settings dialog.
#include "settings/dialog/SetYorozu.h"

#include "files/settings/CompanySettingsSlots.h"
#include "settings/lists/ClassificationLists.h"
#include "ui/dialogs/Dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>

#include <exception>

namespace yorozu {

QString fullWidthDigit(int n)
{
    return QString(QChar(char16_t(u'０' + n)));
}

namespace {

QString fieldCaption(const SettingFields::Field& f)
{
    if (auto* label = qobject_cast<QLabel*>(f.lead); label && !label->text().isEmpty())
        return label->text();
    return QString::fromUtf8(f.layout->caption ? f.layout->caption : f.layout->name);
}

} // namespace

void TSetYorozu::focusField(const SettingFields::Field& field)
{
    if (field.layout->page != SettingsPage::Header)
        PageControl1_->setCurrentIndex(int(field.layout->page));
    field.widget->setFocus();
}

std::optional<CompanySettings> TSetYorozu::savableSettings(bool withList)
{
    if (const auto bad = fields_.unsavable()) {
        dialogs_.warning(unsavableMessage(bad->characters, fieldCaption(*bad->field)));
        focusField(*bad->field);
        return std::nullopt;
    }
    if (withList && lists_->BUMON_NO() != ClassificationLists::kNone) {
        if (const QString bad = lists_->unsavableCharacters(); !bad.isEmpty()) {
            dialogs_.warning(unsavableMessage(bad, QStringLiteral("部門・分類名")));
            PageControl1_->setCurrentIndex(int(SettingsPage::Lists));
            lists_->editor()->setFocus();
            return std::nullopt;
        }
    }
    return fields_.collect();
}

bool TSetYorozu::showSaveResult(const SettingsSaveResult& result)
{
    if (!result) {
        // The file layer replaces the file in one step: the old one is still there.
        dialogs_.warning(QString::fromStdString(result.message));
        return false;
    }
    return true;
}

void TSetYorozu::switchReminder(const CompanySettings& settings)
{
    if (!reminder_)
        return;
    if (!settings.saveReminder) {
        reminder_->stop();
        return;
    }
    const int interval = settings.reminderMinutes * 60000;
    if (!reminder_->isActive()) {
        reminder_->setInterval(interval);
        reminder_->start();
    } else if (settings.reminderMinutes != filledMinutes_) {
        reminder_->setInterval(interval);
    }
}

bool TSetYorozu::SpeedButton16Click()
{
    if (!dialogs_.question(QStringLiteral("設定を登録します。")))
        return false;
    // Everything is checked before anything is written.
    const auto settings = savableSettings(true);
    if (!settings)
        return false;
    if (!showSaveResult(registerCompanySettings(programDir_, orientation_, *settings)))
        return false;
    switchReminder(*settings);
    if (lists_->BUMON_NO() != ClassificationLists::kNone)
        lists_->showList(0);
    dialogs_.information(QString::fromUtf8(kSettingsSaved));
    return true;
}

void TSetYorozu::SpeedButton4Click()
{
    guarded([this] { SpeedButton16Click(); });
    accept();
}

void TSetYorozu::loadSlot(int slot)
{
    if (!dialogs_.question(QStringLiteral("設定") + fullWidthDigit(slot) +
                           QStringLiteral("を読込みます。\r\n\r\n部門・分類名は対象外です。")))
        return;
    try {
        fields_.fill(loadSettingsSlot(programDir_, orientation_, slot));
    } catch (const std::exception&) {
        dialogs_.warning(QStringLiteral("設定ファイルを読み込めませんでした。\r\n") +
                         QString::fromStdString(settingsSlotFileName(slot, orientation_)));
    }
}

void TSetYorozu::saveSlot(int slot)
{
    const QString digit = fullWidthDigit(slot);
    QString question = QStringLiteral("設定") + digit + QStringLiteral("を保存します。\r\n\r\n");
    if (slot == 1) {
        const auto* nameField = fields_.field("[設定名]=");
        auto* name = static_cast<QLineEdit*>(nameField->widget);
        if (name->text().isEmpty()) {
            dialogs_.information(QStringLiteral("設定名を入力してください。\r\n\r\n"));
            name->setFocus();
            return;
        }
        question += QStringLiteral("設定名「 ") + name->text() + QStringLiteral(" 」\r\n\r\n");
    }
    question += QStringLiteral("部門・分類名は保存しません。");
    if (!dialogs_.question(question))
        return;
    const auto settings = savableSettings(false);
    if (!settings)
        return;
    if (showSaveResult(saveSettingsSlot(programDir_, orientation_, slot, *settings)))
        dialogs_.information(QString::fromUtf8(kSettingsSaved));
}

} // namespace yorozu
