#pragma once

class QColor;
class QLabel;
class QWidget;

// The colour a label draws its text in.
void setForeColor(QLabel *label, const QColor &color);

// A white area with black text and lines, whatever the desktop's palette:
// the board and the About window keep their look under a dark theme, while
// menus, buttons and dialogs follow it. Children inherit both colours.
void makeWhiteArea(QWidget *widget);
