#pragma once

class QColor;
class QLabel;

// The colour a label draws its text in.
void setForeColor(QLabel *label, const QColor &color);
