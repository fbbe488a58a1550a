#pragma once

#include "net/socketapi.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

class QObject;

// The local host name and address: what the waiting side shows its player,
// and what either side sends the opponent as its greeting. Each look-up
// starts the socket interface and releases it again once it is done.
//
// The main window inherits these as its own public functions; failures are
// told to the player through the window's dialogs.
class HostLookup
{
    Q_DECLARE_TR_FUNCTIONS(HostLookup)

public:
    HostLookup(const HostLookup &) = delete;
    HostLookup &operator=(const HostLookup &) = delete;

    // The local host text last looked up; sent to the opponent as greeting.
    QString HostName;

    // The host name, also stored in HostName; empty on failure.
    QString GetIPHostName();
    bool SocketsInitialize();
    // Releases the interface; the name keeps its historical spelling.
    void SocketsCeanup();
    // The high and low byte of a signed 16-bit word.
    static qint32 Hibyte(qint16 w);
    static qint32 Lobyte(qint16 w);
    // Looks up the first address of the local host, dotted; empty on
    // failure. Resolving the name may take the system seconds, so nothing
    // waits for it: `done` gets the answer later, from the window's event
    // loop; a look-up still pending when the next starts, or when
    // cancelAddressLookup() is called, is forgotten: its `done` is never
    // called and it tells the player nothing.
    void GetIPAddress(std::function<void(const QString &)> done);
    void cancelAddressLookup();

protected:
    // `sockets` serves the look-up; the system's own when none is given.
    // The answers of address look-ups are delivered to `context`.
    HostLookup(SocketApi *sockets, QObject *context);
    virtual ~HostLookup() = default;

    enum class Alert {
        Plain, // no icon, the application title
        Error, // the exclamation icon and the title "ERROR"
    };
    // Tells the player of a failed look-up, modally, with an OK button.
    virtual void lookupMessage(const QString &text, Alert alert) = 0;

private:
    bool readHostName(char (&buffer)[256]);
    QString addressText(const HostAddresses &host);

    std::unique_ptr<SocketApi> m_ownSockets; // when none is given
    SocketApi *m_sockets;
    QObject *m_context;
    quint64 m_lookups = 0; // address look-ups started, or cancelled
};
