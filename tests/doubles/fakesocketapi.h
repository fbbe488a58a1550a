#pragma once

#include "net/socketapi.h"

#include <QTimer>

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
    HostAddresses host = QList{QHostAddress(QStringLiteral("10.0.0.1"))};
    // When set, a look-up is answered only when the test calls answer().
    bool answerLater = false;
    std::function<void()> answer;

    int startups = 0, cleanups = 0;
    quint16 requestedVersion = 0;
    QString lookedUp;

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
    void gethostbyname(const QString &name, QObject *context, std::function<void(const HostAddresses &)> done) override
    {
        lookedUp = name;
        answer = [this, done] { done(host); };
        if (!answerLater) // from the event loop, as the system answers
            QTimer::singleShot(0, context, answer);
    }
};
