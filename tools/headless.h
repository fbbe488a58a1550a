#pragma once

// A toolkit and a socket layer for the programs that run Kelmo's windows
// with nobody at the screen (the fuzzer, the benchmark, the screenshots):
// every dialog is answered at once, the random draws come from a list, and
// the host is "headless" at 127.0.0.1 without asking the system.

#include "game/toolkit.h"
#include "net/socketapi.h"

#include <QQueue>

class AnsweringToolkit : public Toolkit
{
public:
    QQueue<double> draws; // 0.5 once the list is used up

    void messageBox(const QString &, Icon, const QString &) override {}
    QString inputBox(const QString &, const QString &) override { return QStringLiteral("127.0.0.1"); }
    void showModal(QDialog &) override {}
    void randomize() override {}
    double rnd() override { return draws.isEmpty() ? 0.5 : draws.dequeue(); }
};

class FixedSocketApi : public SocketApi
{
public:
    int WSAStartup(quint16, WSAData &data) override
    {
        data = {0x0101, 100};
        return 0;
    }
    int WSACleanup() override { return 0; }
    qint32 WSAGetLastError() override { return 0; }
    int gethostname(char *name, int namelen) override
    {
        qstrncpy(name, "headless", static_cast<size_t>(namelen));
        return 0;
    }
    std::optional<HostEntry> gethostbyname(const char *) override
    {
        return HostEntry{4, {QByteArray("\x7f\x00\x00\x01", 4)}};
    }
};
