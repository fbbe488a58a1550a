#include "game/form1.h"
#include "net/avahidiscovery.h"
#include "toolkit/qttoolkit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    // Lets the desktop match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Kelmo"));
    QtToolkit toolkit;
    // Made before the window, so that it is still there when the window
    // withdraws its game on closing.
    AvahiDiscovery discovery;
    Form1 form(toolkit);
    form.setGameDiscovery(&discovery);
    form.show();
    return app.exec();
}
