#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

class SocketApi;

// The local host name and address: what the waiting side shows its player,
// and what either side sends the opponent as its greeting. Each look-up
// starts the socket interface and releases it again before it returns.
//
// The main window inherits these as its own public functions; failures are
// told to the player through the window's dialogs.
class HostLookup
{
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
    // The first address of the local host, dotted; empty on failure.
    QString GetIPAddress();

protected:
    // `sockets` serves the look-up; the system's own when none is given.
    explicit HostLookup(SocketApi *sockets);
    virtual ~HostLookup();

    enum class Alert {
        Plain, // no icon, the application title
        Error, // the exclamation icon and the title "ERROR"
    };
    // Tells the player of a failed look-up, modally, with an OK button.
    virtual void lookupMessage(const QString &text, Alert alert) = 0;

private:
    bool readHostName(char (&buffer)[256]);

    std::unique_ptr<SocketApi> m_ownSockets;
    SocketApi &m_sockets;
};
