// The colour, font and picture choices of the settings dialog, and how its
// fields take the focus and Enter.
#include "settings/dialog/SetYorozu.h"

#include "controls/numedit/SaNumEdit.h"
#include "settings/fields/ColourSwatch.h"
#include "settings/fields/NumberField.h"
#include "ui/dialogs/Dialogs.h"

#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <string>

namespace yorozu {

namespace {

// The font fields beside each font button: name key, size key.
struct FontKeys {
    std::string_view name, size;
};
constexpr FontKeys kFontKeys[] = {
    {"[固定font名]=", "[固定fontSize]="},
    {"[DATAfont名]=", "[DATAfontSize]="},
    {"[数値font名]=", "[数値fontSize]="},
};

constexpr int kWhite = 0xFFFFFF;
constexpr int kDefaultFontSize = 12;

const QColor kFocusColour(Qt::yellow);
const QColor kFieldColour(Qt::white);

void paintField(QWidget* w, const QColor& colour)
{
    if (auto* num = qobject_cast<TSaNumEdit*>(w)) {
        num->setColor(colour);
        return;
    }
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
}

} // namespace

QWidget* TSetYorozu::widget(std::string_view key) const
{
    const auto* f = fields_.field(key);
    return f ? f->widget : nullptr;
}

void TSetYorozu::connectFields()
{
    for (const auto& f : fields_.fields()) {
        const std::string_view key = f.layout->key;
        switch (f.layout->lead) {
        case FieldLead::ColourButton:
            connect(static_cast<QPushButton*>(f.lead), &QPushButton::clicked, this,
                    [this, key] { guarded([this, key] { chooseColour(key); }); });
            break;
        case FieldLead::FontButton:
            connect(static_cast<QPushButton*>(f.lead), &QPushButton::clicked, this,
                    [this, key] { guarded([this, key] { chooseFont(key); }); });
            break;
        case FieldLead::ImageCaption:
            f.lead->installEventFilter(this);
            f.lead->findChild<QLabel*>()->installEventFilter(this);
            break;
        default:
            break;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(f.widget))
            edit->installEventFilter(this);
        else if (auto* number = qobject_cast<NumberField*>(f.widget))
            number->edit()->installEventFilter(this);
    }
    // Choosing the dashed style gives the rule a visible width.
    auto* style = static_cast<QComboBox*>(widget("[形状線種]="));
    connect(style, &QComboBox::activated, this, [this](int index) {
        if (index == 1)
            static_cast<NumberField*>(widget("[形状線]="))->setValue(1);
    });
}

bool TSetYorozu::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    const auto* imageField = [&]() -> const SettingFields::Field* {
        for (const auto& f : fields_.fields())
            if (f.layout->lead == FieldLead::ImageCaption &&
                (watched == f.widget || watched == f.lead || watched->parent() == f.lead))
                return &f;
        return nullptr;
    }();
    switch (event->type()) {
    case QEvent::FocusIn:
        paintField(w, kFocusColour);
        break;
    case QEvent::FocusOut:
        paintField(w, kFieldColour);
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (qobject_cast<QLineEdit*>(w) && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            focusNextChild();
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress: {
        if (!imageField)
            break;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const std::string_view key = imageField->layout->key;
        if (watched == imageField->widget && mouse->button() == Qt::LeftButton) {
            guarded([this, key] { chooseImage(key); });
            return true;
        }
        const bool onCaption = qobject_cast<QLabel*>(w) != nullptr;
        if ((onCaption && mouse->button() == Qt::LeftButton) || (!onCaption && mouse->button() == Qt::RightButton)) {
            guarded([this, key] { clearImage(key); });
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TSetYorozu::chooseColour(std::string_view key)
{
    const auto* f = fields_.field(key);
    if (!dialogs_.question(QString::fromUtf8(f->layout->question)))
        return;
    auto* swatch = static_cast<ColourSwatch*>(f->widget);
    // White would open the dialog on a colour that prints as nothing.
    if ((swatch->value() & 0xFFFFFF) == kWhite)
        swatch->setValue(0);
    if (const auto chosen = dialogs_.chooseColor(swatch->color()))
        swatch->setColor(*chosen);
}

void TSetYorozu::chooseFont(std::string_view key)
{
    for (const auto& keys : kFontKeys) {
        if (keys.name != key)
            continue;
        auto* name = static_cast<QLineEdit*>(widget(keys.name));
        auto* size = static_cast<NumberField*>(widget(keys.size));
        QFont font(name->text());
        font.setPointSize(size->value().value_or(0) > 0 ? *size->value() : kDefaultFontSize);
        if (const auto chosen = dialogs_.chooseFont(font)) {
            name->setText(chosen->family());
            size->setValue(chosen->pointSize() > 0 ? chosen->pointSize() : int(chosen->pointSizeF() + 0.5));
        }
        name->setFocus();
        return;
    }
}

void TSetYorozu::chooseImage(std::string_view key)
{
    auto* edit = static_cast<QLineEdit*>(widget(key));
    const QString file = dialogs_.openFile(QStringLiteral("画像ファイルの選択"), edit->text(),
                                           QStringLiteral("ビットマップ (*.bmp);;画像 (*.bmp *.png *.jpg *.jpeg)"));
    if (!file.isEmpty())
        edit->setText(file);
}

void TSetYorozu::clearImage(std::string_view key)
{
    const auto* f = fields_.field(key);
    if (dialogs_.question(QString::fromUtf8(f->layout->question)))
        static_cast<QLineEdit*>(f->widget)->clear();
}

} // namespace yorozu
