#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About window: the product name, the credits, and two link-like lines
// (e-mail and web address) that turn blue under the mouse pointer.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    QLabel *Label3 = nullptr;  // product name
    QLabel *Label1 = nullptr;  // "BY : ..."
    QLabel *Label2 = nullptr;  // "E-MAIL : ..."
    QLabel *Label13 = nullptr; // "URL : ..."
    QPushButton *Command1 = nullptr;

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_MouseMove();
    void Label2_MouseMove();
    void Label13_MouseMove();
};
