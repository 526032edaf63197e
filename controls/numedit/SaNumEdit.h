#pragma once

#include "controls/numedit/NumEditLayout.h"
#include "controls/numedit/NumEditModel.h"

#include <QBasicTimer>
#include <QColor>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace yorozu {

// The program's single-line numeric entry: a self-painted control that keeps
// a canonical value text, shows it grouped, with fixed decimals and marks,
// and lets only well-formed numbers within its digit limits be typed. There
// is no movable caret and no partial selection: the caret stands after the
// last typed character and the selection is all or nothing.
//
// Every change made by the user is announced with `changed()`; setting
// `Text` or a limit is silent. Keys reach `keyDown` (and characters
// `keyPress`) before the control acts on them; a handler that sets the key
// or character to 0 keeps the control from acting. Keys the control has no
// use for propagate to the parent. `entered` and `exited` report the focus
// moving to and from the control inside its window; a popup menu or the
// window losing activation is neither.
class TSaNumEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int IntegerLength READ IntegerLength WRITE setIntegerLength)
    Q_PROPERTY(int DecimalLength READ DecimalLength WRITE setDecimalLength)
    Q_PROPERTY(bool Minus READ Minus WRITE setMinus)
    Q_PROPERTY(bool Comma READ Comma WRITE setComma)
    Q_PROPERTY(bool DecimalFixed READ DecimalFixed WRITE setDecimalFixed)
    Q_PROPERTY(bool IntegerFixed READ IntegerFixed WRITE setIntegerFixed)
    Q_PROPERTY(QString LeftMark READ LeftMark WRITE setLeftMark)
    Q_PROPERTY(QString RightMark READ RightMark WRITE setRightMark)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE setHideSelection)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool ErrorBeep READ ErrorBeep WRITE setErrorBeep)
    Q_PROPERTY(bool EnterFocusMove READ EnterFocusMove WRITE setEnterFocusMove)
    Q_PROPERTY(bool ArrowFocusMove READ ArrowFocusMove WRITE setArrowFocusMove)
    Q_PROPERTY(bool ImageCopy READ ImageCopy WRITE setImageCopy)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE setCtl3D)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(QColor DisabledColor READ DisabledColor WRITE setDisabledColor)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(TVertAlignment VertAlignment READ VertAlignment WRITE setVertAlignment)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int LeftMargin READ LeftMargin WRITE setLeftMargin)
    Q_PROPERTY(int RightMargin READ RightMargin WRITE setRightMargin)
    Q_PROPERTY(int TopMargin READ TopMargin WRITE setTopMargin)
    Q_PROPERTY(int BottomMargin READ BottomMargin WRITE setBottomMargin)
    Q_PROPERTY(unsigned Options READ Options WRITE setOptions)

