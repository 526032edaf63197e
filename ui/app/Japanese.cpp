#include "ui/app/Japanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace yorozu {

bool useJapanese(QCoreApplication& app)
{
    const QLocale ja(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(ja);
    // The translator belongs to the application and lives as long as it does.
    auto* qt = new QTranslator(&app);
    const bool loaded = qt->load(ja, QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!loaded) {
        delete qt;
        return false;
    }
    QCoreApplication::installTranslator(qt);
    return true;
}

} // namespace yorozu
