#include "net/socketapi.h"

#include <QHostInfo>
#include <QNetworkInterface>

#include <cerrno>
#include <unistd.h>

namespace {

// IPv4 addresses of the interfaces that are up, running and not loopback.
QList<QHostAddress> interfaceAddresses()
{
    QList<QHostAddress> result;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
            || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
                result.append(address);
        }
    }
    return result;
}

} // namespace

QList<QHostAddress> reachableFirst(const QList<QHostAddress> &resolved, const QList<QHostAddress> &interfaceAddresses)
{
    if ((resolved.isEmpty() || resolved.first().isLoopback()) && !interfaceAddresses.isEmpty()) {
        QList<QHostAddress> result{interfaceAddresses.first()};
        result.append(resolved);
        return result;
    }
    return resolved;
}

int SystemSocketApi::WSAStartup(quint16, WSAData &data)
{
    // Nothing to start on this system: report a usable version 1.1.
    data.wVersion = 0x0101;
    data.iMaxSockets = 32767;
    return 0;
}

int SystemSocketApi::WSACleanup()
{
    return 0;
}

qint32 SystemSocketApi::WSAGetLastError()
{
    return m_lastError;
}

int SystemSocketApi::gethostname(char *name, int namelen)
{
    if (::gethostname(name, static_cast<size_t>(namelen)) != 0) {
        m_lastError = errno;
        return -1;
    }
    return 0;
}

void SystemSocketApi::gethostbyname(const QString &name, QObject *context,
                                    std::function<void(const HostAddresses &)> answer)
{
    QHostInfo::lookupHost(name, context, [answer = std::move(answer)](const QHostInfo &host) {
        QList<QHostAddress> resolved;
        for (const QHostAddress &address : host.addresses()) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !resolved.contains(address))
                resolved.append(address);
        }
        const QList<QHostAddress> addresses = reachableFirst(resolved, interfaceAddresses());
        answer(addresses.isEmpty() ? HostAddresses() : HostAddresses(addresses));
    });
}
