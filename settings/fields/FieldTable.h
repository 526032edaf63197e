#pragma once

#include <span>
#include <string_view>

namespace yorozu {

// The pages of the settings dialog, in tab order.
enum class SettingsPage {
    Header = -1, // above the pages (the set's name)
    Company,     // "自社名印刷項目"
    Captions,    // "項目名編集"
    Lists,       // "部門・分類名編集"
    FontsColours,// "フォント＆色設定"
    Lines,       // "太さ調整他"
    Switches,    // "消費税・備考他"
    Seals,       // "印鑑・表紙"
};

// What stands before a field on its page.
enum class FieldLead {
    Label,        // a plain caption
    ColourButton, // a button that asks, then opens the colour dialog on the swatch
    FontButton,   // a button that opens the font dialog on the name and the size beside it
    ImageCaption, // a caption in a frame; a click (right click on the frame) asks and empties the file name
    None,         // check boxes carry their caption themselves
};

// One control of the dialog and the settings key it edits. The kind of
// control follows from the key's value form in the settings table; this
// table only says where it stands, what it is called and its limits.
struct FieldLayout {
    std::string_view key;  // the settings key, "[社名]="
    const char* name;      // the control's object name
    SettingsPage page;
    int row = 0;
    int column = 0;        // 0: the main field; offsets stand in columns 1 and 2
    const char* caption = nullptr;
    int lowest = 0, highest = 0; // number fields
    FieldLead lead = FieldLead::Label;
    const char* question = nullptr; // colour buttons and image captions
    const char* hint = nullptr;
    const char* choices = nullptr;  // combo boxes: the items, "|" between them
    bool hidden = false;            // kept and saved, never shown
};

// Every control, one per key of the settings file, in file order.
std::span<const FieldLayout> settingsFields();

const FieldLayout* findField(std::string_view key);

} // namespace yorozu
