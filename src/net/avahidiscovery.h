#pragma once

#include "net/gamediscovery.h"

class AvahiWorker;
class QThread;

// Discovery through the Avahi daemon (DNS-SD over multicast DNS), reached
// over the system bus; games are services of type _kelmo._tcp, offered once
// resolved to an IPv4 address.
//
// The client works on a thread of its own, made at the first request, so
// that a slow, hung or restarting daemon never holds up the window: every
// request returns at once, and the games found arrive as queued updates, at
// most a few a second. Without the daemon or the bus it announces and finds
// nothing, and says so once, at debug level, in the logging category
// "kelmo.discovery"; a daemon that comes back is used again at once.
class AvahiDiscovery : public GameDiscovery
{
    Q_OBJECT

public:
    // How long the end of the program waits for the daemon to withdraw the
    // game; the system withdraws it anyway once the program has gone.
    static constexpr int kShutdownWaitMs = 500;

    explicit AvahiDiscovery(QObject *parent = nullptr);
    ~AvahiDiscovery() override;

    void publish(const QString &name, quint16 port) override;
    void withdraw() override;
    void startBrowsing() override;
    void stopBrowsing() override;

private:
    template<typename Request>
    void post(Request request);
    void sightingsChanged(quint64 browse, const QList<FoundGame> &sightings);

    QThread *m_thread = nullptr;
    AvahiWorker *m_worker = nullptr; // lives on m_thread
    bool m_browsing = false;
    quint64 m_browse = 0; // counts the browses started
};
