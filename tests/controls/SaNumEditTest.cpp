#include "controls/numedit/SaNumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using namespace yorozu;

namespace {

// A window with an edit before and after the control, so that focus moves
// and focus loss have somewhere to go.
class SaNumEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = std::make_unique<QWidget>();
        window_->setFont(QFont(QStringLiteral("IPAGothic"), 10));
        auto* layout = new QVBoxLayout(window_.get());
        before_ = new QLineEdit(window_.get());
        edit_ = new TSaNumEdit(window_.get());
        after_ = new QLineEdit(window_.get());
        layout->addWidget(before_);
        layout->addWidget(edit_);
        layout->addWidget(after_);
        edit_->setBeep([this] { ++beeps_; });
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    void enter()
    {
        edit_->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(edit_->hasFocus());
    }

    void leave()
    {
        after_->setFocus(Qt::TabFocusReason);
        ASSERT_FALSE(edit_->hasFocus());
    }

    // A key whose text is given as it would come from the keyboard layout or
    // an input method, such as a full-width digit.
    void sendText(const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(edit_, &press);
    }

    std::unique_ptr<QWidget> window_;
    QLineEdit* before_ = nullptr;
    TSaNumEdit* edit_ = nullptr;
    QLineEdit* after_ = nullptr;
    int beeps_ = 0;
};

TEST_F(SaNumEditTest, IsSelfPaintedWithTheInputMethodClosed)
{
    EXPECT_EQ(qobject_cast<QLineEdit*>(edit_), nullptr);
    EXPECT_FALSE(edit_->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(edit_->inputMethodHints().testFlag(Qt::ImhDigitsOnly));
    EXPECT_TRUE(edit_->inputMethodHints().testFlag(Qt::ImhPreferNumbers));
    EXPECT_EQ(edit_->focusPolicy(), Qt::StrongFocus);
}

TEST_F(SaNumEditTest, DefaultsOfANewControl)
{
    TSaNumEdit fresh;
    EXPECT_EQ(fresh.width(), 121);
    EXPECT_EQ(fresh.IntegerLength(), 9);
    EXPECT_EQ(fresh.DecimalLength(), 3);
    EXPECT_TRUE(fresh.Minus());
    EXPECT_TRUE(fresh.Comma());
    EXPECT_TRUE(fresh.AutoSelect());
    EXPECT_EQ(fresh.Alignment(), TSaNumEdit::taRightJustify);
    EXPECT_EQ(fresh.VertAlignment(), TSaNumEdit::taVCenter);
    EXPECT_EQ(fresh.Options(), static_cast<NumEditOptions>(eoArrowUp | eoArrowDown));
    // The height follows the font: text height, both margins and the 3-D frame.
    EXPECT_EQ(fresh.height(), QFontMetrics(fresh.font()).height() + 2 + 2 + 2 * 2);
}

TEST_F(SaNumEditTest, TypingAnnouncesEveryChange)
{
    QSignalSpy changes(edit_, &TSaNumEdit::changed);
    enter();
    QTest::keyClicks(edit_, QStringLiteral("1234"));
    EXPECT_EQ(edit_->Text(), QStringLiteral("1234"));
    EXPECT_EQ(edit_->displayText(), QStringLiteral("1,234"));
    EXPECT_EQ(changes.count(), 4);
    QTest::keyClick(edit_, Qt::Key_A);
    EXPECT_EQ(beeps_, 1);
    EXPECT_EQ(changes.count(), 4);
}

TEST_F(SaNumEditTest, FullWidthDigitsArriveAsAscii)
{
    enter();
    sendText(QStringLiteral("１"));
    sendText(QStringLiteral("２"));
    sendText(QStringLiteral("．"));
    sendText(QStringLiteral("５"));
    sendText(QStringLiteral("－"));
    EXPECT_EQ(edit_->Text(), QStringLiteral("-12.5"));
    EXPECT_EQ(beeps_, 0);
}

TEST_F(SaNumEditTest, InputMethodTextIsNarrowedToo)
{
    enter();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("９８．７"));
    QApplication::sendEvent(edit_, &commit);
    EXPECT_EQ(edit_->Text(), QStringLiteral("98.7"));
    // The composition window sits at the caret, inside the control.
    const QRect caret = edit_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_TRUE(edit_->rect().contains(caret.topLeft()));
    EXPECT_GT(caret.left(), edit_->width() / 2); // right-aligned number
}

