#include "print/dispatch/PagePrompts.h"

#include "core/calc/Numbers.h"
#include "files/text/IntText.h"
#include "ui/dialogs/Dialogs.h"

#include <algorithm>

namespace yorozu {

int startPageFromAnswer(std::string_view answer)
{
    return std::max(1, intOr(ZEN_HAN(answer), 1));
}

int endPageFromAnswer(std::string_view answer)
{
    return intOr(ZEN_HAN(answer), 9999);
}

std::optional<PageRange> askPageRange(Dialogs& dialogs)
{
    const auto start = dialogs.input(QStringLiteral("開始ページ"), QStringLiteral("開始ページを入力して下さい。"),
                                     QStringLiteral("1"));
    if (!start)
        return std::nullopt;
    const auto end = dialogs.input(QStringLiteral("終了ページ"), QStringLiteral("終了ページを入力して下さい。"),
                                   QStringLiteral("9999"));
    if (!end)
        return std::nullopt;
    return PageRange{startPageFromAnswer(start->toStdString()), endPageFromAnswer(end->toStdString())};
}

} // namespace yorozu
