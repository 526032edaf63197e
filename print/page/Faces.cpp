#include "print/page/Faces.h"

namespace yorozu {

QString installedFace(std::string_view windowsFace)
{
    struct Pair {
        std::string_view windows;
        const char* installed;
    };
    static const Pair pairs[] = {{"ＭＳ ゴシック", "IPAGothic"},
                                 {"ＭＳＰ ゴシック", "IPAPGothic"},
                                 {"ＭＳ 明朝", "IPAMincho"},
                                 {"ＭＳＰ 明朝", "IPAPMincho"}};
    for (const auto& p : pairs)
        if (p.windows == windowsFace)
            return QString::fromLatin1(p.installed);
    if (windowsFace.empty())
        return QStringLiteral("IPAGothic");
    return QString::fromUtf8(windowsFace.data(), static_cast<qsizetype>(windowsFace.size()));
}

QString printedText(std::string_view utf8)
{
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    text.replace(QLatin1Char('\\'), QChar(0x00A5));
    return text;
}

} // namespace yorozu
