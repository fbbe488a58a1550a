#include "net/socketapi.h"

#include <QHostInfo>
#include <QNetworkInterface>

#include <cerrno>
#include <unistd.h>

namespace {

// The addresses of the interfaces that are up, running and not loopback.
QList<QHostAddress> interfaceAddresses()
{
    QList<QHostAddress> result;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
            || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries())
            result.append(entry.ip());
    }
    return result;
}

} // namespace

QList<QHostAddress> reachableFirst(const QList<QHostAddress> &resolved, const QList<QHostAddress> &interfaceAddresses)
{
    const auto ipv4 = [](const QHostAddress &address) { return address.protocol() == QAbstractSocket::IPv4Protocol; };
    QList<QHostAddress> result;
    for (const QHostAddress &address : resolved) {
        if (ipv4(address) && !result.contains(address))
            result.append(address);
    }
    if (!result.isEmpty() && !result.first().isLoopback())
        return result;
    for (const QHostAddress &address : interfaceAddresses) {
        if (ipv4(address) && !address.isLoopback()) {
            result.prepend(address);
            break;
        }
    }
    return result;
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
        const QList<QHostAddress> addresses = reachableFirst(host.addresses(), interfaceAddresses());
        answer(addresses.isEmpty() ? HostAddresses() : HostAddresses(addresses));
    });
}
