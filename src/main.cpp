#include "app/commandline.h"
#include "game/form1.h"
#include "toolkit/qttoolkit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // --help and --version are answered without a display.
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    // Lets the desktop match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Kelmo"));
    QtToolkit toolkit;
    Form1 form(toolkit);
    form.show();
    return app.exec();
}
