#include "AboutForm.h"

#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichLabel.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {

const QColor kOrange(255, 128, 0);
const QColor kStripe(128, 64, 64);

bool& Suppressed() {
    static bool suppressed = false;
    return suppressed;
}

QLabel* Band(QWidget* parent, const QRect& place, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setGeometry(place);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, colour);
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    return label;
}

TRichLabel* Text(QWidget* parent, const QRect& place, const QFont& font, const QColor& colour, TAlignment horz,
                 TAlignment vert, const std::string& caption) {
    auto* label = new TRichLabel(parent);
    label->setGeometry(place);
    label->setFont(font);
    label->SetFontColor(colour);
    label->SetTransparent(true);
    label->SetBorder(false);
    label->SetAlignment(horz);
    label->SetVAlignment(vert);
    label->SetCaption(caption);
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent, const std::string& hubAddress)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_hubAddress(hubAddress) {
    setFont(MarkupFont("Arial", -11, true));
    setFixedSize(432, 246);
    OpenAddress = [](QWidget* window, const std::string& address) { ShellOpen(window, address); };

    auto* panel = new QFrame(this);
    panel->setGeometry(0, 0, 432, 246);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);

    Band(panel, {1, 1, 430, 95}, kOrange);        // Label1
    Band(panel, {1, 96, 430, 54}, kOrange);       // Label3
    Band(panel, {1, 150, 430, 95}, kOrange);      // Label2
    for (int top : {98, 104, 114, 129, 139, 146}) // Label4, 5, 8, 9, 7, 6
        Band(panel, {1, top, 430, 2}, kStripe);

    Text(panel, {73, 17, 286, 66}, MarkupFont("MS Sans Serif", -11), Qt::white, taCenter, taRightJustify,
         "|z30 Korvalen|f \r\n\r\n|z15 ver. 0.15|f ");
    Text(panel, {5, 79, 421, 96}, MarkupFont("Arial", -16, true), Qt::yellow, taCenter, taCenter,
         "\r\n|z36 TESTING|f \r\n\r\nversion 6");
    std::string hub = "|b Korvalen|f \r\na catalogue of live recordings";
    if (!m_hubAddress.empty())
        hub += "\r\ninfo:\r\n|b " + m_hubAddress + "|f ";
    m_hubRL = Text(panel, {7, 170, 169, 60}, MarkupFont("Arial", -11), Qt::white, taCenter, taCenter, hub);
    Text(panel, {235, 170, 191, 57}, font(), Qt::white, taRightJustify, taCenter,
         "Credits:\r\nthe Korvalen developers");
    if (!m_hubAddress.empty()) {
        m_hubRL->setCursor(Qt::PointingHandCursor);
        m_hubRL->OnMouseDown = [this](QMouseEvent*) { OpenAddress(this, m_hubAddress); };
    }

    m_timer1 = new QTimer(this);
    m_timer1->setInterval(1000);
    m_timer1->setSingleShot(true);
    connect(m_timer1, &QTimer::timeout, this, &QDialog::accept);
}

void TAboutForm::StartTimer() {
    m_timer1->start();
}

void TAboutForm::keyPressEvent(QKeyEvent* event) {
    event->accept();
    accept();
}

void TAboutForm::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

void ShowAboutBox(QWidget* parent, bool atStart) {
    if (Suppressed())
        return;
    TAboutForm form(parent);
    if (atStart)
        form.StartTimer();
    form.exec();
}

void SuppressAboutBox(bool suppress) {
    Suppressed() = suppress;
}
