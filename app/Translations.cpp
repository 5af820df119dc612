#include "app/Translations.h"

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

} // namespace

void Translations::install()
{
    load(QStringLiteral("qtbase"), QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    load(QStringLiteral("rz-firmware-updater"), folder());
}

QString Translations::folder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/rz-firmware-updater/translations");
}
