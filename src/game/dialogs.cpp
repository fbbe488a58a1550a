// The window's one path to its dialogs. A dialog runs an event loop of its
// own, so network data could arrive while a handler waits for the player;
// such data waits until the last dialog has closed, so that every handler
// runs to its end on the board it started with.

#include "game/form1.h"

// Counts a dialog of the window as open for as long as it lives.
class Form1::DialogScope
{
public:
    explicit DialogScope(Form1 &form)
        : m_form(form)
    {
        ++m_form.m_openDialogs;
    }
    ~DialogScope()
    {
        if (--m_form.m_openDialogs == 0)
            m_form.releaseHeldBackArrivals();
    }
    DialogScope(const DialogScope &) = delete;
    DialogScope &operator=(const DialogScope &) = delete;

private:
    Form1 &m_form;
};

void Form1::messageBox(const QString &text, Toolkit::Icon icon, const QString &title)
{
    const DialogScope open(*this);
    m_toolkit.messageBox(text, icon, title);
}

QString Form1::inputBox(const QString &prompt, const QString &offered)
{
    const DialogScope open(*this);
    return m_toolkit.inputBox(prompt, offered);
}

void Form1::showModal(QDialog &dialog)
{
    const DialogScope open(*this);
    m_toolkit.showModal(dialog);
}

bool Form1::arrivalsHeldBack() const
{
    return m_openDialogs > 0;
}

void Form1::connectionReport(const QString &text)
{
    messageBox(text, Toolkit::Icon::Exclamation, kAppTitle);
}

void Form1::lookupMessage(const QString &text, Alert alert)
{
    if (alert == Alert::Error)
        messageBox(text, Toolkit::Icon::Exclamation, QStringLiteral("ERROR"));
    else
        messageBox(text);
}
