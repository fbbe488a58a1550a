#include "net/peermessage.h"

#include <algorithm>

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

// One digit: "0" to "8" a move, "9" a new game.
PeerMessage messageOf(QChar digit)
{
    if (digit == QLatin1Char('9'))
        return {PeerMessage::Kind::NewGame, -1, {}};
    return {PeerMessage::Kind::Move, digit.digitValue(), {}};
}

} // namespace

QList<PeerMessage> parseArrival(const QString &received, bool greetingDue)
{
    if (greetingDue)
        return {{PeerMessage::Kind::Greeting, -1, printableGreeting(received)}};
    // A copy of the game sends nothing but digits after its greeting: text
    // with anything else in it is no message of the exchange, and no digit
    // is taken from it.
    const bool digitsOnly = std::all_of(received.begin(), received.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!digitsOnly)
        return {PeerMessage{}};
    QList<PeerMessage> messages;
    messages.reserve(received.size());
    for (QChar c : received)
        messages.append(messageOf(c));
    return messages;
}

bool couldBeHostName(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('.')
            || c == QLatin1Char('_');
    });
}
