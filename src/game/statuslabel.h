#pragma once

#include <QLabel>

class QFontMetrics;

// A status line. It keeps its whole text, but shows it so that the words
// that tell the state ("Waiting...", "Connecting", "Connected") stay in
// sight: when the text is too wide, the host names in it are shortened in
// the middle with "…". The text itself stays whole: it is what a screen
// reader says, and the tooltip of a shortened line.
class StatusLabel : public QLabel
{
    Q_OBJECT

public:
    explicit StatusLabel(QWidget *parent = nullptr);

    // `text` as it is shown in `width` pixels.
    static QString fitted(const QString &text, const QFontMetrics &metrics, int width);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
