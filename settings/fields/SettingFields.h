#pragma once

#include "files/settings/CompanySettings.h"
#include "files/settings/CompanySettingsTable.h"
#include "settings/fields/FieldTable.h"

#include <QString>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

class QGridLayout;
class QWidget;

namespace yorozu {

// The controls of the settings dialog, one per key of the settings file,
// made from the field table: the kind of control follows the key's value
// form (a text edit limited to the key's bytes, a number field within its
// range, a colour swatch, a check box, a list of choices), and one routine
// fills them all from settings and one reads them all back.
class SettingFields {
public:
    struct Field {
        const FieldLayout* layout;
        const SettingRow* row;
        QWidget* widget;       // the control holding the value
        QWidget* lead = nullptr; // the caption or button before it
    };

    static constexpr int kPages = 7;

    // Makes every control: the set's name into `header`, the others into the
    // grid of their page, the hidden ones as hidden children of `hiddenParent`.
    void build(QGridLayout* header, const std::array<QGridLayout*, kPages>& pages, QWidget* hiddenParent);

    void fill(const CompanySettings& settings);
    // The settings the controls hold, ready to be written.
    CompanySettings collect() const;

    // The first text field holding characters code page 932 cannot store,
    // with those characters.
    struct Unsavable {
        const Field* field;
        QString characters;
    };
    std::optional<Unsavable> unsavable() const;

    const Field* field(std::string_view key) const;
    const std::vector<Field>& fields() const { return fields_; }

private:
    std::vector<Field> fields_;
    CompanySettings loaded_; // keys the dialog does not show pass through
};

} // namespace yorozu
