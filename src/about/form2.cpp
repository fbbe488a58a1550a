#include "about/form2.h"

#include "toolkit/colours.h"
#include "toolkit/pictures.h"
#include "toolkit/placement.h"
#include "toolkit/toolkit.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

constexpr int kMargin = 8;
constexpr QSize kSize(201, 169);

QLabel *createLine(QWidget *parent, const QString &text, Qt::Alignment alignment, int top)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->move(kMargin, top);
    return label;
}

} // namespace

Form2::Form2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("About %1").arg(kAppTitle));
    setWindowIcon(pictures::windowIcon());

    makeWhiteArea(this);

    Label3 = createLine(this, kAppTitle, Qt::AlignHCenter, 16);
    Label1 = createLine(this, tr("BY : The Kelmo developers"), Qt::AlignHCenter, 48);
    Label2 = createLine(this, tr("E-MAIL : kelmo@example.org"), Qt::AlignHCenter, 80);
    Label13 = createLine(this, tr("URL : kelmo.example.org"), Qt::AlignLeft, 104);

    Command1 = new QPushButton(tr("OK"), this);
    // The window keeps its size, and widens where a line in the player's
    // language or font would not fit: every line is drawn in the window's
    // own font.
    int width = std::max(kSize.width(), titleBarWidth(*this, windowTitle()));
    for (const QLabel *line : {Label3, Label1, Label2, Label13})
        width = std::max(width, line->fontMetrics().horizontalAdvance(line->text()) + 2 * kMargin + 4);
    setFixedSize(width, kSize.height());
    for (QLabel *line : {Label3, Label1, Label2, Label13})
        line->resize(width - 2 * kMargin, 17);
    Command1->setGeometry((width - 73) / 2, 136, 73, 25);
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
