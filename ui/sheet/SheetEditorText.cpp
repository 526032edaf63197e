#include "ui/sheet/SheetEditorText.h"

#include "ui/sheet/SheetEditRules.h"

namespace yorozu {

QString cellToEditor(const std::string& text)
{
    QString s = QString::fromStdString(text);
    s.replace(QLatin1Char('\\'), QChar(0x00A5));
    return s;
}

std::string editorToCell(const QString& text)
{
    QString s = text;
    s.replace(QChar(0x00A5), QLatin1Char('\\'));
    return withoutLineBreaks(s.toStdString());
}

} // namespace yorozu
