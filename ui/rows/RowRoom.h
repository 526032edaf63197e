#pragma once

#include "core/document/RowBlock.h"
#include "ui/window/RoomContext.h"

#include <QObject>
#include <QPoint>

#include <functional>

class QAction;
class QPushButton;
class QWidget;

namespace yorozu {

class SheetEditor;
class SheetView;

// The commands on whole rows of the sheet: insert, delete, copy and paste a
// row, the block copy and its two pastes, moving a row by dragging its
// number, the drag mode, numbering, indents and the two memo-column
// buttons. It keeps the block store; every command recalculates what it
// changed.
class RowRoom : public QObject {
    Q_OBJECT
public:
    // `buttons` is the parent of the room's buttons; `focusCustomer` gives
    // the focus to the customer box (the indents close the editors that way).
    RowRoom(const RoomContext& context, SheetView& sheet, SheetEditor& editor, QWidget* buttons,
            std::function<void()> focusCustomer);

    // ---- the commands
    void insertRow();         // "行挿入"
    void deleteRow();         // "行削除"
    void copyRow();           // "行複写"
    void pasteRow();          // "行貼り付け"
    void blockCopy();         // "ブロックコピー"
    void blockPaste(bool insert); // "ブロック貼り付け　(挿入)" / "(上書き)"
    void dragMode();          // "ドラッグモード"
    void numbering();         // "番号付け"
    void indent();            // "ｲﾝﾃﾞﾝﾄ"
    void unindent();          // "ｲﾝﾃﾞﾝﾄ削除"
    void memoAttribute();     // MEMO_FLG_CAP
    void memoDisplay();       // MEMO_DISP_CAP
    // After a row was dragged by its number from one data row to another.
    void rowMoved(int from, int to);

    const RowBlock& block() const { return block_; }
    // The drag modes: the sheet's, and that of its text and numeric editors.
    bool sheetDragAuto() const { return sheetDrag_; }
    bool textDragAuto() const { return textDrag_; }
    bool numericDragAuto() const { return numericDrag_; }
    void endDrags();

    // The system beep; tests count it.
    std::function<void()> beep;

    QPushButton* SpeedButton61 = nullptr; // "番号付け"
    QPushButton* SpeedButton62 = nullptr; // "ｲﾝﾃﾞﾝﾄ"
    QPushButton* SpeedButton63 = nullptr; // "ｲﾝﾃﾞﾝﾄ削除"
    QPushButton* MEMO_FLG_CAP = nullptr;
    QPushButton* MEMO_DISP_CAP = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void buildButtons(QWidget* parent);
    void registerCommands();
    void refreshMemoCaption();
    void sheetChanged();
    void doBeep();
    // A tab-separated block from the system clipboard, each cell through the
    // rules of the column it lands on; empty when there is none.
    RowBlock clipboardBlock(int col) const;
    void saveWidthProfiles();

    RoomContext context_;
    SheetView& sheet_;
    SheetEditor& editor_;
    std::function<void()> focusCustomer_;
    RowBlock block_;
    bool sheetDrag_ = false, textDrag_ = false, numericDrag_ = false;
    // A row being dragged by its number: the row it was pressed on.
    int dragFrom_ = 0;
    QPoint pressAt_;
};

} // namespace yorozu
