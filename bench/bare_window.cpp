// The floor for the start-up benchmark: a bare Qt main window of Kelmo's
// size with a one-item menu bar.

#include "firstpaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

Q_COREAPP_STARTUP_FUNCTION(installFirstPaintProbe)

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("&Game"));
    auto *area = new QWidget(&window);
    QPalette white = area->palette();
    white.setColor(QPalette::Window, Qt::white);
    area->setPalette(white);
    area->setAutoFillBackground(true);
    area->setFixedSize(171, 171);
    window.setCentralWidget(area);
    window.show();
    return app.exec();
}
