#include "ui/sheet/SheetEditor.h"

#include "controls/edits/LeftEdit.h"
#include "controls/numedit/SaNumEdit.h"
#include "files/settings/PickLists.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <limits>

// The floating controls of the sheet and their look.
namespace yorozu {

namespace {

QFrame* makePanel(QWidget* parent, const char* name)
{
    auto* p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setFrameStyle(QFrame::Box | QFrame::Plain);
    p->setLineWidth(1);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, Qt::white);
    p->setPalette(pal);
    p->hide();
    return p;
}

} // namespace

void SheetEditor::buildControls(QComboBox* unitList)
{
    QWidget* host = sheet_->viewport();

    EditP = makePanel(host, "EditP");
    Edit1 = new TLeftEdit(EditP);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFrame(false);
    Edit1->setMaxLength(std::numeric_limits<int>::max()); // a cell has no length limit
    Edit1->move(1, 1);
    Edit1->installEventFilter(this);
    Edit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Edit1, &QLineEdit::textEdited, this, [this] { Edit1Change(); });

    NumP = makePanel(host, "NumP");
    NumEdit1 = new TSaNumEdit(NumP);
    NumEdit1->setObjectName(QStringLiteral("NumEdit1"));
    NumEdit1->setBorderStyle(TSaNumEdit::bsNone);
    NumEdit1->setAutoSize(false);
    NumEdit1->setIntegerLength(9);
    NumEdit1->setDecimalLength(2);
    NumEdit1->setMinus(true);
    NumEdit1->setComma(true);
    NumEdit1->setAutoSelect(true);
    NumEdit1->setErrorBeep(false);
    NumEdit1->move(1, 1);
    connect(NumEdit1, &TSaNumEdit::changed, this, [this] { NumEdit1Change(); });
    connect(NumEdit1, &TSaNumEdit::keyDown, this,
            [this](int& key, Qt::KeyboardModifiers m) { NumEdit1KeyDown(key, m); });
    connect(NumEdit1, &TSaNumEdit::keyPress, this, [this](QChar& ch) { NumEdit1KeyPress(ch); });
    connect(NumEdit1, &TSaNumEdit::exited, this, [this] {
        NumP->hide();
        settleStaleLine();
    });

    if (unitList) {
        CB1 = unitList;
        CB1->setParent(host);
    } else {
        CB1 = new QComboBox(host);
        CB1->setObjectName(QStringLiteral("CB1"));
        CB1->setEditable(true);
        loadUnitList();
    }
    CB1->setMaxVisibleItems(18);
    CB1->setInsertPolicy(QComboBox::NoInsert);
    CB1->hide();
    CB1->installEventFilter(this);
    CB1->lineEdit()->installEventFilter(this);
    CB1->setContextMenuPolicy(Qt::CustomContextMenu);
    CB1->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(CB1, &QComboBox::editTextChanged, this, [this] { CB1Change(); });

    SIKI = new QLabel(host);
    SIKI->setObjectName(QStringLiteral("SIKI"));
    SIKI->setFrameStyle(QFrame::Box | QFrame::Plain);
    SIKI->setAutoFillBackground(true);
    SIKI->hide();
}

void SheetEditor::loadUnitList()
{
    CB1->addItem(QString());
    try {
        if (auto entries = COMBO_YOMIKOMI(programDir_, PickList::Tani)) {
            QStringList items;
            for (const auto& e : *entries)
                items << QString::fromStdString(e);
            items.sort(); // the unit list is a sorted list
            CB1->clear();
            CB1->addItems(items);
        }
    } catch (const std::exception&) {
        // An unreadable list leaves the combo empty; typing a unit still works.
    }
    CB1->setCurrentIndex(-1);
}

void SheetEditor::setEditorColor(const QColor& color)
{
    editorColor_ = color;
    for (QWidget* w : {static_cast<QWidget*>(Edit1), static_cast<QWidget*>(CB1)}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Base, color);
        w->setPalette(pal);
    }
    NumEdit1->setColor(color);
    QPalette pal = SIKI->palette();
    pal.setColor(QPalette::Window, color);
    SIKI->setPalette(pal);
}

} // namespace yorozu
