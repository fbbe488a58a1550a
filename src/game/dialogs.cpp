#include "game/dialogs.h"

#include <QTimer>

// Counts a dialog as open for as long as it lives.
class Dialogs::Scope
{
public:
    explicit Scope(Dialogs &dialogs)
        : m_dialogs(dialogs)
    {
        if (m_dialogs.m_open++ == 0)
            emit m_dialogs.firstOpened();
    }
    ~Scope()
    {
        if (--m_dialogs.m_open > 0)
            return;
        emit m_dialogs.allClosed();
        if (!m_dialogs.m_reports.isEmpty())
            QTimer::singleShot(0, &m_dialogs, &Dialogs::showReports);
    }
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;

private:
    Dialogs &m_dialogs;
};

Dialogs::Dialogs(Toolkit &toolkit, QObject *parent)
    : QObject(parent)
    , m_toolkit(toolkit)
{
}

void Dialogs::messageBox(const QString &text, Toolkit::Icon icon, const QString &title, const QString &news)
{
    const Scope open(*this);
    m_toolkit.messageBox(text, icon, title, news);
}

QString Dialogs::inputBox(const QString &prompt, const QString &offered, const InputChoices *choices)
{
    const Scope open(*this);
    return m_toolkit.inputBox(prompt, offered, choices);
}

void Dialogs::showModal(QDialog &dialog)
{
    const Scope open(*this);
    m_toolkit.showModal(dialog);
}

void Dialogs::report(const QString &text)
{
    if (m_reports.contains(text))
        return;
    m_reports.append(text);
    if (m_reports.size() == 1)
        QTimer::singleShot(0, this, &Dialogs::showReports);
}

// Shows the oldest report; the box's closing calls this again for the next.
void Dialogs::showReports()
{
    if (m_open > 0 || m_reports.isEmpty())
        return; // shown when the last dialog closes
    messageBox(m_reports.first(), Toolkit::Icon::Exclamation, kAppTitle);
    m_reports.removeFirst();
}
