// Renders the main window in a few states, and the About window, into PNG
// files for the documentation. Runs without a display, at four device
// pixels per pixel (QT_SCALE_FACTOR, unless set already), so that the small
// window makes pictures wide enough for a software centre.

#include "about/form2.h"
#include "game/form1.h"
#include "faketoolkit.h"

#include <QApplication>
#include <QDir>
#include <QLabel>

#include <cstdio>

namespace {

bool save(QWidget &widget, const QString &file)
{
    widget.show();
    QApplication::processEvents();
    if (!widget.grab().save(file)) {
        std::fprintf(stderr, "kelmo-screenshots: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "4");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelmo-screenshots DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    bool ok = true;

    FakeToolkit toolkit;
    {
        Form1 form(toolkit);
        ok &= save(form, dir + QStringLiteral("/screenshot-empty.png"));
    }
    {
        // A Two Players game under way.
        Form1 form(toolkit);
        form.mnusubGame_Click(Form1::TwoPlayers);
        for (int cell : {4, 0, 8, 2})
            form.Image1_Click(cell);
        ok &= save(form, dir + QStringLiteral("/screenshot-game.png"));
    }
    {
        // A One Player game that the person has won along the left column.
        toolkit.draws << 0.0 << 0.25 << 0.0;
        Form1 form(toolkit);
        for (int cell : {0, 8, 6, 3})
            form.Image1_Click(cell);
        ok &= save(form, dir + QStringLiteral("/screenshot-won.png"));
    }
    {
        Form2 about;
        ok &= save(about, dir + QStringLiteral("/screenshot-about.png"));
    }
    return ok ? 0 : 1;
}
