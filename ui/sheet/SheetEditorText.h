#pragma once

#include <QString>

#include <string>

namespace yorozu {

// Cell text as the editors show it: the yen mark the program stores as "\"
// is shown as "¥", as the sheet shows it.
QString cellToEditor(const std::string& text);
// Editor text as a cell holds it: "¥" back to "\", and line breaks (a pasted
// multi-line text) as single spaces, since a row is one line of the file.
std::string editorToCell(const QString& text);

} // namespace yorozu
