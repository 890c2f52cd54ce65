#include "ui/desktop/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

std::unique_ptr<QTranslator> &installedTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

namespace Translations {

bool install()
{
    if (installedTranslator())
        return true;
    auto translator = std::make_unique<QTranslator>();
    // qtbase_ja carries the widgets' texts; qt_ja would pull in modules the program does not use.
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    installedTranslator() = std::move(translator);
    return true;
}

void remove()
{
    if (installedTranslator()) {
        QCoreApplication::removeTranslator(installedTranslator().get());
        installedTranslator().reset();
    }
}

} // namespace Translations
