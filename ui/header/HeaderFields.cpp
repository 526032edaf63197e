#include "ui/header/HeaderFields.h"

#include "core/document/Estimate.h"
#include "files/settings/WindowCompanySettings.h"
#include "ui/sheet/SheetModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFocusEvent>

#include "ui/text/FitText.h"
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace yorozu {

namespace {
QFont smallest(QFont f)
{
    f.setPixelSize(kMinFitPixels);
    return f;
}
} // namespace

namespace {

constexpr int kRowHeight = 22;
constexpr int kLabelWidth = 64;
constexpr const char* kChosen = "chosenIndex";

QLabel* makeLabel(QWidget* parent, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLabel* orderMark(QWidget* parent, const char* digit, QWidget* field)
{
    // The print order of the four delivery fields, right next to each field.
    auto* l = new QLabel(QString::fromUtf8(digit), parent);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("color: #000080;"));
    l->setGeometry(field->x() + field->width() + 2, field->y(), 12, kRowHeight);
    return l;
}

} // namespace

HeaderFields::HeaderFields(Estimate& estimate, QWidget* parent, std::function<QColor()> editorColor)
    : QObject(parent), estimate_(estimate), editorColor_(std::move(editorColor))
{
    // Two columns of fields under the toolbar; the options sit on the right.
    const int x1 = 84, x2 = 408, w = 250, w2 = 240, y0 = 56, dy = 25;

    KNAME = pickCombo(parent, "KNAME");
    KNAME->setMaxVisibleItems(45);
    KNAME->setGeometry(x1, y0, kNameWidth, kRowHeight);
    Kouji = new QLineEdit(parent);
    Kouji->setObjectName(QStringLiteral("Kouji"));
    Kouji->setGeometry(x2, y0, w2, kRowHeight);
    TITLE = new QLineEdit(parent);
    TITLE->setObjectName(QStringLiteral("TITLE"));
    TITLE->setMaxLength(230);
    TITLE->setGeometry(x1, y0 + dy, w, kRowHeight);
    Bangou = new QLineEdit(parent);
    Bangou->setObjectName(QStringLiteral("Bangou"));
    Bangou->setGeometry(x2, y0 + dy, 80, kRowHeight);
    DTP1 = new QDateEdit(parent);
    DTP1->setObjectName(QStringLiteral("DTP1"));
    DTP1->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
    DTP1->setCalendarPopup(true);
    DTP1->setGeometry(x2 + w2 - 130, y0 + dy, 130, kRowHeight);
    Nouki = pickCombo(parent, "Nouki");
    Nouki->setGeometry(x1, y0 + 2 * dy, w, kRowHeight);
    Basyo = pickCombo(parent, "Basyo");
    Basyo->setGeometry(x2, y0 + 2 * dy, w2, kRowHeight);
    Joken = pickCombo(parent, "Joken");
    Joken->setGeometry(x1, y0 + 3 * dy, w, kRowHeight);
    Kigen = pickCombo(parent, "Kigen");
    Kigen->setGeometry(x2, y0 + 3 * dy, w2, kRowHeight);
    Tanto = pickCombo(parent, "Tanto");
    Tanto->setGeometry(x1, y0 + 4 * dy, 150, kRowHeight);
    DATE_CHECK = new QCheckBox(QStringLiteral("日付なし"), parent);
    DATE_CHECK->setObjectName(QStringLiteral("DATE_CHECK"));
    DATE_CHECK->setGeometry(x1 + 160, y0 + 4 * dy, 90, kRowHeight);
    TOTALKIN = new QLineEdit(parent);
    TOTALKIN->setObjectName(QStringLiteral("TOTALKIN"));
    TOTALKIN->setReadOnly(true);
    TOTALKIN->setFocusPolicy(Qt::NoFocus);
    TOTALKIN->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TOTALKIN->setGeometry(x2, y0 + 4 * dy - 1, 170, kRowHeight + 2);
    QFont big = TOTALKIN->font();
    big.setPixelSize(16);
    big.setBold(true);
    TOTALKIN->setFont(big);
    totalFont_ = big;

    KNAMELabel = makeLabel(parent, QStringLiteral("顧客名"));
    KoujiLabel = makeLabel(parent, {});
    TITLELabel = makeLabel(parent, QStringLiteral("登録名"));
    BangouLabel = makeLabel(parent, QStringLiteral("見積№"));
    DTP1Label = makeLabel(parent, QStringLiteral("日付"));
    NoukiLabel = makeLabel(parent, {});
    BasyoLabel = makeLabel(parent, {});
    JokenLabel = makeLabel(parent, {});
    KigenLabel = makeLabel(parent, {});
    TantoLabel = makeLabel(parent, QStringLiteral("入力者名"));
    TOTALKINLabel = makeLabel(parent, QStringLiteral("合計金額"));
    placeLabel(KNAMELabel, KNAME, KNAMELabel->text());
    placeLabel(TITLELabel, TITLE, TITLELabel->text());
    placeLabel(BangouLabel, Bangou, BangouLabel->text());
    placeLabel(DTP1Label, DTP1, DTP1Label->text());
    placeLabel(TantoLabel, Tanto, TantoLabel->text());
    placeLabel(TOTALKINLabel, TOTALKIN, TOTALKINLabel->text());
    applyLabels(WindowCompanySettings{});
    orderMark(parent, "1", Nouki);
    orderMark(parent, "2", Basyo);
    orderMark(parent, "3", Joken);
    orderMark(parent, "4", Kigen);

    for (QWidget* f : fieldsInOrder()) {
        f->installEventFilter(this);
        setEditing(f, false);
    }
    KNAME->lineEdit()->installEventFilter(this);
    // The editor colour follows the focus wherever it goes: a field set from
    // code (the clear, an opened estimate) loses it as soon as the focus moves on.
    connect(qApp, &QApplication::focusChanged, this, [this] { showFocus(); });

    auto text = [this](auto* edit, std::string Estimate::*field) {
        connect(edit, &QLineEdit::textChanged, this, [this, edit, field] {
            if (!refreshing_)
                estimate_.*field = edit->text().toStdString();
        });
    };
    text(Kouji, &Estimate::Kouji);
    text(TITLE, &Estimate::TITLE);
    text(Bangou, &Estimate::Bangou);
    auto combo = [this](QComboBox* c, std::string Estimate::*field) {
        connect(c, &QComboBox::editTextChanged, this, [this, c, field] {
            if (!refreshing_)
                estimate_.*field = c->currentText().toStdString();
        });
    };
    combo(KNAME, &Estimate::KNAME);
    combo(Nouki, &Estimate::Nouki);
    combo(Basyo, &Estimate::Basyo);
    combo(Joken, &Estimate::Joken);
    combo(Kigen, &Estimate::Kigen);
    combo(Tanto, &Estimate::Tanto);
    connect(DTP1, &QDateEdit::dateChanged, this, [this](QDate d) {
        if (!refreshing_)
            estimate_.DTP1 = Date{d.year(), d.month(), d.day()};
    });
    connect(DATE_CHECK, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_)
            estimate_.DATE_CHECK = on;
    });
    refreshFromDocument();
}

