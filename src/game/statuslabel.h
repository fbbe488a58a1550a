#pragma once

#include <QLabel>

class QFontMetrics;

// A status line. It shows a whole sentence whose placeholders are host
// names: %1 this host's, %2 the opponent's. When the sentence is too wide,
// the names are shortened in the middle with "…" before they go into it,
// this host's name first, since the player knows it, and the opponent's
// only when that is not enough. The text itself stays whole: it is what a
// screen reader says, and the tooltip of a shortened line.
class StatusLabel : public QLabel
{
    Q_OBJECT

public:
    explicit StatusLabel(QWidget *parent = nullptr);

    // Shows `sentence` with the names in it.
    void setSentence(const QString &sentence, const QString &ours, const QString &theirs = {});
    // Shows a text as it is, shortened in the middle when too wide.
    void setText(const QString &text);

    // The sentence as it is shown in `width` pixels.
    static QString fitted(const QString &sentence, const QString &ours, const QString &theirs,
                          const QFontMetrics &metrics, int width);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString shown() const;

    QString m_sentence; // empty: the text is shown as it is
    QString m_ours;
    QString m_theirs;
};
