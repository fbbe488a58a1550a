#include "net/gamediscovery.h"

#include <QHostAddress>

#include <algorithm>

namespace {

const QString kNamePrefix = QStringLiteral("Kelmo on ");

} // namespace

QString GameDiscovery::gameName(const QString &hostName)
{
    return hostName.isEmpty() ? QStringLiteral("Kelmo") : kNamePrefix + hostName;
}

QString GameDiscovery::hostOfGame(const QString &name)
{
    return name.startsWith(kNamePrefix) ? name.mid(kNamePrefix.size()) : name;
}

void GameDiscovery::setGames(const QList<FoundGame> &sightings)
{
    QList<FoundGame> games;
    for (const FoundGame &sighting : sightings) {
        const auto same = std::find_if(games.begin(), games.end(),
                                       [&](const FoundGame &game) { return game.name == sighting.name; });
        if (same == games.end())
            games.append(sighting);
        else if (QHostAddress(same->address).isLoopback())
            same->address = sighting.address;
    }
    std::sort(games.begin(), games.end(), [](const FoundGame &a, const FoundGame &b) { return a.name < b.name; });
    if (games == m_games)
        return;
    m_games = std::move(games);
    emit gamesChanged();
}
