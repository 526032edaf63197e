#include "ui/app/StartArguments.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace yorozu {

std::optional<std::filesystem::path> estimateFileArgument(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString a = arguments[i];
        if (a.isEmpty() || a.startsWith(QLatin1Char('-')))
            continue;
        if (a.contains(QLatin1String("://"))) {
            // Only a local file can be opened; a remote one is not fetched.
            const QUrl url(a);
            if (!url.isLocalFile())
                continue;
            a = url.toLocalFile();
        }
        return std::filesystem::path(QFileInfo(a).absoluteFilePath().toStdString());
    }
    return std::nullopt;
}

} // namespace yorozu
