#include "toolkit/colours.h"

#include <QColor>
#include <QLabel>

void setForeColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}
