#include "net/gamediscovery.h"

#include <QHostAddress>

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

const QString kNamePrefix = QStringLiteral("Kelmo on ");

// Characters that would break the line, or that show nothing but can hide
// or turn text around: blanks of any kind (line and paragraph separators
// among them) and controls count as one blank; format characters (bidi
// controls, zero-width characters) and code points with no character are
// taken out.
bool breaksLine(char32_t c)
{
    return QChar::isSpace(c) || QChar::category(c) == QChar::Other_Control;
}

bool invisible(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Format || category == QChar::Other_NotAssigned
        || category == QChar::Other_PrivateUse || category == QChar::Other_Surrogate;
}

} // namespace

QString GameDiscovery::gameName(const QString &hostName)
{
    return hostName.isEmpty() ? QStringLiteral("Kelmo") : kNamePrefix + hostName;
}

QString GameDiscovery::shownName(const QString &name)
{
    const QString host = name.startsWith(kNamePrefix) ? name.mid(kNamePrefix.size()) : name;
    QList<char32_t> shown;
    bool blank = false;
    for (char32_t c : host.toUcs4()) {
        if (breaksLine(c)) {
            blank = !shown.isEmpty();
        } else if (!invisible(c)) {
            if (std::exchange(blank, false))
                shown.append(U' ');
            shown.append(c);
        }
    }
    if (shown.size() > kMaxShownName) {
        shown.resize(kMaxShownName - 1);
        shown.append(U'\u2026');
    }
    return QString::fromUcs4(shown.constData(), shown.size());
}

void GameDiscovery::setGames(const QList<FoundGame> &sightings)
{
    QList<FoundGame> named; // one per announced name
    for (const FoundGame &sighting : sightings) {
        // Games are found at IPv4 addresses: one of another family, such as
        // an IPv6 link-local address without its interface, may be unusable.
        if (QHostAddress(sighting.address).protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        const auto same = std::find_if(named.begin(), named.end(),
                                       [&](const FoundGame &game) { return game.name == sighting.name; });
        if (same == named.end())
            named.append(sighting);
        else if (QHostAddress(same->address).isLoopback())
            same->address = sighting.address;
    }
    QList<FoundGame> games;
    for (const FoundGame &game : named)
        games.append({shownName(game.name), game.address});
    std::sort(games.begin(), games.end(), [](const FoundGame &a, const FoundGame &b) {
        return std::tie(a.name, a.address) < std::tie(b.name, b.address);
    });
    // Names that differ only in what is not shown would read the same.
    games.erase(std::unique(games.begin(), games.end()), games.end());
    if (games.size() > kMaxGames)
        games.resize(kMaxGames);
    if (games == m_games)
        return;
    m_games = std::move(games);
    emit gamesChanged();
}
