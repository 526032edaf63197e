#include "ui/window/PickListCommands.h"

#include "files/settings/CompanySettingsFile.h"
#include "files/estimate/Numbering.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/header/HeaderFields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

namespace yorozu {

PickListCommands::PickListCommands(const RoomContext& context, HeaderFields& header, QComboBox* units,
                                   QWidget* parent)
    : QObject(parent), context_(context), header_(header), units_(units)
{
    auto& h = header_;
    PopupMenu4 = new QMenu(parent);
    PopupMenu4->setObjectName(QStringLiteral("PopupMenu4"));
    connect(PopupMenu4->addAction(QStringLiteral("顧客追加")), &QAction::triggered, this, [this] { customerAdd(); });
    connect(PopupMenu4->addAction(QStringLiteral("顧客削除")), &QAction::triggered, this, [this] { customerDelete(); });
    PopupMenu3 = new QMenu(parent);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    connect(PopupMenu3->addAction(QStringLiteral("追加")), &QAction::triggered, this, [this] { pickAdd(); });
    connect(PopupMenu3->addAction(QStringLiteral("削除")), &QAction::triggered, this, [this] { pickDelete(); });

    BangouMenu = new QMenu(parent);
    BangouMenu->setObjectName(QStringLiteral("BangouMenu"));
    connect(BangouMenu->addAction(QStringLiteral("新規見積に変更")), &QAction::triggered, this, [this] { bangouNew(); });
    connect(BangouMenu->addAction(QStringLiteral("見積№保存")), &QAction::triggered, this, [this] { N53Click(); });
    h.Bangou->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(h.Bangou, &QWidget::customContextMenuRequested, BangouMenu,
            [this](const QPoint& at) { BangouMenu->popup(header_.Bangou->mapToGlobal(at)); });

    auto attach = [](QComboBox* combo, QMenu* menu) {
        for (QWidget* target : {static_cast<QWidget*>(combo), static_cast<QWidget*>(combo->lineEdit())}) {
            target->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(target, &QWidget::customContextMenuRequested, menu,
                    [target, menu](const QPoint& at) { menu->popup(target->mapToGlobal(at)); });
        }
    };
    attach(h.KNAME, PopupMenu4);
    for (QComboBox* c : {h.Nouki, h.Basyo, h.Joken, h.Kigen, h.Tanto})
        attach(c, PopupMenu3);
}

void PickListCommands::addEntry(QComboBox* combo, const QString& text)
{
    if (text.isEmpty())
        return;
    const QString shown = combo->currentText();
    combo->insertItem(0, text);
    combo->setEditText(shown);
}

void PickListCommands::deleteEntry(QComboBox* combo, const QString& text)
{
    const int chosen = HeaderFields::chosenIndex(combo);
    if (chosen >= 0 && chosen < combo->count() && combo->itemText(chosen) == text) {
        const QString shown = combo->currentText();
        combo->removeItem(chosen);
        combo->setEditText(shown);
        combo->setProperty("chosenIndex", -1);
        return;
    }
    context_.dialogs.information(text + QStringLiteral("は登録がありません。"));
}

void PickListCommands::customerAdd()
{
    addEntry(header_.KNAME, header_.KNAME->currentText());
}

void PickListCommands::customerDelete()
{
    deleteEntry(header_.KNAME, header_.KNAME->currentText());
}

QComboBox* PickListCommands::editedPickField() const
{
    auto& h = header_;
    for (QComboBox* c : {h.Nouki, h.Basyo, h.Joken, h.Kigen, h.Tanto})
        if (h.isEditing(c))
            return c;
    return nullptr;
}

void PickListCommands::pickAdd()
{
    if (QComboBox* c = editedPickField())
        addEntry(c, c->currentText());
}

void PickListCommands::pickDelete()
{
    if (QComboBox* c = editedPickField())
        deleteEntry(c, c->currentText());
}

void PickListCommands::bangouNew()
{
    if (const auto n = yorozu::BANGOU_CALL(context_.programDir)) {
        context_.estimate.Bangou = *n;
        context_.estimate.notify(Change::Header);
    }
}

void PickListCommands::N53Click()
{
    auto& d = context_.dialogs;
    const auto r = yorozu::N53Click(context_.programDir, context_.estimate.Bangou);
    for (const auto& m : r.messages)
        d.information(QString::fromStdString(m));
    if (r.written && !r.write.ok)
        d.warning(QString::fromUtf8(kSettingsNotSaved));
}

void PickListCommands::unitAdd(const QString& text)
{
    addEntry(units_, text);
}

void PickListCommands::unitDelete(const QString& text)
{
    deleteEntry(units_, text);
}

} // namespace yorozu
