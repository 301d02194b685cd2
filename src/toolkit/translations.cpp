#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

void loadQtTranslations(QCoreApplication &application)
{
    auto *translator = new QTranslator(&application);
    // "qt" is the catalogue that brings in those of every Qt module.
    if (translator->load(QLocale(), u"qt"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
