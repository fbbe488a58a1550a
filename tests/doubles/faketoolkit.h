#pragma once

#include "toolkit/toolkit.h"

#include <QDialog>
#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

// Answers the dialogs at once and records what they showed; hands out the
// random fractions queued in `draws`. Serves the tests and every program
// that runs Kelmo's windows with nobody at the screen.
class FakeToolkit : public Toolkit
{
public:
    struct Shown {
        QString text;
        Icon icon;
        QString title;
        bool operator==(const Shown &) const = default;
    };

    QList<Shown> messages;
    QList<QString> prompts;       // "prompt|offered" of each input box
    QQueue<QString> inputAnswers; // then `defaultAnswer`
    QString defaultAnswer;        // the empty text: Cancel
    QQueue<double> draws;         // then `defaultDraw`
    double defaultDraw = 0.0;
    int randomizeCalls = 0;
    int drawCount = 0;

    // Called while a message box is "open", before it is dismissed.
    std::function<void(const QString &)> onMessage;
    // Called while an input box is "open", before it is answered.
    std::function<void()> onInput;
    const InputChoices *openChoices = nullptr; // meanwhile, the box's choices if it has any
    // Called while a modal window is "open"; the window closes on return.
    std::function<void(QDialog &)> onModal;
    QStringList modalTitles;

    void messageBox(const QString &text, Icon icon, const QString &title) override
    {
        messages.append({text, icon, title.isEmpty() ? kAppTitle : title});
        if (onMessage)
            onMessage(text);
    }

    QString inputBox(const QString &prompt, const QString &offered, const InputChoices *choices = nullptr) override
    {
        prompts.append(prompt + QLatin1Char('|') + offered);
        openChoices = choices;
        if (onInput)
            onInput();
        openChoices = nullptr;
        return inputAnswers.isEmpty() ? defaultAnswer : inputAnswers.dequeue();
    }

    void showModal(QDialog &dialog) override
    {
        modalTitles.append(dialog.windowTitle());
        if (onModal)
            onModal(dialog);
    }

    void randomize() override { ++randomizeCalls; }

    double rnd() override
    {
        ++drawCount;
        return draws.isEmpty() ? defaultDraw : draws.dequeue();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown &shown : messages)
            result.append(shown.text);
        return result;
    }
};
