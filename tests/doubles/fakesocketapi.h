#pragma once

#include "net/socketapi.h"

#include <QSemaphore>

#include <cstring>

// A socket layer whose every answer the test sets, and that counts the
// start-ups and clean-ups it was asked for.
class FakeSocketApi : public SocketApi
{
public:
    int startupResult = 0;
    WSAData startupData{0x0101, 100};
    int cleanupResult = 0;
    qint32 lastError = 0;
    int hostNameResult = 0;
    QByteArray hostName = "alpha";
    std::optional<HostEntry> host = HostEntry{4, {QByteArray("\x0a\x00\x00\x01", 4)}};
    // When set, resolving waits (at most 5 s) for the test to release it.
    QSemaphore *resolving = nullptr;

    int startups = 0, cleanups = 0;
    quint16 requestedVersion = 0;
    QByteArray lookedUp;

    int WSAStartup(quint16 versionRequested, WSAData &data) override
    {
        ++startups;
        requestedVersion = versionRequested;
        if (startupResult == 0)
            data = startupData;
        return startupResult;
    }
    int WSACleanup() override { return ++cleanups, cleanupResult; }
    qint32 WSAGetLastError() override { return lastError; }
    int gethostname(char *name, int namelen) override
    {
        if (hostNameResult == -1)
            return -1;
        // Like the system: no terminating zero when the name fills the buffer.
        std::memset(name, 'z', namelen);
        std::memcpy(name, hostName.constData(), std::min<int>(namelen, hostName.size() + 1));
        return 0;
    }
    std::optional<HostEntry> gethostbyname(const char *name) override
    {
        lookedUp = name;
        if (resolving)
            resolving->tryAcquire(1, 5000);
        return host;
    }
};
