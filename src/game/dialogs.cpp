// The window's one path to its dialogs.
//
// A dialog runs an event loop of its own, so network data could arrive
// while a handler waits for the player; such data waits until the last
// dialog has closed, so that every handler runs to its end on the board it
// started with.
//
// What the connection objects report is shown from the event loop, when no
// other dialog of the window is open: reports never stack up inside one
// another, and a report already waiting or showing is not added again.

#include "game/form1.h"

#include "net/moveexchange.h"

#include <QTimer>

#include <utility>

// Counts a dialog of the window as open for as long as it lives.
class Form1::DialogScope
{
public:
    explicit DialogScope(Form1 &form)
        : m_form(form)
    {
        if (m_form.m_openDialogs++ == 0)
            m_form.m_network->holdArrivals(true);
    }
    ~DialogScope()
    {
        if (--m_form.m_openDialogs > 0)
            return;
        m_form.m_network->holdArrivals(false);
        if (!m_form.m_reports.isEmpty())
            QTimer::singleShot(0, &m_form, &Form1::showReports);
    }
    DialogScope(const DialogScope &) = delete;
    DialogScope &operator=(const DialogScope &) = delete;

private:
    Form1 &m_form;
};

void Form1::messageBox(const QString &text, Toolkit::Icon icon, const QString &title, const QString &news)
{
    const DialogScope open(*this);
    m_toolkit.messageBox(text, icon, title, news);
}

QString Form1::inputBox(const QString &prompt, const QString &offered, const InputChoices *choices)
{
    const DialogScope open(*this);
    return m_toolkit.inputBox(prompt, offered, choices);
}

void Form1::showModal(QDialog &dialog)
{
    const DialogScope open(*this);
    m_toolkit.showModal(dialog);
}

// The player did something: what the network reports may be told again.
void Form1::playerActed()
{
    m_lossTold = false;
    m_departureTold = false;
    m_outOfStepTold = false;
}

void Form1::connectionReport(const QString &text, Report kind)
{
    switch (kind) {
    case Report::OpponentLeft:
        // The status lines tell at once what is left: the waiting side
        // still waits, the connecting side has no connection.
        if (m_network->role() == MoveExchange::Side::Waiting) {
            showWaiting();
        } else {
            Label1->setText(QString());
            Label2->setText(QString());
        }
        // Told once until the player does something, so that peers coming
        // and going cannot keep the window behind boxes.
        if (std::exchange(m_departureTold, true))
            return;
        break;
    case Report::NotConnected:
        Label1->setText(QString());
        Label2->setText(QString());
        break;
    case Report::OutOfStep:
        if (std::exchange(m_outOfStepTold, true))
            return;
        break;
    case Report::Failure:
        break;
    }
    if (m_reports.contains(text))
        return;
    m_reports.append(text);
    if (m_reports.size() == 1)
        QTimer::singleShot(0, this, &Form1::showReports);
}

// Shows the oldest report; the box's closing calls this again for the next.
void Form1::showReports()
{
    if (m_openDialogs > 0 || m_reports.isEmpty())
        return; // shown when the last dialog closes
    messageBox(m_reports.first(), Toolkit::Icon::Exclamation, kAppTitle);
    m_reports.removeFirst();
}
