#include "langue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

bool Langue::installe()
{
    const bool anglais = programme.load(QStringLiteral("tavrex_en"));
    QCoreApplication::installTranslator(&programme);
    // Qt's own texts are English already. Without Debian's qttranslations5-l10n its
    // dialogs stay English in a French program; nothing else is lost.
    if (!anglais && qt.load(QStringLiteral("qtbase_fr"), QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    // Numbers written as the texts' language writes them: 2,110 in French, 2.110 in English.
    QLocale::setDefault(anglais ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                : QLocale(QLocale::French, QLocale::France));
    return anglais;
}
