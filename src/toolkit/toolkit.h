#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QDialog;

// What an input box offers: entries to choose from, and the text put in the
// box. Both may change while the box is open.
class InputChoices : public QObject
{
    Q_OBJECT

public:
    const QStringList &entries() const { return m_entries; }
    const QString &offered() const { return m_offered; }
    void set(const QStringList &entries, const QString &offered)
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
    QStringList m_entries;
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
    virtual void messageBox(const QString &text, Icon icon = Icon::None,
                            const QString &title = {}) = 0;
    // Modal, with OK and Cancel. Cancel gives the empty text. With
    // `choices`, the text can also be chosen from its entries, which the box
    // follows while open; so does the text, until the player changes it.
    virtual QString inputBox(const QString &prompt, const QString &offered,
                             const InputChoices *choices = nullptr) = 0;
    // Shows a window modally and returns when it has been closed.
    virtual void showModal(QDialog &dialog) = 0;
    // Seeds the random generator from the time of day.
    virtual void randomize() = 0;
    // A fraction in [0, 1).
    virtual double rnd() = 0;
};
