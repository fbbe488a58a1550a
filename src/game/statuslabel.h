#pragma once

#include <QLabel>

class QFontMetrics;

// A status line. It keeps its whole text, but shows it so that the words
// that tell the state ("Waiting...", "Connecting", "Connected") stay in
// sight: when the text is too wide, the host names in it are shortened in
// the middle with "…". The whole text is the tooltip and what a screen
// reader says.
class StatusLabel : public QLabel
{
    Q_OBJECT

public:
    explicit StatusLabel(QWidget *parent = nullptr);

    // Sets the text, and with it the tooltip and the accessible name.
    // (QLabel::setText is not virtual: call it on a StatusLabel.)
    void setText(const QString &text);

    // `text` as it is shown in `width` pixels.
    static QString fitted(const QString &text, const QFontMetrics &metrics, int width);

protected:
    void paintEvent(QPaintEvent *event) override;
};
