#include "HelpForm.h"

#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/RichText.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace {

// The design's window frame around the client area.
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 31;

bool& Suppressed() {
    static bool suppressed = false;
    return suppressed;
}

std::optional<TShownHelp>& Last() {
    static std::optional<TShownHelp> last;
    return last;
}

} // namespace

THelpForm::THelpForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Help"));
    setFont(MarkupFont("Arial", -11));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    setPalette(colours);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    m_helpRT = new TRichText(this);
    m_helpRT->SetBorder(false);
    m_helpRT->SetColor(colours.color(QPalette::ToolTipBase));
    m_helpRT->SetFontColor(colours.color(QPalette::ToolTipText));
    m_helpRT->SetTransparent(true);
    m_helpRT->SetJustified(true);
    m_helpRT->SetAlignment(taLeftJustify);
    m_helpRT->SetVAlignment(taCenter);
    resize(363, 233);
    PlaceText();
}

void THelpForm::SetOuterSize(int width, int height) {
    resize(std::max(width - kFrameWidth, 40), std::max(height - kFrameHeight, 40));
    PlaceText(); // a hidden window gets its resize event only when shown
}

void THelpForm::SetHelpText(const std::string& text) {
    m_helpRT->SetText(SplitLines(text));
}

void THelpForm::resizeEvent(QResizeEvent* event) {
    PlaceText();
    QDialog::resizeEvent(event);
}

void THelpForm::PlaceText() {
    // HelpRT keeps its design margins: 5 left, 10 top, 6 right, 9 bottom.
    m_helpRT->setGeometry(5, 10, std::max(1, width() - 11), std::max(1, height() - 19));
}

void THelpForm::keyPressEvent(QKeyEvent* event) {
    event->accept();
    accept();
}

void THelpForm::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

void ShowHelpPopup(QWidget* parent, const std::string& text, int width, int height) {
    Last() = TShownHelp{text, width, height};
    if (Suppressed())
        return;
    THelpForm form(parent);
    form.SetOuterSize(width, height);
    form.SetHelpText(text);
    form.exec();
}

void SuppressHelpPopups(bool suppress) {
    Suppressed() = suppress;
}

std::optional<TShownHelp> LastHelp() {
    return Last();
}