TEST_F(SaNumEditTest, FocusSelectsAllAndTheFirstDigitReplaces)
{
    QSignalSpy changes(edit_, &TSaNumEdit::changed);
    edit_->setText(QStringLiteral("123"));
    EXPECT_EQ(changes.count(), 0); // text from outside is not the user's change
    enter();
    EXPECT_TRUE(edit_->allSelected());
    QTest::keyClick(edit_, Qt::Key_8);
    EXPECT_EQ(edit_->Text(), QStringLiteral("8"));
    EXPECT_FALSE(edit_->allSelected());
}

TEST_F(SaNumEditTest, BackspaceOnTheEntrySelectionEmptiesSilently)
{
    // The sheet has emptied the cell itself; a change notice here would be
    // the only thing to write it back.
    QSignalSpy changes(edit_, &TSaNumEdit::changed);
    edit_->setText(QStringLiteral("1.5"));
    enter();
    QTest::keyClick(edit_, Qt::Key_Backspace);
    EXPECT_EQ(edit_->Text(), QString());
    EXPECT_EQ(changes.count(), 0);

    QTest::keyClicks(edit_, QStringLiteral("1.5"));
    QTest::keyClick(edit_, Qt::Key_Backspace);
    EXPECT_EQ(edit_->Text(), QStringLiteral("1"));
    EXPECT_EQ(changes.count(), 4);
}

TEST_F(SaNumEditTest, LoneMinusIsEmptiedOnLeaving)
{
    QSignalSpy exits(edit_, &TSaNumEdit::exited);
    enter();
    QTest::keyClick(edit_, Qt::Key_Minus);
    EXPECT_EQ(edit_->Text(), QStringLiteral("-"));
    leave();
    EXPECT_EQ(edit_->Text(), QString());
    EXPECT_EQ(exits.count(), 1);

    edit_->setOptions(eoMinusOnly);
    enter();
    QTest::keyClick(edit_, Qt::Key_Minus);
    leave();
    EXPECT_EQ(edit_->Text(), QStringLiteral("-"));
}

TEST_F(SaNumEditTest, KeyDownHandlerCanTakeAKeyAway)
{
    edit_->setText(QStringLiteral("12"));
    enter();
    edit_->selectAll();
    int seen = 0;
    QObject::connect(edit_, &TSaNumEdit::keyDown, edit_, [&](int& key, Qt::KeyboardModifiers) {
        ++seen;
        if (key == Qt::Key_Backspace)
            key = 0;
    });
    QChar typed;
    QObject::connect(edit_, &TSaNumEdit::keyPress, edit_, [&](QChar& ch) {
        typed = ch;
        if (ch == u'*')
            ch = QChar(); // the sheet's operator keys never reach the value
    });
    QTest::keyClick(edit_, Qt::Key_Backspace);
    EXPECT_EQ(edit_->Text(), QStringLiteral("12"));
    QTest::keyClick(edit_, Qt::Key_Asterisk);
    EXPECT_EQ(typed, QChar(u'*'));
    EXPECT_EQ(edit_->Text(), QStringLiteral("12"));
    EXPECT_EQ(beeps_, 0);
    EXPECT_EQ(seen, 2);
}

TEST_F(SaNumEditTest, UnusedKeysReachTheParent)
{
    // Esc and the function keys are the sheet's and the window's; the control
    // must not eat them.
    enter();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    QApplication::sendEvent(edit_, &esc);
    EXPECT_FALSE(esc.isAccepted());
    QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QApplication::sendEvent(edit_, &f5);
    EXPECT_FALSE(f5.isAccepted());
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QApplication::sendEvent(edit_, &home);
    EXPECT_TRUE(home.isAccepted());
    EXPECT_EQ(beeps_, 0);
}

TEST_F(SaNumEditTest, EnterAndArrowsMoveTheFocusWhenAsked)
{
    enter();
    QTest::keyClick(edit_, Qt::Key_Return);
    EXPECT_TRUE(edit_->hasFocus());
    EXPECT_EQ(beeps_, 1);

    edit_->setEnterFocusMove(true);
    QTest::keyClick(edit_, Qt::Key_Return);
    EXPECT_TRUE(after_->hasFocus());

    enter();
    QTest::keyClick(edit_, Qt::Key_Up);
    EXPECT_TRUE(edit_->hasFocus());
    EXPECT_FALSE(edit_->allSelected());
    edit_->setArrowFocusMove(true);
    QTest::keyClick(edit_, Qt::Key_Up);
    EXPECT_TRUE(before_->hasFocus());

    enter();
    edit_->setOptions(eoArrowUp);
    QTest::keyClick(edit_, Qt::Key_Down);
    EXPECT_TRUE(edit_->hasFocus());
}

