#pragma once

#include "toolkit/toolkit.h"

#include <random>

// The toolkit of the real program: Qt's dialogs and a <random> engine.
class QtToolkit : public Toolkit
{
public:
    void messageBox(const QString &text, Icon icon, const QString &title, const QString &news) override;
    QString inputBox(const QString &prompt, const QString &offered, const InputChoices *choices = nullptr) override;
    void showModal(QDialog &dialog) override;
    void randomize() override;
    double rnd() override;

private:
    std::mt19937 m_engine;
};
