#include "controls/panels/MyPage.h"

#include "controls/markup/QtMarkupCanvas.h"
#include "controls/panels/PanelPaint.h"
#include "controls/panels/PanelsAccessible.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include <cassert>

namespace {

constexpr int kVerticalAngle = 90;

} // namespace

TMyTab::TMyTab(QWidget* parent) : QWidget(parent) {
    InstallPanelsAccessibility();
    m_color = palette().color(QPalette::Button);
    setGeometry(10, 10, 100, 100);
    hide();
}

void TMyTab::SetCaption(const std::string& value) {
    if (value == m_caption)
        return;
    m_caption = value;
    emit CaptionChanged();
}

void TMyTab::SetColor(const QColor& value) {
    if (value == m_color)
        return;
    m_color = value;
    update();
}

void TMyTab::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
}

TMyPage::TMyPage(QWidget* parent) : QWidget(parent) {
    InstallPanelsAccessibility();
    m_color = palette().color(QPalette::Button);
    resize(200, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const std::pair<QKeySequence, bool> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), false},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), true},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), true},
    };
    for (const auto& [sequence, backwards] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, backwards = backwards] { DialogKey(backwards); });
    }
}

TMyPage::~TMyPage() = default;

void TMyPage::SetTabWidth(int32_t value) {
    if (!m_model.SetTabWidth(value))
        return;
    LayoutPages();
    update();
}

void TMyPage::SetColor(const QColor& value) {
    if (value == m_color)
        return;
    m_color = value;
    update();
}

void TMyPage::Apply(bool changed) {
    if (changed)
        update();
}

std::vector<TMyTab*> TMyPage::Pages() const {
    std::vector<TMyTab*> pages;
    for (QObject* child : children())
        if (auto* page = qobject_cast<TMyTab*>(child))
            pages.push_back(page);
    return pages;
}

TMyTab* TMyPage::PageByIndex(int32_t number) const {
    for (TMyTab* page : Pages())
        if (page->Index() == number)
            return page;
    return nullptr;
}

void TMyPage::SyncPages() {
    std::vector<int32_t> indices;
    for (TMyTab* page : Pages()) {
        indices.push_back(page->Index());
        connect(page, &TMyTab::CaptionChanged, this, qOverload<>(&QWidget::update), Qt::UniqueConnection);
    }
    m_model.SetPageIndices(std::move(indices));
}

void TMyPage::LayoutPages() {
    const QRect bounds = ToQRect(m_model.PageBounds(width(), height()));
    for (TMyTab* page : Pages())
        page->setGeometry(bounds);
}

void TMyPage::Loaded() {
    SyncPages();
    LayoutPages();
    if (m_model.ActivePage() == 0 && m_model.Load())
        Show(0);
}

void TMyPage::Show(int32_t before) {
    if (TMyTab* old = PageByIndex(before))
        old->hide();
    TMyTab* page = PageByIndex(m_model.ActivePage());
    assert(page != nullptr); // the model takes only numbers that have a page
    page->show();
    page->raise();
    if (isVisible()) {
        for (QWidget* w = page->nextInFocusChain(); w != page && page->isAncestorOf(w); w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(page)) {
                w->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    update();
    AnnouncePageShown(*this);
}

void TMyPage::SetActivePage(int32_t number) {
    SyncPages();
    const int32_t before = m_model.ActivePage();
    if (m_model.SetActivePage(number))
        Show(before);
}

void TMyPage::NextPage(bool backwards) {
    SyncPages();
    const int32_t before = m_model.ActivePage();
    if (m_model.NextPage(backwards))
        Show(before);
    update();
}

void TMyPage::DialogKey(bool backwards) {
    NextPage(backwards);
    if (OnChange)
        OnChange(*this);
}

void TMyPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutPages();
}

void TMyPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Loaded();
}

void TMyPage::childEvent(QChildEvent* event) {
    QWidget::childEvent(event);
    if (event->added() || event->removed()) {
        // A page being added is not a TMyTab yet; look once it is built.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible()) {
                    Loaded(); // the first page shows when it arrives late
                } else {
                    SyncPages();
                    LayoutPages();
                }
                update();
            },
            Qt::QueuedConnection);
    }
}

void TMyPage::mousePressEvent(QMouseEvent* event) {
    SyncPages();
    const int32_t before = m_model.ActivePage();
    const QPoint at = event->position().toPoint();
    if (!m_model.Press(event->button() == Qt::LeftButton, at.x(), at.y())) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    Show(before);
    if (OnChange)
        OnChange(*this);
    repaint();
}

void TMyPage::DrawTab(QPainter& painter, int32_t number, const TMyTab& page) {
    const QPalette& colors = palette();
    const QColor shadow = colors.color(QPalette::Active, QPalette::Dark);
    const TRect caption = m_model.CaptionRect(number);
    const TAlignment align = m_model.AlignText();
    auto draw = [&](const TRect& bounds, const QColor& color) {
        TQtMarkupCanvas canvas(painter, font(), color);
        if (m_model.TextVertical())
            DrawMarkupRotated(page.Caption(), bounds, kVerticalAngle, align, taCenter, false, true, canvas);
        else
            DrawMarkup(page.Caption(), bounds, align, taCenter, false, true, canvas);
    };
    if (number == m_model.ActivePage() && !m_model.TextVertical())
        draw({caption.Left + 1, caption.Top + 1, caption.Right + 1, caption.Bottom + 1}, shadow);
    draw(caption, colors.color(QPalette::Active, QPalette::ButtonText));
}

void TMyPage::paintEvent(QPaintEvent*) {
    SyncPages();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPalette& colors = palette();
    const QColor shadow = colors.color(QPalette::Active, QPalette::Dark);
    const int w = width();
    const int h = height();
    const int tabs = m_model.TabWidth();

    painter.fillRect(QRect(0, 0, tabs, h), ShadedButtonFace(colors));
    painter.fillRect(QRect(tabs, 0, w - tabs, h), m_color);
    // The tab column stands out raised.
    painter.setPen(colors.color(QPalette::Active, QPalette::Light));
    painter.drawLine(0, h - 1, 0, 0);
    painter.drawLine(0, 0, tabs - 2, 0);
    painter.setPen(shadow);
    painter.drawLine(tabs - 1, 0, tabs - 1, h - 2);
    painter.drawLine(tabs - 1, h - 1, 1, h - 1);

    for (int32_t number = 1; number <= m_model.PageCount(); ++number) {
        const TRect tab = m_model.TabRect(number);
        if (number == m_model.ActivePage()) {
            painter.fillRect(ToQRect(tab), m_color);
            painter.setPen(shadow);
            painter.drawLine(tab.Left, tab.Bottom - 1, tab.Left, tab.Top + 1);
            painter.drawLine(tab.Left, tab.Top, tab.Right - 1, tab.Top);
            painter.setPen(colors.color(QPalette::Active, QPalette::Light));
            painter.drawLine(tab.Right - 2, tab.Bottom, tab.Left, tab.Bottom);
        }
        const TMyTab* page = PageByIndex(number);
        if (page == nullptr)
            break; // a gap in the numbers ends the column
        DrawTab(painter, number, *page);
    }
}
