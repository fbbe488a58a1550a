#include "game/statuslabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>

namespace {

// The names put in the sentence; both at once, so that a name holding "%2"
// stays as it is.
QString compose(const QString &sentence, const QString &ours, const QString &theirs)
{
    return sentence.contains(QLatin1String("%2")) ? sentence.arg(ours, theirs) : sentence.arg(ours);
}

// A name cut in the middle to fit `room`; whole when it fits.
QString shortened(const QString &name, const QFontMetrics &metrics, int room)
{
    if (metrics.horizontalAdvance(name) <= room)
        return name;
    return metrics.elidedText(name, Qt::ElideMiddle, std::max(0, room));
}

} // namespace

StatusLabel::StatusLabel(QWidget *parent)
    : QLabel(parent)
{
    // The text may come from the network: never interpret it as markup.
    setTextFormat(Qt::PlainText);
}

void StatusLabel::setSentence(const QString &sentence, const QString &ours, const QString &theirs)
{
    m_sentence = sentence;
    m_ours = ours;
    m_theirs = theirs;
    QLabel::setText(compose(sentence, ours, theirs));
}

void StatusLabel::setText(const QString &text)
{
    m_sentence.clear();
    QLabel::setText(text);
}

QString StatusLabel::fitted(const QString &sentence, const QString &ours, const QString &theirs,
                            const QFontMetrics &metrics, int width)
{
    const QString whole = compose(sentence, ours, theirs);
    if (metrics.horizontalAdvance(whole) <= width)
        return whole;
    // What the names may take: our name gives way first, down to "…".
    const int room = width - metrics.horizontalAdvance(compose(sentence, QString(), QString()));
    const bool withTheirs = sentence.contains(QLatin1String("%2"));
    const int theirsWidth = withTheirs ? metrics.horizontalAdvance(theirs) : 0;
    const int ellipsis = metrics.horizontalAdvance(QChar(0x2026));
    const QString oursShown = shortened(ours, metrics, std::max(room - theirsWidth, ellipsis));
    const QString theirsShown = shortened(theirs, metrics, room - metrics.horizontalAdvance(oursShown));
    return compose(sentence, oursShown, theirsShown);
}

QString StatusLabel::shown() const
{
    const int width = contentsRect().width();
    if (m_sentence.isEmpty())
        return fontMetrics().elidedText(text(), Qt::ElideMiddle, width);
    return fitted(m_sentence, m_ours, m_theirs, fontMetrics(), width);
}

bool StatusLabel::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QLabel::event(event);
    // A shortened line shows itself whole in its tooltip, which would read
    // markup: the text goes in as plain text.
    if (shown() != text())
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                           Qt::convertFromPlainText(text(), Qt::WhiteSpaceNoWrap), this);
    else
        QToolTip::hideText();
    return true;
}

void StatusLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), shown(),
                          foregroundRole());
}
