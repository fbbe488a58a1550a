#include "app/commandline.h"

#include "app/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

#ifndef KELMO_VERSION
#error "KELMO_VERSION must give the program's version"
#endif

namespace {

// The options QGuiApplication, QApplication and the X11 platform take for
// themselves. They are known here only so that they are not refused; Qt
// acts on them once the application object exists.
const char *const kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry",
    "qwindowtitle", "title", "qwindowicon", "icon", "session", "style", "stylesheet", "display",
    "name", "visual", "qmljsdebugger",
};
const char *const kQtFlags[] = {"reverse", "widgetcount", "testability", "sync", "nograb", "dograb"};

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    if (argc <= 1)
        return std::nullopt; // nothing to answer: start the game at once
    // An application object without a display, for the player's language.
    int coreArgc = 1;
    QCoreApplication core(coreArgc, argv);
    installTranslations(core);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString program = QStringLiteral("kelmo");

    QCommandLineParser parser;
    // Qt's own options are words after one dash: -platform, -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Noughts and crosses for one or two players, or over the network.\n"
           "Kelmo also takes the options common to Qt programs, such as -platform and -style."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("CommandLine", "Shows the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        print(stderr, QCoreApplication::translate("CommandLine", "%1: %2\nTry '%1 --help' for more information.\n").arg(program, error));
        return 2;
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        // The parser names the program only once an application object
        // exists; none does yet.
        const qsizetype endOfUsage = text.indexOf(QLatin1Char('\n'));
        text.replace(0, endOfUsage, QCoreApplication::translate("CommandLine", "Usage: %1 [options]").arg(program));
        print(stdout, text);
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(program, QStringLiteral(KELMO_VERSION)));
        return 0;
    }
    return std::nullopt;
}
