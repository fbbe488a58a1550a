#pragma once

#include "net/gamediscovery.h"

#include <QByteArray>

#include <optional>
#include <vector>

struct AvahiClient;
struct AvahiEntryGroup;
struct AvahiServiceBrowser;
struct AvahiServiceResolver;

// Discovery through the Avahi daemon (DNS-SD over multicast DNS), reached
// over the system bus; games are services of type _kelmo._tcp, offered once
// resolved to an IPv4 address.
//
// Without the daemon or the bus it announces and finds nothing, and says so
// once, at debug level, in the logging category "kelmo.discovery". When the
// daemon goes away, the games found stay as they were until browsing stops;
// the next publish() or startBrowsing() tries the daemon again.
class AvahiDiscovery : public GameDiscovery
{
    Q_OBJECT

public:
    static constexpr const char *kServiceType = "_kelmo._tcp";

    explicit AvahiDiscovery(QObject *parent = nullptr);
    ~AvahiDiscovery() override;

    void publish(const QString &name, quint16 port) override;
    void withdraw() override;
    void startBrowsing() override;
    void stopBrowsing() override;

private:
    struct Callbacks;
    // A game seen on one interface with one protocol: the same game may be
    // seen several times over, on the same host through loopback as well.
    struct Sighting {
        int interface;
        int protocol;
        QByteArray name;
        QByteArray domain;
        AvahiServiceResolver *resolver;
        QString address; // once resolved
    };

    bool connectClient();
    void sync();
    void announce();
    void browse();
    void dropClient();
    void unavailable(int error);
    void updateGames();

    AvahiClient *m_client = nullptr;
    AvahiEntryGroup *m_group = nullptr;
    AvahiServiceBrowser *m_browser = nullptr;
    std::optional<QString> m_wantedName; // the game to announce, as asked
    quint16 m_port = 0;
    QByteArray m_name;       // the name it is announced under: Avahi's alternative after a collision
    bool m_announced = false; // the daemon holds the game as wanted
    bool m_browsing = false;
    bool m_unavailableTold = false;
    std::vector<Sighting> m_sightings;
};
