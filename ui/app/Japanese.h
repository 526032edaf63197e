#pragma once

class QCoreApplication;

namespace yorozu {

// Everything the user sees is Japanese, whatever LANG says: the default
// locale becomes Japanese (calendar month and weekday names, Sunday first)
// and Qt's own texts (standard buttons, edit-field menus, file, print and
// colour dialogs) load their Japanese translations. Run before the first
// widget is made, since widgets take the default locale when created.
// Returns false when the translations are not installed; the program then
// runs with Qt's English texts.
bool useJapanese(QCoreApplication& app);

} // namespace yorozu
