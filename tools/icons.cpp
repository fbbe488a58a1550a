// Writes the program's icon into a hicolor icon theme folder: the SVG and a
// PNG at each standard size, all from the drawing the window icon uses.

#include "toolkit/pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kelmo-icons THEME-DIR APP-ID\n");
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]);
    const QString appId = QString::fromLocal8Bit(argv[2]);

    const QString scalable = theme + QStringLiteral("/scalable/apps");
    QFile svg(scalable + QLatin1Char('/') + appId + QStringLiteral(".svg"));
    if (!QDir().mkpath(scalable) || !svg.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "kelmo-icons: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    svg.write(pictures::iconSvg().toUtf8());

    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = theme + QStringLiteral("/%1x%1/apps").arg(side);
        const QString file = folder + QLatin1Char('/') + appId + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !pictures::iconImage(side).save(file)) {
            std::fprintf(stderr, "kelmo-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
