#pragma once

#include <QObject>
#include <QString>
#include <QList>
#include <QStringList>

class QDialog;

// One entry an input box offers: a name, and the text it stands for.
struct InputEntry {
    QString name;
    QString text;
    bool operator==(const InputEntry &) const = default;
};

// What an input box offers while it is open: entries to choose from, and
// the text put in the box. Both may change meanwhile.
class InputChoices : public QObject
{
    Q_OBJECT

public:
    // What the list of entries is called, and the headings of its columns.
    QString listName;
    QString nameHeading;
    QString textHeading;

    const QList<InputEntry> &entries() const { return m_entries; }
    const QString &offered() const { return m_offered; }
    void set(const QList<InputEntry> &entries, const QString &offered)
    {
        if (entries == m_entries && offered == m_offered)
            return;
        m_entries = entries;
        m_offered = offered;
        emit changed();
    }

signals:
    void changed();

private:
    QList<InputEntry> m_entries;
    QString m_offered;
};

// The application title that every dialog shows unless it brings its own.
inline const QString kAppTitle = QStringLiteral("Kelmo");

// Dialogs and random numbers: everything the game asks of the toolkit that
// a test must be able to answer or fix.
class Toolkit
{
public:
    enum class Icon { None, Exclamation };

    virtual ~Toolkit() = default;

    // Modal, with an OK button only. An empty title shows kAppTitle.
    // `news`, when given, is what a screen reader says as the box opens,
    // before the text: the moves that led to a result.
    virtual void messageBox(const QString &text, Icon icon = Icon::None, const QString &title = {},
                            const QString &news = {}) = 0;
    // Modal, with OK and Cancel. OK gives exactly the text in the box,
    // Cancel the empty text. With `choices`, the box also lists their
    // entries while there are some, and choosing one puts its text in the
    // box; the text follows what is offered until the player touches it.
    virtual QString inputBox(const QString &prompt, const QString &offered,
                             const InputChoices *choices = nullptr) = 0;
    // Shows a window modally and returns when it has been closed.
    virtual void showModal(QDialog &dialog) = 0;
    // Seeds the random generator from the time of day.
    virtual void randomize() = 0;
    // A fraction in [0, 1).
    virtual double rnd() = 0;
};
