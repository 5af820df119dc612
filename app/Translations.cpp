#include "app/Translations.h"

#include "catalogue/Catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void load(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Tries each of the desktop's languages in turn, de_DE before de.
    if (translator->load(QLocale::system(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

// LC_ALL or LC_MESSAGES set to C or POSIX, as scripts that read the
// program's lines set them, asks for its own words whatever LANGUAGE says.
// Qt would go by LANGUAGE alone.
bool untranslatedAskedFor()
{
    QString messages = qEnvironmentVariable("LC_ALL");
    if (messages.isEmpty())
        messages = qEnvironmentVariable("LC_MESSAGES");
    const QString language = messages.section(QLatin1Char('.'), 0, 0);
    return language == QLatin1String("C") || language == QLatin1String("POSIX");
}

} // namespace

void Translations::install()
{
    if (untranslatedAskedFor())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    load(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
#else
    load(QStringLiteral("qtbase"), QLibraryInfo::location(QLibraryInfo::TranslationsPath));
#endif
    load(QStringLiteral("rz-firmware-updater"), folder());
}

QString Translations::folder()
{
    return installedDataFolder() + QStringLiteral("/translations");
}
