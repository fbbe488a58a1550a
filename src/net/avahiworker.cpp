#include "net/avahiworker.h"

#include "net/qtavahipoll.h"

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-client/publish.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>

#include <QLoggingCategory>

#include <algorithm>
#include <utility>

namespace {

// Off unless asked for (QT_LOGGING_RULES="kelmo.discovery.debug=true"):
// most players never need to know why no game was found.
Q_LOGGING_CATEGORY(lcDiscovery, "kelmo.discovery", QtInfoMsg)

// A DNS-SD service name is one DNS label: at most 63 bytes of UTF-8.
QByteArray serviceName(QString name)
{
    while (name.toUtf8().size() > 63)
        name.chop(1);
    return name.toUtf8();
}

void takeAlternativeName(QByteArray &name)
{
    char *alternative = avahi_alternative_service_name(name.constData());
    name = alternative;
    avahi_free(alternative);
}

} // namespace

// Avahi's callbacks, which reach the private members through `userdata`.
struct AvahiWorker::Callbacks {
    static void client(AvahiClient *client, AvahiClientState state, void *userdata)
    {
        auto *self = static_cast<AvahiWorker *>(userdata);
        switch (state) {
        case AVAHI_CLIENT_S_RUNNING:
            self->m_client = client; // the first call may come before avahi_client_new returns
            self->m_unavailableTold = false;
            self->sync();
            break;
        case AVAHI_CLIENT_S_COLLISION:
        case AVAHI_CLIENT_S_REGISTERING:
            // The host name is being established anew: the game goes until
            // the daemon runs again.
            if (self->m_group)
                avahi_entry_group_reset(self->m_group);
            self->m_announced = false;
            break;
        case AVAHI_CLIENT_FAILURE:
            // The daemon has gone, or the bus. A new client waits for it;
            // this one is freed outside its own callback.
            self->unavailable(avahi_client_errno(client));
            QMetaObject::invokeMethod(self, &AvahiWorker::restartClient, Qt::QueuedConnection);
            break;
        case AVAHI_CLIENT_CONNECTING:
            break;
        }
    }

    static void group(AvahiEntryGroup *group, AvahiEntryGroupState state, void *userdata)
    {
        auto *self = static_cast<AvahiWorker *>(userdata);
        if (state == AVAHI_ENTRY_GROUP_COLLISION) {
            // Another host announces a game of the same name: take Avahi's
            // alternative ("Kelmo on alpha #2") and announce again.
            takeAlternativeName(self->m_name);
            self->announce();
        } else if (state == AVAHI_ENTRY_GROUP_FAILURE) {
            self->unavailable(avahi_client_errno(avahi_entry_group_get_client(group)));
        }
    }

    static void browser(AvahiServiceBrowser *, AvahiIfIndex interface, AvahiProtocol protocol,
                        AvahiBrowserEvent event, const char *name, const char *type, const char *domain,
                        AvahiLookupResultFlags, void *userdata)
    {
        auto *self = static_cast<AvahiWorker *>(userdata);
        auto &sightings = self->m_sightings;
        const auto found = std::find_if(sightings.begin(), sightings.end(), [&](const Sighting &s) {
            return s.interface == interface && s.protocol == protocol && s.name == name && s.domain == domain;
        });
        if (event == AVAHI_BROWSER_NEW && found == sightings.end() && sightings.size() < kMaxSightings) {
            // Where the game waits: an IPv4 address, whichever protocol
            // announced it.
            AvahiServiceResolver *resolver
                = avahi_service_resolver_new(self->m_client, interface, protocol, name, type, domain,
                                             AVAHI_PROTO_INET, AvahiLookupFlags(0), &Callbacks::resolver, self);
            if (resolver)
                sightings.push_back({interface, protocol, name, domain, resolver, {}});
        } else if (event == AVAHI_BROWSER_REMOVE && found != sightings.end()) {
            if (found->resolver)
                avahi_service_resolver_free(found->resolver);
            sightings.erase(found);
            self->reportLater();
        } else if (event == AVAHI_BROWSER_FAILURE) {
            self->unavailable(avahi_client_errno(self->m_client));
        }
    }

    static void resolver(AvahiServiceResolver *resolver, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent event,
                         const char *, const char *, const char *, const char *, const AvahiAddress *address,
                         uint16_t, AvahiStringList *, AvahiLookupResultFlags, void *userdata)
    {
        auto *self = static_cast<AvahiWorker *>(userdata);
        const auto found = std::find_if(self->m_sightings.begin(), self->m_sightings.end(),
                                        [&](const Sighting &s) { return s.resolver == resolver; });
        if (found == self->m_sightings.end())
            return;
        if (event == AVAHI_RESOLVER_FOUND && address && address->proto == AVAHI_PROTO_INET) {
            char text[AVAHI_ADDRESS_STR_MAX];
            found->address = QString::fromLatin1(avahi_address_snprint(text, sizeof text, address));
        } else {
            // Not found on IPv4: not offered, and not asked again.
            avahi_service_resolver_free(resolver);
            found->resolver = nullptr;
            found->address.clear();
        }
        self->reportLater();
    }
};

