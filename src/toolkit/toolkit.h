#pragma once

#include <QString>

class QDialog;

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
    // Modal, with OK and Cancel. Cancel gives the empty text.
    virtual QString inputBox(const QString &prompt, const QString &offered) = 0;
    // Shows a window modally and returns when it has been closed.
    virtual void showModal(QDialog &dialog) = 0;
    // Seeds the random generator from the time of day.
    virtual void randomize() = 0;
    // A fraction in [0, 1).
    virtual double rnd() = 0;
};
