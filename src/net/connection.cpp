#include "net/connection.h"

#include "net/winsock.h"

#include <algorithm>
#include <utility>

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

Connection::Connection(const QString &name, Timing timing, QObject *parent)
    : QObject(parent)
    , m_socket(new Winsock(this))
{
    m_socket->setObjectName(name);
    m_greetingTimer.setSingleShot(true);
    setTiming(timing);
    connect(&m_greetingTimer, &QTimer::timeout, this, [this] {
        m_socket->Close();
        emit greetingOverdue();
    });
    connect(m_socket, &Winsock::Connected, this, [this] {
        m_greetingTimer.start();
        emit connected();
    });
    connect(m_socket, &Winsock::DataArrival, this, &Connection::receive);
    connect(m_socket, &Winsock::Closed, this, [this](const QString &error) {
        m_greetingTimer.stop();
        emit left(error);
    });
    connect(m_socket, &Winsock::ErrorOccurred, this, &Connection::failed);
}

void Connection::setTiming(Timing timing)
{
    m_greetingTimer.setInterval(timing.greetingTimeoutMs);
    m_greetingWindow = timing.greetingWindow;
}

void Connection::accept(qint32 requestID)
{
    m_socket->Accept(requestID);
    // Gone already, the peer is not waited for: what it sent is still to
    // come, as its greeting.
    if (m_socket->state() == Winsock::State::Connected)
        m_greetingTimer.start();
}

void Connection::connectTo(const QString &host, quint16 port)
{
    m_socket->Connect(host, port);
}

void Connection::send(const QString &text)
{
    m_socket->SendData(text);
}

void Connection::close()
{
    m_greetingTimer.stop();
    m_socket->Close();
}

bool Connection::isOpen() const
{
    return m_socket->state() == Winsock::State::Connected;
}

void Connection::setHeld(bool held)
{
    m_held = held;
    if (!held && std::exchange(m_arrivalWaiting, false))
        m_socket->redeliver();
}

void Connection::receive()
{
    m_greetingTimer.stop(); // the peer has spoken
    if (m_held) {
        m_arrivalWaiting = true; // the data stays with the connection object
        return;
    }
    RecvStr = m_socket->GetData();
    const auto arrivedAt = m_socket->lastArrivalTime();
    if (FirstData) {
        FirstData = false;
        m_greeted = true;
        m_greeting = RecvStr;
        m_greetingOpen = true;
        m_greetingAt = arrivedAt;
        emit greeted(parseArrival(m_greeting, true).constFirst().text);
        return;
    }
    m_greetingOpen = m_greetingOpen && continuesGreeting(RecvStr, arrivedAt);
    if (m_greetingOpen) {
        m_greeting += RecvStr;
        emit greetingGrew(parseArrival(m_greeting, true).constFirst().text);
        return;
    }
    emit messagesArrived(parseArrival(RecvStr, false));
}

bool Connection::continuesGreeting(const QString &text, std::chrono::steady_clock::time_point arrivedAt) const
{
    return arrivedAt - m_greetingAt < m_greetingWindow && couldBeHostName(text);
}
