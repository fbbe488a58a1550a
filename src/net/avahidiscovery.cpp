#include "net/avahidiscovery.h"

#include "net/qtavahipoll.h"

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-client/publish.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>

#include <QLoggingCategory>

#include <algorithm>

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

} // namespace

// Avahi's callbacks, which reach the private members through `userdata`.
struct AvahiDiscovery::Callbacks {
    static void client(AvahiClient *client, AvahiClientState state, void *userdata)
    {
        auto *self = static_cast<AvahiDiscovery *>(userdata);
        switch (state) {
        case AVAHI_CLIENT_S_RUNNING:
            self->m_client = client; // the first call comes before avahi_client_new returns
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
            // The daemon is gone, and the game with it. The client is freed
            // at its next use, not inside its own callback.
            self->m_announced = false;
            self->unavailable(avahi_client_errno(client));
            break;
        case AVAHI_CLIENT_CONNECTING:
            break;
        }
    }

    static void group(AvahiEntryGroup *group, AvahiEntryGroupState state, void *userdata)
    {
        auto *self = static_cast<AvahiDiscovery *>(userdata);
        if (state == AVAHI_ENTRY_GROUP_COLLISION) {
            // Another host announces a game of the same name: take Avahi's
            // alternative ("Kelmo on alpha #2") and announce again.
            char *alternative = avahi_alternative_service_name(self->m_name.constData());
            self->m_name = alternative;
            avahi_free(alternative);
            self->announce();
        } else if (state == AVAHI_ENTRY_GROUP_FAILURE) {
            self->unavailable(avahi_client_errno(avahi_entry_group_get_client(group)));
        }
    }

    static void browser(AvahiServiceBrowser *, AvahiIfIndex interface, AvahiProtocol protocol,
                        AvahiBrowserEvent event, const char *name, const char *type, const char *domain,
                        AvahiLookupResultFlags, void *userdata)
    {
        auto *self = static_cast<AvahiDiscovery *>(userdata);
        auto &sightings = self->m_sightings;
        const auto found = std::find_if(sightings.begin(), sightings.end(), [&](const Sighting &s) {
            return s.interface == interface && s.protocol == protocol && s.name == name && s.domain == domain;
        });
        if (event == AVAHI_BROWSER_NEW && found == sightings.end()) {
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
            self->updateGames();
        } else if (event == AVAHI_BROWSER_FAILURE) {
            self->unavailable(avahi_client_errno(self->m_client));
        }
    }

    static void resolver(AvahiServiceResolver *resolver, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent event,
                         const char *, const char *, const char *, const char *, const AvahiAddress *address,
                         uint16_t, AvahiStringList *, AvahiLookupResultFlags, void *userdata)
    {
        auto *self = static_cast<AvahiDiscovery *>(userdata);
        const auto found = std::find_if(self->m_sightings.begin(), self->m_sightings.end(),
                                        [&](const Sighting &s) { return s.resolver == resolver; });
        if (found == self->m_sightings.end())
            return;
        if (event == AVAHI_RESOLVER_FOUND) {
            char text[AVAHI_ADDRESS_STR_MAX];
            found->address = QString::fromLatin1(avahi_address_snprint(text, sizeof text, address));
        } else {
            // Not found on IPv4: not offered, and not asked again.
            avahi_service_resolver_free(resolver);
            found->resolver = nullptr;
        }
        self->updateGames();
    }
};

AvahiDiscovery::AvahiDiscovery(QObject *parent)
    : GameDiscovery(parent)
{
}

AvahiDiscovery::~AvahiDiscovery()
{
    // Freeing the client frees everything made with it, and the daemon
    // withdraws what it announced.
    if (m_client)
        avahi_client_free(m_client);
}

bool AvahiDiscovery::connectClient()
{
    if (m_client && avahi_client_get_state(m_client) == AVAHI_CLIENT_FAILURE)
        dropClient();
    if (m_client)
        return true;
    int error = AVAHI_OK;
    m_client = avahi_client_new(qtAvahiPoll(), AvahiClientFlags(0), &Callbacks::client, this, &error);
    if (!m_client)
        unavailable(error); // no daemon, or no system bus
    return m_client;
}

// Brings the daemon in line with what is wanted, once it runs.
void AvahiDiscovery::sync()
{
    if (!m_client || avahi_client_get_state(m_client) != AVAHI_CLIENT_S_RUNNING)
        return;
    if (m_wantedName && !m_announced)
        announce();
    if (m_browsing && !m_browser)
        browse();
}

void AvahiDiscovery::announce()
{
    if (!m_group && !(m_group = avahi_entry_group_new(m_client, &Callbacks::group, this)))
        return unavailable(avahi_client_errno(m_client));
    avahi_entry_group_reset(m_group);
    int error;
    // Another program of this host may hold the name already.
    while ((error = avahi_entry_group_add_service(m_group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0),
                                                  m_name.constData(), kServiceType, nullptr, nullptr, m_port, nullptr))
           == AVAHI_ERR_COLLISION) {
        char *alternative = avahi_alternative_service_name(m_name.constData());
        m_name = alternative;
        avahi_free(alternative);
    }
    if (error == AVAHI_OK)
        error = avahi_entry_group_commit(m_group);
    m_announced = error == AVAHI_OK;
    if (!m_announced)
        unavailable(error);
}

void AvahiDiscovery::browse()
{
    m_browser = avahi_service_browser_new(m_client, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, kServiceType, nullptr,
                                          AvahiLookupFlags(0), &Callbacks::browser, this);
    if (!m_browser)
        unavailable(avahi_client_errno(m_client));
}

void AvahiDiscovery::publish(const QString &name, quint16 port)
{
    if (m_wantedName == name && m_port == port && m_announced)
        return;
    m_wantedName = name;
    m_port = port;
    m_name = serviceName(name);
    m_announced = false;
    if (connectClient())
        sync();
}

void AvahiDiscovery::withdraw()
{
    m_wantedName.reset();
    m_announced = false;
    if (m_group)
        avahi_entry_group_reset(m_group);
}

void AvahiDiscovery::startBrowsing()
{
    m_browsing = true;
    if (connectClient())
        sync();
}

void AvahiDiscovery::stopBrowsing()
{
    m_browsing = false;
    for (const Sighting &sighting : m_sightings) {
        if (sighting.resolver)
            avahi_service_resolver_free(sighting.resolver);
    }
    m_sightings.clear();
    if (m_browser)
        avahi_service_browser_free(m_browser);
    m_browser = nullptr;
    setGames({});
}

void AvahiDiscovery::dropClient()
{
    avahi_client_free(m_client);
    m_client = nullptr;
    m_group = nullptr;
    m_browser = nullptr;
    m_sightings.clear();
    m_announced = false;
}

void AvahiDiscovery::unavailable(int error)
{
    if (!std::exchange(m_unavailableTold, true))
        qCDebug(lcDiscovery) << "No games announced or found on the local network:" << avahi_strerror(error);
}

void AvahiDiscovery::updateGames()
{
    QList<FoundGame> resolved;
    for (const Sighting &sighting : m_sightings) {
        if (!sighting.address.isEmpty())
            resolved.append({QString::fromUtf8(sighting.name), sighting.address});
    }
    setGames(resolved);
}