QComboBox* HeaderFields::pickCombo(QWidget* parent, const char* name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setProperty(kChosen, -1);
    // An entry counts as chosen only when it came from the list, not when typed.
    connect(c, &QComboBox::currentIndexChanged, c, [c](int i) { c->setProperty(kChosen, i); });
    connect(c->lineEdit(), &QLineEdit::textEdited, c, [c] { c->setProperty(kChosen, -1); });
    return c;
}

int HeaderFields::chosenIndex(const QComboBox* combo)
{
    return combo->property(kChosen).toInt();
}

void HeaderFields::placeLabel(QLabel* label, QWidget* field, const QString& text)
{
    label->setText(text);
    const int w = std::max(field == DTP1 ? 0 : kLabelWidth, label->sizeHint().width());
    label->setGeometry(field->x() - 4 - w, field->y(), w, kRowHeight);
}

void HeaderFields::applyLabels(const WindowCompanySettings& keys)
{
    placeLabel(KoujiLabel, Kouji, QString::fromStdString(keys.KoujiLabel));
    placeLabel(NoukiLabel, Nouki, QString::fromStdString(keys.NoukiLabel));
    placeLabel(BasyoLabel, Basyo, QString::fromStdString(keys.BasyoLabel));
    placeLabel(JokenLabel, Joken, QString::fromStdString(keys.JokenLabel));
    placeLabel(KigenLabel, Kigen, QString::fromStdString(keys.KigenLabel));
}

