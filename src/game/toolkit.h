#pragma once

#include <QPixmap>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <random>

class QColor;
class QDialog;
class QLabel;

// The application title that every dialog shows unless it brings its own.
inline const QString kAppTitle = QStringLiteral("Kelmo");

// A picture that cells share by reference. Its Handle tells pictures apart:
// equal for the same object, different for any two objects. It is drawn
// the first time it is shown, so that start-up draws only what the first
// window shows. The description says in words what it shows, for screen
// readers.
class Picture
{
public:
    Picture(std::function<QPixmap()> draw, QString description);
    Picture(const Picture &) = delete;
    Picture &operator=(const Picture &) = delete;

    qint32 Handle() const { return m_handle; }
    const QPixmap &pixmap() const;
    const QString &description() const { return m_description; }

private:
    qint32 m_handle;
    mutable std::function<QPixmap()> m_draw;
    mutable QPixmap m_pixmap;
    QString m_description;
};

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

// The toolkit of the real program: Qt's dialogs and a <random> engine.
class QtToolkit : public Toolkit
{
public:
    void messageBox(const QString &text, Icon icon, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &offered) override;
    void showModal(QDialog &dialog) override;
    void randomize() override;
    double rnd() override;

private:
    std::mt19937 m_engine;
};

// The colour a label draws its text in.
void setForeColor(QLabel *label, const QColor &color);
