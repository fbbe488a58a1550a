#include "app/commandline.h"
#include "app/firstpaint.h"
#include "app/translations.h"
#include "game/form1.h"
#include "net/avahidiscovery.h"
#include "toolkit/pictures.h"
#include "toolkit/qttoolkit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // --help and --version are answered without a display.
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    installTranslations(app);
    // Lets the desktop match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Kelmo"));
    QtToolkit toolkit;
    // Made before the window, so that it is still there when the window
    // withdraws its game on closing.
    AvahiDiscovery discovery;
    Form1 form(toolkit);
    form.setGameDiscovery(&discovery);
    form.show();
    // Drawing the icon at every size and sending it to the desktop would
    // hold up the first frame; it is for the task bar and the boxes.
    afterFirstPaint(form, [] { QApplication::setWindowIcon(pictures::windowIcon()); });
    return app.exec();
}
