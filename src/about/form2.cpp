#include "about/form2.h"

#include "toolkit/colours.h"
#include "toolkit/pictures.h"
#include "toolkit/toolkit.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

QLabel *createLine(QWidget *parent, const QString &text, Qt::Alignment alignment, int top)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->setGeometry(8, top, 185, 17);
    // The window keeps its size; where the desktop's font is too large for
    // a line, that line's font is made just small enough to show it whole.
    QFont font = label->font();
    while (QFontMetrics(font).horizontalAdvance(text) > label->contentsRect().width() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != label->font())
        label->setFont(font);
    return label;
}

} // namespace

Form2::Form2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("About %1").arg(kAppTitle));
    setWindowIcon(pictures::windowIcon());
    setFixedSize(201, 169);

    makeWhiteArea(this);

    Label3 = createLine(this, kAppTitle, Qt::AlignHCenter, 16);
    Label1 = createLine(this, tr("BY : The Kelmo developers"), Qt::AlignHCenter, 48);
    Label2 = createLine(this, tr("E-MAIL : kelmo@example.org"), Qt::AlignHCenter, 80);
    Label13 = createLine(this, tr("URL : kelmo.example.org"), Qt::AlignLeft, 104);

    Command1 = new QPushButton(tr("OK"), this);
    Command1->setGeometry(64, 136, 73, 25);
    Command1->setDefault(true);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    // Pointer moves over the background and the two link lines set the
    // colours; moves over anything else change nothing, so they must not
    // reach the window as moves over its background.
    setMouseTracking(true);
    for (QLabel *link : {Label2, Label13}) {
        link->setMouseTracking(true);
        link->installEventFilter(this);
    }
    for (QWidget *inert : std::initializer_list<QWidget *>{Label3, Label1, Command1})
        inert->setAttribute(Qt::WA_NoMousePropagation);
}

void Form2::mouseMoveEvent(QMouseEvent *)
{
    Form_MouseMove();
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == Label2)
            Label2_MouseMove();
        else if (watched == Label13)
            Label13_MouseMove();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Form2::Form_MouseMove()
{
    setForeColor(Label2, kBlack);
    setForeColor(Label13, kBlack);
}

void Form2::Label2_MouseMove()
{
    setForeColor(Label2, kBlue);
    setForeColor(Label13, kBlack);
}

void Form2::Label13_MouseMove()
{
    setForeColor(Label13, kBlue);
    setForeColor(Label2, kBlack);
}