public:
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    enum TVertAlignment { taTopJustify, taBottomJustify, taVCenter };
    enum TBorderStyle { bsNone, bsSingle };
    Q_ENUM(TAlignment)
    Q_ENUM(TVertAlignment)
    Q_ENUM(TBorderStyle)

    explicit TSaNumEdit(QWidget* parent = nullptr);
    ~TSaNumEdit() override;

    QString Text() const;
    void setText(const QString& text);

    int IntegerLength() const { return model_.limits().integerLength; }
    void setIntegerLength(int length);
    int DecimalLength() const { return model_.limits().decimalLength; }
    void setDecimalLength(int length);
    bool Minus() const { return model_.limits().minus; }
    void setMinus(bool minus);
    bool Comma() const { return model_.format().comma; }
    void setComma(bool comma);
    bool DecimalFixed() const { return model_.format().decimalFixed; }
    void setDecimalFixed(bool fixed);
    bool IntegerFixed() const { return model_.format().integerFixed; }
    void setIntegerFixed(bool fixed);
    QString LeftMark() const { return QString::fromStdString(model_.format().leftMark); }
    void setLeftMark(const QString& mark);
    QString RightMark() const { return QString::fromStdString(model_.format().rightMark); }
    void setRightMark(const QString& mark);

    TAlignment Alignment() const { return alignment_; }
    void setAlignment(TAlignment alignment);
    TVertAlignment VertAlignment() const { return vertAlignment_; }
    void setVertAlignment(TVertAlignment alignment);
    int LeftMargin() const { return leftMargin_; }
    void setLeftMargin(int margin);
    int RightMargin() const { return rightMargin_; }
    void setRightMargin(int margin);
    int TopMargin() const { return topMargin_; }
    void setTopMargin(int margin);
    int BottomMargin() const { return bottomMargin_; }
    void setBottomMargin(int margin);
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void setBorderStyle(TBorderStyle style);
    bool Ctl3D() const { return ctl3D_; }
    void setCtl3D(bool ctl3D);

    bool AutoSelect() const { return autoSelect_; }
    void setAutoSelect(bool on) { autoSelect_ = on; }
    bool HideSelection() const { return hideSelection_; }
    void setHideSelection(bool on) { hideSelection_ = on; }
    bool ReadOnly() const { return readOnly_; }
    void setReadOnly(bool on) { readOnly_ = on; }
    bool ErrorBeep() const { return errorBeep_; }
    void setErrorBeep(bool on) { errorBeep_ = on; }
    bool EnterFocusMove() const { return enterFocusMove_; }
    void setEnterFocusMove(bool on) { enterFocusMove_ = on; }
    bool ArrowFocusMove() const { return arrowFocusMove_; }
    void setArrowFocusMove(bool on) { arrowFocusMove_ = on; }
    bool ImageCopy() const { return imageCopy_; }
    void setImageCopy(bool on) { imageCopy_ = on; }
    NumEditOptions Options() const { return model_.options(); }
    void setOptions(NumEditOptions options);

    QColor Color() const { return color_; }
    void setColor(const QColor& color);
    QColor DisabledColor() const { return disabledColor_; }
    void setDisabledColor(const QColor& color);

    // A menu of the owner's replaces the control's own context menu.
    QMenu* PopupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    // The display as drawn (grouped, padded, with marks).
    QString displayText() const;
    bool allSelected() const { return model_.allSelected(); }
    bool canUndo() const { return model_.canUndo(); }

    // The clipboard and menu commands, also reachable from the owner's menu.
    void selectAll();
    void copyToClipboard();
    void cutToClipboard();
    void pasteFromClipboard();
    void deleteSelection();
    void undo();

    // The control's own context menu with its items enabled for the current
    // state; the caller owns it.
    QMenu* createStandardContextMenu();

    // Replaces the system beep of refused input (tests count beeps with it).
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void changed();
    void keyDown(int& key, Qt::KeyboardModifiers modifiers);
    void keyPress(QChar& ch);
    void keyUp(int& key, Qt::KeyboardModifiers modifiers);
    void entered();
    void exited();
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool handleKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void handleChar(char32_t ch);
    void finish(NumEditResult result);
    void refuse();
    void displayChanged();
    void applyAutoSize();
    int frameWidth() const;
    QRect clientRect() const;
    int textHeight() const;
    int measure(const QString& text) const;
    bool displayFits(const std::string& display) const;
    NumLayout currentLayout() const;
    void restartCaret();
    void stopCaret();

    NumEditModel model_;
    TAlignment alignment_ = taRightJustify;
    TVertAlignment vertAlignment_ = taVCenter;
    int leftMargin_ = 2;
    int rightMargin_ = 2;
    int topMargin_ = 2;
    int bottomMargin_ = 2;
    bool autoSize_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    bool ctl3D_ = true;
    bool autoSelect_ = true;
    bool hideSelection_ = true;
    bool readOnly_ = false;
    bool errorBeep_ = true;
    bool enterFocusMove_ = false;
    bool arrowFocusMove_ = false;
    bool imageCopy_ = false;
    QColor color_;
    QColor disabledColor_;
    QPointer<QMenu> popupMenu_;
    std::function<void()> beep_;
    bool caretShown_ = false;   // the control holds the focus
    bool caretVisible_ = false; // the blink phase
    QBasicTimer caretTimer_;
};

} // namespace yorozu
