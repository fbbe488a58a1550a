#pragma once

#include "toolkit/toolkit.h"

#include <QDialog>
#include <QQueue>
#include <QStringList>

#include <functional>

// Answers the dialogs at once and records what they showed; hands out the
// random fractions queued in `draws`, then 0. Serves the tests and every
// program that runs Kelmo's windows with nobody at the screen.
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
    QStringList newsBefore;       // what a screen reader heard as each box opened
    QStringList prompts;          // "prompt|offered" of each input box
    QQueue<QString> inputAnswers; // then `defaultAnswer`
    QString defaultAnswer;        // the empty text: Cancel
    QQueue<double> draws;
    int randomizeCalls = 0;
    int drawCount = 0;
    // Called while a dialog is "open", before it is answered or closed.
    std::function<void(const QString &)> onMessage;
    std::function<void()> onInput;
    const InputChoices *openChoices = nullptr; // meanwhile, the input box's choices, if any
    std::function<void(QDialog &)> onModal;

    void messageBox(const QString &text, Icon icon, const QString &title, const QString &news) override
    {
        messages.append({text, icon, title.isEmpty() ? kAppTitle : title});
        newsBefore.append(news);
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
