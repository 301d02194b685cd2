#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

void loadQtTranslations(QCoreApplication &application)
{
    auto *translator = new QTranslator(&application);
    // The interface is French whatever the language settings, so Qt's texts are too; numbers
    // still follow the user's locale. "qt" is the catalogue that brings in every Qt module's.
    if (translator->load(QLocale(QLocale::French, QLocale::France), u"qt"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
