#include "net/peermessage.h"

namespace {

// The opponent's host name as the status line may show it: printable
// characters only (no control or invisible format characters), at most 255.
QString printableGreeting(const QString &text)
{
    QString result;
    for (QChar c : text) {
        if (c.isPrint())
            result.append(c);
    }
    return result.left(255);
}

PeerMessage messageOf(QChar c)
{
    if (c == QLatin1Char('9'))
        return {PeerMessage::Kind::NewGame, -1, {}};
    if (c >= QLatin1Char('0') && c <= QLatin1Char('8'))
        return {PeerMessage::Kind::Move, c.digitValue(), {}};
    return {};
}

} // namespace

QList<PeerMessage> parseArrival(const QString &received, bool greetingDue)
{
    if (greetingDue)
        return {{PeerMessage::Kind::Greeting, -1, printableGreeting(received)}};
    QList<PeerMessage> messages;
    messages.reserve(received.size());
    for (QChar c : received)
        messages.append(messageOf(c));
    return messages;
}
