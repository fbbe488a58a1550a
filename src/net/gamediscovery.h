#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

// A game waiting on the local network.
struct FoundGame {
    QString name;    // as announced: "Kelmo on alpha"; as offered: the host part, made safe to show
    QString address; // where it waits: a dotted IPv4 address, as resolved
    bool operator==(const FoundGame &) const = default;
};
Q_DECLARE_METATYPE(FoundGame)

// Finding games on the local network without typing an address: the waiting
// side announces its game, the connecting side lists the games announced.
// Either may find no network service to do it with; then nothing is
// announced, nothing is found, and nothing else changes.
//
// Every request returns at once: whatever serves it works apart from the
// window, and the games it finds come back later through setGames().
class GameDiscovery : public QObject
{
    Q_OBJECT

public:
    // At most this many games are offered; the rest are dropped.
    static constexpr qsizetype kMaxGames = 64;
    // A name is shown in at most this many characters.
    static constexpr qsizetype kMaxShownName = 40;

    using QObject::QObject;

    // Announces this copy's game as `name`, waiting on `port`, until
    // withdraw(); announcing it again as it is changes nothing.
    virtual void publish(const QString &name, quint16 port) = 0;
    virtual void withdraw() = 0;
    // Looks for games until stopBrowsing(), which forgets those found.
    virtual void startBrowsing() = 0;
    virtual void stopBrowsing() = 0;

    // The games found, as they may be offered to the player: each once, on
    // one line, sorted by name, and no two alike.
    const QList<FoundGame> &games() const { return m_games; }

    // The name a game is announced under, from its host's name.
    static QString gameName(const QString &hostName);
    // What may be shown of a game's announced name: its host part ("alpha"
    // for "Kelmo on alpha") on one line, without control, format (bidi or
    // zero-width) or separator characters, blanks run together, shortened
    // with "…" when long.
    static QString shownName(const QString &name);

signals:
    void gamesChanged();

protected:
    // Offers the games seen: one per announced name, at the address of any
    // sighting of it, but at a loopback address only when there is no other.
    void setGames(const QList<FoundGame> &sightings);

private:
    QList<FoundGame> m_games;
};
