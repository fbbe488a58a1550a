#pragma once

#include <QList>
#include <QString>

// One message from the opponent's copy, as the receiving side reads it.
struct PeerMessage {
    enum class Kind {
        Greeting,          // a new opponent's host name
        GreetingContinued, // more of the greeting, which came split
        Move,
        NewGame,
        Ignored,
    };

    Kind kind = Kind::Ignored;
    int cell = -1; // Move: the cell, 0 to 8
    QString text;  // Greeting: the opponent's host name so far, as it may be shown

    bool operator==(const PeerMessage &) const = default;
};

// The messages that one arrival holds. `received` has one character per
// byte received. When a greeting is due, the whole arrival is the greeting.
// Otherwise an arrival of digits holds one message per digit: "0" to "8" a
// move, "9" a new game; an arrival with anything else in it is one Ignored.
QList<PeerMessage> parseArrival(const QString &received, bool greetingDue);

// True when `text` could be part of a host name: letters, digits, '-', '.'
// and '_' only, and at least one of them.
bool couldBeHostName(const QString &text);