AvahiWorker::AvahiWorker(QObject *parent)
    : QObject(parent)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &AvahiWorker::connectClient);
    m_reportTimer.setSingleShot(true);
    connect(&m_reportTimer, &QTimer::timeout, this, &AvahiWorker::report);
}

AvahiWorker::~AvahiWorker()
{
    // Freeing the client frees everything made with it, and the daemon
    // withdraws what it announced.
    if (m_client)
        avahi_client_free(m_client);
}

void AvahiWorker::connectClient()
{
    if (m_client || !wanted())
        return;
    int error = AVAHI_OK;
    // Without a daemon the client waits for one to appear.
    AvahiClient *client = avahi_client_new(qtAvahiPoll(), AVAHI_CLIENT_NO_FAIL, &Callbacks::client, this, &error);
    if (!client) {
        unavailable(error); // no system bus: tried again later
        m_retry.start();
        return;
    }
    m_client = client;
    sync();
}

void AvahiWorker::restartClient()
{
    if (!m_client || avahi_client_get_state(m_client) != AVAHI_CLIENT_FAILURE)
        return;
    avahi_client_free(m_client);
    m_client = nullptr;
    m_group = nullptr;
    m_browser = nullptr;
    m_announced = false;
    forgetSightings();
    connectClient();
}

// Brings the daemon in line with what is wanted, once it runs.
void AvahiWorker::sync()
{
    if (!m_client || avahi_client_get_state(m_client) != AVAHI_CLIENT_S_RUNNING)
        return;
    if (m_wantedName && !m_announced)
        announce();
    if (m_browsing && !m_browser)
        browse();
}

void AvahiWorker::announce()
{
    if (!m_group && !(m_group = avahi_entry_group_new(m_client, &Callbacks::group, this)))
        return unavailable(avahi_client_errno(m_client));
    avahi_entry_group_reset(m_group);
    int error;
    // Another program of this host may hold the name already.
    while ((error = avahi_entry_group_add_service(m_group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0),
                                                  m_name.constData(), kServiceType, nullptr, nullptr, m_port, nullptr))
           == AVAHI_ERR_COLLISION)
        takeAlternativeName(m_name);
    if (error == AVAHI_OK)
        error = avahi_entry_group_commit(m_group);
    m_announced = error == AVAHI_OK;
    if (!m_announced)
        unavailable(error);
}

void AvahiWorker::browse()
{
    m_browser = avahi_service_browser_new(m_client, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, kServiceType, nullptr,
                                          AvahiLookupFlags(0), &Callbacks::browser, this);
    if (!m_browser)
        unavailable(avahi_client_errno(m_client));
}

void AvahiWorker::publish(const QString &name, quint16 port)
{
    if (m_wantedName == name && m_port == port)
        return;
    m_wantedName = name;
    m_port = port;
    m_name = serviceName(name);
    m_announced = false;
    m_client ? sync() : connectClient();
}

void AvahiWorker::withdraw()
{
    m_wantedName.reset();
    m_announced = false;
    if (m_group)
        avahi_entry_group_reset(m_group);
}

void AvahiWorker::startBrowsing(quint64 browse)
{
    m_browse = browse;
    m_browsing = true;
    m_client ? sync() : connectClient();
}

void AvahiWorker::stopBrowsing()
{
    m_browsing = false;
    forgetSightings();
    if (m_browser)
        avahi_service_browser_free(m_browser);
    m_browser = nullptr;
    m_reportTimer.stop();
}

void AvahiWorker::forgetSightings()
{
    if (m_client && avahi_client_get_state(m_client) != AVAHI_CLIENT_FAILURE) {
        for (const Sighting &sighting : m_sightings) {
            if (sighting.resolver)
                avahi_service_resolver_free(sighting.resolver);
        }
    }
    m_sightings.clear();
    reportLater();
}

void AvahiWorker::unavailable(int error)
{
    if (!std::exchange(m_unavailableTold, true))
        qCDebug(lcDiscovery) << "No games announced or found on the local network:" << avahi_strerror(error);
}

// Gathers what changes within a report interval into one report.
void AvahiWorker::reportLater()
{
    if (!m_browsing || m_reportTimer.isActive())
        return;
    const qint64 since = m_sinceReport.isValid() ? m_sinceReport.elapsed() : kReportIntervalMs;
    m_reportTimer.start(int(std::max<qint64>(0, kReportIntervalMs - since)));
}

void AvahiWorker::report()
{
    m_sinceReport.start();
    QList<FoundGame> resolved;
    for (const Sighting &sighting : m_sightings) {
        if (!sighting.address.isEmpty())
            resolved.append({QString::fromUtf8(sighting.name), sighting.address});
    }
    emit sightingsChanged(m_browse, resolved);
}
