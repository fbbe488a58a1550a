#include "app/commandline.h"
#include "app/firstpaint.h"
#include "app/translations.h"
#include "game/form1.h"
#include "net/avahidiscovery.h"
#include "toolkit/pictures.h"
#include "toolkit/qttoolkit.h"

#include <QApplication>
#include <QMenuBar>

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
    // As soon as a widget inside a window is shown, the toolkit reaches the
    // accessibility bus over D-Bus and waits for its answers: the window goes
    // on screen first, and what it holds a moment later. Drawing the icon at
    // every size and sending it to the desktop would hold up the first frame
    // as well; it is for the task bar and the boxes.
    QWidget *const contents[] = {form.menuBar(), form.centralWidget()};
    for (QWidget *part : contents)
        part->hide();
    form.show();
    afterFirstPaint(form, [contents] {
        for (QWidget *part : contents)
            part->show();
        contents[1]->setFocus();
        QApplication::setWindowIcon(pictures::windowIcon());
    });
    return app.exec();
}
