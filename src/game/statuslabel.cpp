#include "game/statuslabel.h"

#include <QHelpEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>

namespace {

// The words between or after the host names, in the texts the window shows.
const char *const kStateWords[] = {QT_TRANSLATE_NOOP("Form1", " Connected "), QT_TRANSLATE_NOOP("Form1", " Waiting..."),
                                   QT_TRANSLATE_NOOP("Form1", " Connecting")};

// A name cut in the middle to fit `room`; whole when it fits.
QString shortened(const QString &name, const QFontMetrics &metrics, int room)
{
    if (metrics.horizontalAdvance(name) <= room)
        return name;
    return metrics.elidedText(name, Qt::ElideMiddle, room);
}

} // namespace

StatusLabel::StatusLabel(QWidget *parent)
    : QLabel(parent)
{
    // The text may come from the network: never interpret it as markup.
    setTextFormat(Qt::PlainText);
}

QString StatusLabel::fitted(const QString &text, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    for (const char *source : kStateWords) {
        const QString words = QCoreApplication::translate("Form1", source);
        const qsizetype at = text.indexOf(words);
        if (at < 0)
            continue;
        const int room = width - metrics.horizontalAdvance(words);
        if (room <= 0)
            break;
        // The two names share the room; one that needs less than its half
        // leaves the rest to the other.
        const QString before = text.left(at);
        const QString after = text.mid(at + words.size());
        int beforeRoom = room / 2;
        int afterRoom = room - beforeRoom;
        if (const int need = metrics.horizontalAdvance(before); need < beforeRoom) {
            afterRoom += beforeRoom - need;
            beforeRoom = need;
        } else if (const int needAfter = metrics.horizontalAdvance(after); needAfter < afterRoom) {
            beforeRoom += afterRoom - needAfter;
            afterRoom = needAfter;
        }
        return shortened(before, metrics, beforeRoom) + words + shortened(after, metrics, afterRoom);
    }
    return shortened(text, metrics, width);
}

bool StatusLabel::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QLabel::event(event);
    // A shortened line shows itself whole in its tooltip.
    const QString shown = fitted(text(), fontMetrics(), contentsRect().width());
    // The tooltip would read markup: the text goes in as plain text.
    if (shown != text())
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                           Qt::convertFromPlainText(text(), Qt::WhiteSpaceNoWrap), this);
    else
        QToolTip::hideText();
    return true;
}

void StatusLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(),
                          fitted(text(), fontMetrics(), area.width()), foregroundRole());
}
