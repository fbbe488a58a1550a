#pragma once

#include <QList>
#include <QObject>
#include <QString>

// A game waiting on the local network, as the discovery found it.
struct FoundGame {
    QString name;    // the announced name, for example "Kelmo on alpha"
    QString address; // where it waits: a dotted IPv4 address
    bool operator==(const FoundGame &) const = default;
};

// Finding games on the local network without typing an address: the waiting
// side announces its game, the connecting side lists the games announced.
// Either may find no network service to do it with; then nothing is
// announced, nothing is found, and nothing else changes.
class GameDiscovery : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Announces this copy's game as `name`, waiting on `port`, until
    // withdraw(); announcing it again as it is changes nothing.
    virtual void publish(const QString &name, quint16 port) = 0;
    virtual void withdraw() = 0;
    // Looks for games until stopBrowsing(), which forgets those found.
    virtual void startBrowsing() = 0;
    virtual void stopBrowsing() = 0;

    // The games found, one per name, sorted by name.
    const QList<FoundGame> &games() const { return m_games; }

    // The name a game is announced under, from its host's name.
    static QString gameName(const QString &hostName);
    // The host part of a game's name: "alpha" for "Kelmo on alpha".
    static QString hostOfGame(const QString &name);

signals:
    // May be raised from inside the discovery's own callbacks: a slot must
    // not stop browsing.
    void gamesChanged();

protected:
    // Offers the games seen: one per name, at the address of any sighting of
    // it, but at a loopback address only when there is no other.
    void setGames(const QList<FoundGame> &sightings);

private:
    QList<FoundGame> m_games;
};