QList<QWidget*> HeaderFields::fieldsInOrder() const
{
    return {KNAME, Kouji, TITLE, Bangou, DTP1, Nouki, Basyo, Joken, Kigen, Tanto};
}

void HeaderFields::refreshFromDocument()
{
    refreshing_ = true;
    auto setCombo = [](QComboBox* c, const std::string& v) {
        const QString t = QString::fromStdString(v);
        if (c->currentText() != t) {
            c->setEditText(t);
            c->setProperty(kChosen, -1);
        }
    };
    setCombo(KNAME, estimate_.KNAME);
    Kouji->setText(QString::fromStdString(estimate_.Kouji));
    TITLE->setText(QString::fromStdString(estimate_.TITLE));
    Bangou->setText(QString::fromStdString(estimate_.Bangou));
    DTP1->setDate(QDate(estimate_.DTP1.year, estimate_.DTP1.month, estimate_.DTP1.day));
    DATE_CHECK->setChecked(estimate_.DATE_CHECK);
    setCombo(Nouki, estimate_.Nouki);
    setCombo(Basyo, estimate_.Basyo);
    setCombo(Joken, estimate_.Joken);
    setCombo(Kigen, estimate_.Kigen);
    setCombo(Tanto, estimate_.Tanto);
    refreshing_ = false;
    refreshTotal();
}

void HeaderFields::refreshTotal()
{
    // The whole figure, "¥" and all, in the field: a long one in a smaller size.
    const QString text = screenText(estimate_.TOTALKIN);
    const int room = TOTALKIN->width() - 12; // the frame and the edit's own margins
    TOTALKIN->setFont(fittingFont(totalFont_, text, room).value_or(smallest(totalFont_)));
    TOTALKIN->setText(text);
    TOTALKIN->setCursorPosition(0);
    TOTALKIN->setToolTip(text);
}

bool HeaderFields::isEditing(const QWidget* field) const
{
    return field->property("editing").toBool();
}

void HeaderFields::showFocus()
{
    QWidget* focused = KNAME->window()->focusWidget();
    for (QWidget* f : fieldsInOrder())
        setEditing(f, focused && (focused == f || f->isAncestorOf(focused)));
}

void HeaderFields::setEditing(QWidget* field, bool on)
{
    field->setProperty("editing", on);
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, on ? editorColor_() : QColor(Qt::white));
    field->setPalette(pal);
    if (auto* c = qobject_cast<QComboBox*>(field))
        c->lineEdit()->setPalette(pal);
}

bool HeaderFields::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (watched == KNAME->lineEdit()) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            // A long customer name gets room in front of its neighbours until the field is left.
            KNAME->resize(kNameWideWidth, KNAME->height());
            KNAME->raise();
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        setEditing(w, true);
        if (w == TITLE && TITLE->text().isEmpty() && !Kouji->text().isEmpty())
            TITLE->setText(Kouji->text());
        break;
    case QEvent::FocusOut:
        // A context menu takes the focus for a moment; the field is still the one being edited.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            setEditing(w, false);
            if (w == KNAME)
                KNAME->resize(kNameWidth, KNAME->height());
        }
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && qobject_cast<QComboBox*>(w) && w != KNAME->lineEdit())
            return true; // the arrows never change the entry
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace yorozu
