#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <optional>

// What the socket start-up reports about the interface it started.
struct WSAData {
    quint16 wVersion = 0;   // low byte: major version, high byte: minor version
    qint16 iMaxSockets = 0; // how many sockets may be open at once
};

// A resolved host: its addresses, each h_length bytes in network order.
struct HostEntry {
    qint16 h_length = 0;
    QList<QByteArray> h_addr_list;
};

// The socket calls behind the local host name and address look-up.
class SocketApi
{
public:
    virtual ~SocketApi() = default;

    // 0 on success, with `data` filled in.
    virtual int WSAStartup(quint16 versionRequested, WSAData &data) = 0;
    // 0 on success.
    virtual int WSACleanup() = 0;
    // The error code of the last failed call.
    virtual qint32 WSAGetLastError() = 0;
    // -1 on failure; else the host name is in `name`, which holds `namelen`
    // bytes. The name need not be zero-terminated when it fills the buffer.
    virtual int gethostname(char *name, int namelen) = 0;
    // Nothing on failure. Called on a thread of its own, while the calls
    // above may go on on the window's thread; it must touch nothing they do.
    virtual std::optional<HostEntry> gethostbyname(const char *name) = 0;
};

// The system's own look-up: gethostname and getaddrinfo.
class SystemSocketApi : public SocketApi
{
public:
    int WSAStartup(quint16 versionRequested, WSAData &data) override;
    int WSACleanup() override;
    qint32 WSAGetLastError() override;
    int gethostname(char *name, int namelen) override;
    std::optional<HostEntry> gethostbyname(const char *name) override;

private:
    qint32 m_lastError = 0;
};

// The IPv4 addresses (4 bytes each) to offer an opponent, best first. A
// host name often resolves to a loopback address (127.0.1.1 on Debian),
// which no opponent can reach: then the first address of an interface that
// is up and not a loopback one comes first, when there is one.
QList<QByteArray> reachableFirst(const QList<QByteArray> &resolved, const QList<QByteArray> &interfaceAddresses);
