#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

class QObject;

// What the socket start-up reports about the interface it started.
struct WSAData {
    quint16 wVersion = 0;   // low byte: major version, high byte: minor version
    qint16 iMaxSockets = 0; // how many sockets may be open at once
};

// The addresses a host name resolves to, best first; nothing when the name
// does not resolve.
using HostAddresses = std::optional<QList<QHostAddress>>;

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
    // Resolves `name` to its IPv4 addresses without waiting for the answer,
    // which goes to `answer` later, from the event loop of `context`, unless
    // `context` has gone by then.
    virtual void gethostbyname(const QString &name, QObject *context, std::function<void(const HostAddresses &)> answer) = 0;
};

// The system's own look-up: gethostname, and the toolkit's asynchronous
// host look-up.
class SystemSocketApi : public SocketApi
{
public:
    int WSAStartup(quint16 versionRequested, WSAData &data) override;
    int WSACleanup() override;
    qint32 WSAGetLastError() override;
    int gethostname(char *name, int namelen) override;
    void gethostbyname(const QString &name, QObject *context, std::function<void(const HostAddresses &)> answer) override;

private:
    qint32 m_lastError = 0;
};

// The IPv4 addresses to offer an opponent, best first, from the addresses
// the host name resolves to and those of the interfaces that are up; other
// families are left out, and so are loopback interface addresses. A host
// name often resolves to a loopback address (127.0.1.1 on Debian), which no
// opponent can reach: then the first interface address comes first.
QList<QHostAddress> reachableFirst(const QList<QHostAddress> &resolved, const QList<QHostAddress> &interfaceAddresses);
