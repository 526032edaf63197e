#pragma once

#include "ui/window/RoomContext.h"

#include <QObject>

class QComboBox;
class QMenu;
class QWidget;

namespace yorozu {

class HeaderFields;

// The add and delete commands of the pick lists: the customer menu
// PopupMenu4 of KNAME, the menu PopupMenu3 shared by the delivery fields,
// and the unit list. An added entry goes to the top of its list and stays
// there until the next start. The number field's menu sits here too: it is
// the other list-like menu of the header.
class PickListCommands : public QObject {
    Q_OBJECT
public:
    // `units` is the unit list of the sheet's unit editor; `parent` owns the menus.
    PickListCommands(const RoomContext& context, HeaderFields& header, QComboBox* units, QWidget* parent);

    void customerAdd();    // "顧客追加"
    void customerDelete(); // "顧客削除"
    void pickAdd();        // "追加" on the field being edited
    void pickDelete();     // "削除"
    void unitAdd(const QString& text);    // "単位登録"
    void unitDelete(const QString& text); // "単位削除"

    void bangouNew();  // "新規見積に変更": the next number from "BANGO.INI"
    void N53Click();   // "見積№保存": the number shown becomes the next one

    QMenu* PopupMenu4;
    QMenu* PopupMenu3;
    QMenu* BangouMenu;

    // The common rules: add puts a non-empty text first; delete removes the
    // chosen entry when it equals the text, or says the text is not listed.
    static void addEntry(QComboBox* combo, const QString& text);
    void deleteEntry(QComboBox* combo, const QString& text);

private:
    QComboBox* editedPickField() const;

    RoomContext context_;
    HeaderFields& header_;
    QComboBox* units_;
};

} // namespace yorozu
