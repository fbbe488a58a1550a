#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(QCoreApplication &app)
{
    const QLocale locale;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return;
    const auto install = [&](const QString &name, const QString &folder) {
        auto *translator = new QTranslator(&app);
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("kelmo"), QStringLiteral(":/i18n"));
}
