#include "game/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    QtToolkit toolkit;
    Form1 form(toolkit);
    form.show();
    return app.exec();
}
