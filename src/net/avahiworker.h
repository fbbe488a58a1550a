#pragma once

#include "net/gamediscovery.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <optional>
#include <vector>

struct AvahiClient;
struct AvahiEntryGroup;
struct AvahiServiceBrowser;
struct AvahiServiceResolver;

// The Avahi client and everything made with it, on a thread of its own: the
// client library waits for the daemon's answer to each request, which may
// take seconds or, when the daemon hangs, its whole time-out. Nothing here
// is touched from any other thread; requests come as queued calls.
//
// When the daemon goes away the client is made anew, and waits for it: once
// it runs again, the game is announced again and browsing goes on.
class AvahiWorker : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *kServiceType = "_kelmo._tcp";
    // Sightings of games kept: a game is seen once per interface and
    // protocol. Beyond this many, further ones are not looked at.
    static constexpr std::size_t kMaxSightings = 256;
    // Games found are reported at most this often.
    static constexpr int kReportIntervalMs = 250;
    // Without a bus to reach the daemon, it is tried again this often.
    static constexpr int kRetryMs = 2000;

    explicit AvahiWorker(QObject *parent = nullptr);
    // Withdraws the game and frees the client.
    ~AvahiWorker() override;

    void publish(const QString &name, quint16 port);
    void withdraw();
    // Browses until stopBrowsing(); the sightings it reports carry `browse`.
    void startBrowsing(quint64 browse);
    void stopBrowsing();

signals:
    // The games seen by the browse `browse`, resolved to IPv4 addresses,
    // under their announced names.
    void sightingsChanged(quint64 browse, const QList<FoundGame> &sightings);

private:
    struct Callbacks;
    // A game seen on one interface with one protocol.
    struct Sighting {
        int interface;
        int protocol;
        QByteArray name;
        QByteArray domain;
        AvahiServiceResolver *resolver;
        QString address; // once resolved
    };

    bool wanted() const { return m_wantedName.has_value() || m_browsing; }
    void connectClient();
    void restartClient();
    void sync();
    void announce();
    void browse();
    void forgetSightings();
    void unavailable(int error);
    void reportLater();
    void report();

    AvahiClient *m_client = nullptr;
    AvahiEntryGroup *m_group = nullptr;
    AvahiServiceBrowser *m_browser = nullptr;
    std::optional<QString> m_wantedName; // the game to announce, as asked
    quint16 m_port = 0;
    QByteArray m_name;        // the name it is announced under: Avahi's alternative after a collision
    bool m_announced = false; // the daemon holds the game as wanted
    bool m_browsing = false;
    quint64 m_browse = 0;
    bool m_unavailableTold = false;
    std::vector<Sighting> m_sightings;
    // Children, so that they move to the worker's thread with it.
    QTimer m_retry{this};
    QTimer m_reportTimer{this};
    QElapsedTimer m_sinceReport;
};
