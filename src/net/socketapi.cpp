#include "net/socketapi.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QtEndian>

#include <cerrno>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool isLoopback(const QByteArray &address)
{
    return address.size() == 4 && static_cast<uchar>(address[0]) == 127;
}

QByteArray bytesOf(quint32 ipv4)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(ipv4, bytes.data());
    return bytes;
}

// IPv4 addresses of the interfaces that are up, running and not loopback.
QList<QByteArray> interfaceAddresses()
{
    QList<QByteArray> result;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
            || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
                result.append(bytesOf(address.toIPv4Address()));
        }
    }
    return result;
}

} // namespace

QList<QByteArray> reachableFirst(const QList<QByteArray> &resolved, const QList<QByteArray> &interfaceAddresses)
{
    if ((resolved.isEmpty() || isLoopback(resolved.first())) && !interfaceAddresses.isEmpty()) {
        QList<QByteArray> result{interfaceAddresses.first()};
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

std::optional<HostEntry> SystemSocketApi::gethostbyname(const char *name)
{
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    QList<QByteArray> resolved;
    if (::getaddrinfo(name, nullptr, &hints, &found) == 0) {
        for (const addrinfo *info = found; info; info = info->ai_next) {
            const auto *ipv4 = reinterpret_cast<const sockaddr_in *>(info->ai_addr);
            const QByteArray bytes(reinterpret_cast<const char *>(&ipv4->sin_addr.s_addr), 4);
            if (!resolved.contains(bytes))
                resolved.append(bytes);
        }
        freeaddrinfo(found);
    }

    const QList<QByteArray> addresses = reachableFirst(resolved, interfaceAddresses());
    if (addresses.isEmpty())
        return std::nullopt;
    return HostEntry{4, addresses};
}
