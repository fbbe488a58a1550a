#pragma once

#include "game/toolkit.h"

#include <QDialog>
#include <QList>
#include <QQueue>

#include <functional>

// Answers the dialogs for a test and records what they showed; hands out
// the random fractions the test has queued (0 once the queue is empty).
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
    QList<QString> prompts;      // "prompt|offered" of each input box
    QQueue<QString> inputAnswers; // empty text (Cancel) once exhausted
    QQueue<double> draws;
    int randomizeCalls = 0;
    int drawCount = 0;
    // Called while a message box is "open", before it is dismissed.
    std::function<void(const QString &)> onMessage;

    void messageBox(const QString &text, Icon icon, const QString &title) override
    {
        messages.append({text, icon, title.isEmpty() ? kAppTitle : title});
        if (onMessage)
            onMessage(text);
    }

    // Called while an input box is "open", before it is answered.
    std::function<void()> onInput;

    QString inputBox(const QString &prompt, const QString &offered) override
    {
        prompts.append(prompt + QLatin1Char('|') + offered);
        if (onInput)
            onInput();
        return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
    }

    // Called while a modal window is "open"; the window closes on return.
    std::function<void(QDialog &)> onModal;
    QStringList modalTitles;

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
        return draws.isEmpty() ? 0.0 : draws.dequeue();
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown &shown : messages)
            result.append(shown.text);
        return result;
    }
};