TEST_F(SaNumEditTest, ClipboardKeys)
{
    QClipboard* clip = QGuiApplication::clipboard();
    edit_->setLeftMark(QStringLiteral("\\"));
    edit_->setText(QStringLiteral("1234.5"));
    enter();
    QTest::keyClick(edit_, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clip->text(), QStringLiteral("1234.5"));
    edit_->setImageCopy(true);
    QTest::keyClick(edit_, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clip->text(), QStringLiteral("¥1,234.5"));

    QSignalSpy changes(edit_, &TSaNumEdit::changed);
    clip->setText(QStringLiteral("９８a7"));
    QTest::keyClick(edit_, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit_->Text(), QStringLiteral("98"));
    QTest::keyClick(edit_, Qt::Key_V, Qt::ControlModifier); // appended now
    EXPECT_EQ(edit_->Text(), QStringLiteral("9898"));
    QTest::keyClick(edit_, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(edit_, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit_->Text(), QString());
    EXPECT_EQ(clip->text(), QStringLiteral("¥9,898"));
    EXPECT_EQ(changes.count(), 3);
}

TEST_F(SaNumEditTest, WidthStopMeasuresTheRealDisplay)
{
    edit_->setOptions(eoORInputStop);
    edit_->setFixedWidth(QFontMetrics(edit_->font()).horizontalAdvance(QStringLiteral("8,888")) + 20);
    enter();
    QTest::keyClicks(edit_, QStringLiteral("888888888"));
    EXPECT_GE(edit_->Text().size(), 3);
    EXPECT_LT(edit_->Text().size(), 9);
    EXPECT_GT(beeps_, 0);
    const int room = edit_->width() - 2 * 2 - 2 - 2 - 2 * 2;
    EXPECT_LE(QFontMetrics(edit_->font()).horizontalAdvance(edit_->displayText()) + 1, room);
}

TEST_F(SaNumEditTest, ReadOnlyRefusesEveryEdit)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    edit_->setText(QStringLiteral("12"));
    edit_->setReadOnly(true);
    enter();
    QTest::keyClicks(edit_, QStringLiteral("34"));
    QTest::keyClick(edit_, Qt::Key_Backspace);
    QTest::keyClick(edit_, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit_, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit_->Text(), QStringLiteral("12"));
}

TEST_F(SaNumEditTest, OwnMenuEnablesWhatApplies)
{
    auto enabled = [this] {
        std::unique_ptr<QMenu> menu(edit_->createStandardContextMenu());
        QString flags;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator())
                flags += a->isEnabled() ? u'1' : u'0';
        }
        return flags;
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    // Order: undo, cut, copy, paste, delete, select all.
    EXPECT_EQ(enabled(), QStringLiteral("000100"));
    edit_->setText(QStringLiteral("12"));
    EXPECT_EQ(enabled(), QStringLiteral("000101"));
    edit_->selectAll();
    EXPECT_EQ(enabled(), QStringLiteral("011110"));

    std::unique_ptr<QMenu> menu(edit_->createStandardContextMenu());
    const QList<QAction*> actions = menu->actions();
    EXPECT_EQ(actions.at(0)->text(), QStringLiteral("元に戻す(&U)"));
    EXPECT_EQ(actions.at(5)->text(), QStringLiteral("削除(&D)"));
    actions.at(5)->trigger(); // delete
    EXPECT_EQ(edit_->Text(), QString());
    EXPECT_EQ(enabled(), QStringLiteral("100100"));
    std::unique_ptr<QMenu> again(edit_->createStandardContextMenu());
    again->actions().at(0)->trigger(); // undo
    EXPECT_EQ(edit_->Text(), QStringLiteral("12"));
    EXPECT_TRUE(edit_->allSelected());
}

TEST_F(SaNumEditTest, MouseDropsOrSelectsAll)
{
    edit_->setText(QStringLiteral("1234"));
    QTest::mouseClick(edit_, Qt::LeftButton, Qt::NoModifier, QPoint(edit_->width() - 10, edit_->height() / 2));
    EXPECT_TRUE(edit_->hasFocus());
    EXPECT_FALSE(edit_->allSelected()); // the click undoes the entry selection
    QTest::mouseDClick(edit_, Qt::LeftButton, Qt::NoModifier, QPoint(edit_->width() - 10, edit_->height() / 2));
    EXPECT_TRUE(edit_->allSelected());
}

TEST_F(SaNumEditTest, PaintsTheSelectionInTheHighlight)
{
    edit_->setText(QStringLiteral("8888"));
    const QColor highlight = edit_->palette().color(QPalette::Active, QPalette::Highlight);
    auto highlighted = [&] {
        const QImage img = edit_->grab().toImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += img.pixelColor(x, y) == highlight;
        return n;
    };
    EXPECT_EQ(highlighted(), 0);
    edit_->selectAll();
    EXPECT_GT(highlighted(), 0);
}

} // namespace
