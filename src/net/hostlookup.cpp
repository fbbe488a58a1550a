#include "net/hostlookup.h"

#include <algorithm>

HostLookup::HostLookup(SocketApi *sockets, QObject *parent)
    : QObject(parent)
    , m_ownSockets(sockets ? nullptr : std::make_unique<SystemSocketApi>())
    , m_sockets(sockets ? sockets : m_ownSockets.get())
{
}

HostLookup::~HostLookup() = default;

bool HostLookup::SocketsInitialize()
{
    WSAData data;
    if (m_sockets->WSAStartup(0x0101, data) != 0) {
        // Misspelled as the game has always shown it; players know it this way.
        emit failed(tr("Winsock Not Responting"), Alert::Error);
        return false;
    }
    constexpr qint16 minSockets = 1;
    if (data.iMaxSockets < minSockets) {
        // "at less" for "at least": the game's own wording.
        emit failed(tr("Want Winsock at less = %1").arg(minSockets), Alert::Plain);
        SocketsCeanup(); // the start-up succeeded: release it
        return false;
    }
    const qint32 major = Lobyte(static_cast<qint16>(data.wVersion));
    const qint32 minor = Hibyte(static_cast<qint16>(data.wVersion));
    if (major >= 1 && (major != 1 || minor >= 1))
        return true;
    // "Too Lo", without a blank before it: the game's own wording.
    emit failed(tr("Version Sockets = %1.%2Too Lo").arg(major).arg(minor), Alert::Plain);
    SocketsCeanup(); // the start-up succeeded: release it
    return false;
}

void HostLookup::SocketsCeanup()
{
    if (m_sockets->WSACleanup() != 0)
        emit failed(tr("Winsock Not Responting"), Alert::Error); // the game's own spelling
}

qint32 HostLookup::Hibyte(qint16 w)
{
    return (w / 256) & 255; // division truncates toward zero
}

qint32 HostLookup::Lobyte(qint16 w)
{
    return w & 255;
}

// Fills `buffer` with the zero-terminated host name; tells the player and
// gives false when the system cannot.
bool HostLookup::readHostName(char (&buffer)[256])
{
    std::fill(std::begin(buffer), std::end(buffer), '\0');
    if (m_sockets->gethostname(buffer, sizeof buffer) == -1) {
        const qint32 code = m_sockets->WSAGetLastError();
        // The number with a blank where a minus sign would stand.
        const QString number = (code >= 0 ? QStringLiteral(" ") : QString()) + QString::number(code);
        emit failed(tr("Windows Sockets Error : %1").arg(number), Alert::Plain);
        return false;
    }
    // A name that fills the whole buffer is cut rather than read past its end.
    buffer[sizeof buffer - 1] = '\0';
    return true;
}

QString HostLookup::GetIPHostName()
{
    if (!SocketsInitialize())
        return {};
    char buffer[256];
    QString result;
    if (readHostName(buffer)) {
        result = QString::fromLatin1(buffer);
        HostName = result;
    }
    SocketsCeanup();
    return result;
}

void HostLookup::GetIPAddress(std::function<void(const QString &)> done)
{
    cancelAddressLookup();
    if (!SocketsInitialize()) {
        done({});
        return;
    }
    char buffer[256];
    if (!readHostName(buffer)) {
        SocketsCeanup();
        done({});
        return;
    }

    const quint64 lookup = ++m_lookups;
    // The answer comes through the event loop, and not at all once this
    // object has gone.
    m_sockets->gethostbyname(QString::fromLatin1(buffer), this,
                             [this, lookup, done = std::move(done)](const HostAddresses &found) {
        if (lookup != m_lookups) {
            m_sockets->WSACleanup(); // forgotten: released without a word
            return;
        }
        const QString text = addressText(found);
        SocketsCeanup();
        done(text);
    });
}

void HostLookup::cancelAddressLookup()
{
    ++m_lookups;
}

// The first address of `host`, its bytes in decimal joined by dots; the
// player is told when there is no host at all.
QString HostLookup::addressText(const HostAddresses &host)
{
    if (!host) {
        // Misspelled as the game has always shown it.
        emit failed(tr("Windows Not Responting"), Alert::Error);
        return {};
    }
    return host->isEmpty() ? QString() : host->first().toString();
}
