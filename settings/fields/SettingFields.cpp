#include "settings/fields/SettingFields.h"

#include "files/text/Cp932.h"
#include "settings/fields/ByteLimitValidator.h"
#include "settings/fields/ColourSwatch.h"
#include "settings/fields/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

namespace yorozu {

namespace {

using S = CompanySettings;

// "[データ表示数]=" left empty stands for the usual record count.
constexpr int kRecordCountWhenEmpty = 300;

const SettingRow& rowOf(std::string_view key)
{
    for (const auto& row : companySettingRows())
        if (row.key == key)
            return row;
    throw std::logic_error("no settings key " + std::string(key));
}

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

QWidget* makeControl(const FieldLayout& layout, const SettingRow& row, QWidget* parent)
{
    QWidget* w = nullptr;
    switch (row.form) {
    case SettingForm::Text: {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(new ByteLimitValidator(row.maxBytes, edit));
        if (layout.lead == FieldLead::ImageCaption) {
            // The file is chosen with the picture dialog a click opens.
            edit->setReadOnly(true);
            edit->setCursor(Qt::PointingHandCursor);
        }
        w = edit;
        break;
    }
    case SettingForm::Integer:
        w = new NumberField(layout.lowest, layout.highest, parent);
        break;
    case SettingForm::Colour:
        w = new ColourSwatch(parent);
        break;
    case SettingForm::Choice:
    case SettingForm::Honorific: {
        auto* box = new QComboBox(parent);
        box->addItems(QString::fromUtf8(layout.choices).split(QLatin1Char('|')));
        w = box;
        break;
    }
    case SettingForm::Switch:
    case SettingForm::TrueFalse:
    case SettingForm::TrueFale:
    case SettingForm::OffOnlyAt0:
        w = new QCheckBox(QString::fromUtf8(layout.caption ? layout.caption : ""), parent);
        break;
    }
    w->setObjectName(QString::fromUtf8(layout.name));
    if (layout.hint)
        w->setToolTip(QString::fromUtf8(layout.hint));
    return w;
}

QWidget* makeLead(const FieldLayout& layout, QWidget* control, QWidget* parent)
{
    const QString caption = QString::fromUtf8(layout.caption ? layout.caption : "");
    const QString name = QString::fromUtf8(layout.name);
    switch (layout.lead) {
    case FieldLead::Label: {
        auto* label = new QLabel(caption, parent);
        label->setBuddy(control);
        return label;
    }
    case FieldLead::ColourButton:
    case FieldLead::FontButton: {
        auto* button = new QPushButton(caption, parent);
        button->setObjectName(name + QStringLiteral("_BTN"));
        button->setMinimumWidth(button->sizeHint().width());
        return button;
    }
    case FieldLead::ImageCaption: {
        auto* frame = new QFrame(parent);
        frame->setObjectName(name + QStringLiteral("_FRAME"));
        frame->setFrameShape(QFrame::StyledPanel);
        auto* label = new QLabel(caption, frame);
        label->setObjectName(name + QStringLiteral("_CAP"));
        label->setCursor(Qt::PointingHandCursor);
        auto* box = new QHBoxLayout(frame);
        box->setContentsMargins(6, 2, 6, 2);
        box->addWidget(label);
        return frame;
    }
    case FieldLead::None:
        break;
    }
    return nullptr;
}

} // namespace

void SettingFields::build(QGridLayout* header, const std::array<QGridLayout*, kPages>& pages, QWidget* hiddenParent)
{
    fields_.clear();
    for (const auto& layout : settingsFields()) {
        const SettingRow& row = rowOf(layout.key);
        QGridLayout* grid = layout.page == SettingsPage::Header ? header : pages.at(std::size_t(layout.page));
        QWidget* parent = layout.hidden ? hiddenParent : grid->parentWidget();
        QWidget* control = makeControl(layout, row, parent);
        QWidget* lead = nullptr;
        if (layout.hidden) {
            control->hide();
        } else {
            lead = makeLead(layout, control, parent);
            if (lead)
                grid->addWidget(lead, layout.row, layout.column * 2);
            // Numbers and lists of choices keep their own width in the wide text column.
            const bool narrow = layout.column == 0 && qobject_cast<QLineEdit*>(control) == nullptr;
            if (narrow)
                control->setMaximumWidth(140);
            grid->addWidget(control, layout.row, layout.column * 2 + 1, narrow ? Qt::AlignLeft : Qt::Alignment());
        }
        fields_.push_back({&layout, &row, control, lead});
    }
}

const SettingFields::Field* SettingFields::field(std::string_view key) const
{
    for (const auto& f : fields_)
        if (f.layout->key == key)
            return &f;
    return nullptr;
}

void SettingFields::fill(const CompanySettings& settings)
{
    loaded_ = settings;
    for (const auto& f : fields_) {
        if (auto* s = std::get_if<std::string S::*>(&f.row->field)) {
            if (auto* box = qobject_cast<QComboBox*>(f.widget))
                box->setCurrentIndex(settings.honorificIndex());
            else
                static_cast<QLineEdit*>(f.widget)->setText(qs(settings.*(*s)));
        } else if (auto* i = std::get_if<int S::*>(&f.row->field)) {
            const int v = settings.*(*i);
            if (auto* number = qobject_cast<NumberField*>(f.widget))
                number->setValue(v);
            else if (auto* swatch = qobject_cast<ColourSwatch*>(f.widget))
                swatch->setValue(v);
            else
                static_cast<QComboBox*>(f.widget)->setCurrentIndex(v);
        } else {
            static_cast<QCheckBox*>(f.widget)->setChecked(settings.*std::get<bool S::*>(f.row->field));
        }
    }
}

CompanySettings SettingFields::collect() const
{
    CompanySettings settings = loaded_;
    for (const auto& f : fields_) {
        if (auto* s = std::get_if<std::string S::*>(&f.row->field)) {
            if (auto* box = qobject_cast<QComboBox*>(f.widget))
                settings.setHonorificIndex(box->currentIndex());
            else
                settings.*(*s) = static_cast<QLineEdit*>(f.widget)->text().toStdString();
        } else if (auto* i = std::get_if<int S::*>(&f.row->field)) {
            int& v = settings.*(*i);
            if (auto* number = qobject_cast<NumberField*>(f.widget))
                v = number->valueOr(f.layout->key == "[データ表示数]=" ? kRecordCountWhenEmpty : 0);
            else if (auto* swatch = qobject_cast<ColourSwatch*>(f.widget))
                v = swatch->value();
            else
                v = static_cast<QComboBox*>(f.widget)->currentIndex();
        } else {
            settings.*std::get<bool S::*>(f.row->field) = static_cast<QCheckBox*>(f.widget)->isChecked();
        }
    }
    return settings;
}

std::optional<SettingFields::Unsavable> SettingFields::unsavable() const
{
    for (const auto& f : fields_) {
        auto* edit = qobject_cast<QLineEdit*>(f.widget);
        if (!edit)
            continue;
        const auto encoded = cp932::encode(edit->text().toStdString());
        if (!encoded.ok)
            return Unsavable{&f, QString::fromStdString(encoded.unmappable)};
    }
    return std::nullopt;
}

} // namespace yorozu
