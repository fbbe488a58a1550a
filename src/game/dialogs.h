#pragma once

#include "toolkit/toolkit.h"

#include <QObject>
#include <QStringList>

class QDialog;

// The window's one path to its dialogs.
//
// A dialog runs an event loop of its own, so network data could arrive
// while a handler waits for the player: the window holds such data back
// from firstOpened() until allClosed(), so that every handler runs to its
// end on the board it started with.
//
// Reports are shown from the event loop, when no other dialog is open: they
// never stack up inside one another, and a report already waiting or
// showing is not added again.
class Dialogs : public QObject
{
    Q_OBJECT

public:
    Dialogs(Toolkit &toolkit, QObject *parent);

    void messageBox(const QString &text, Toolkit::Icon icon = Toolkit::Icon::None, const QString &title = {},
                    const QString &news = {});
    QString inputBox(const QString &prompt, const QString &offered, const InputChoices *choices = nullptr);
    void showModal(QDialog &dialog);
    // Shows `text` with the exclamation icon, once no dialog is open.
    void report(const QString &text);

signals:
    // A dialog has opened where none was.
    void firstOpened();
    // The last open dialog has closed.
    void allClosed();

private:
    class Scope;
    void showReports();

    Toolkit &m_toolkit;
    int m_open = 0;       // dialogs now open
    QStringList m_reports; // not yet dismissed, the first one showing
};
