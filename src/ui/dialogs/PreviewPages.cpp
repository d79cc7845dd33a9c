#include "ui/dialogs/PreviewPages.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr int kScrollStep = 40;
// Images kept beyond the pages in view, for scrolling back a little.
constexpr size_t kKeptAround = 2;
constexpr double kMetresPerInch = 0.0254;

} // namespace

TPreviewPages::TPreviewPages(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(kScrollStep);
    horizontalScrollBar()->setSingleStep(kScrollStep);
}

void TPreviewPages::SetDocument(size_t pages, const QRectF& paper, const QRectF& printable, int resolution,
                                TPagePainter paintPage) {
    m_paper = paper;
    m_printable = printable;
    m_resolution = std::max(resolution, 1);
    m_paintPage = std::move(paintPage);
    m_images.clear();
    m_pagesDrawn = 0;
    // At 100 % a page is as large on the screen as on paper.
    const double screenPerDot = static_cast<double>(logicalDpiX()) / m_resolution;
    Change([&](TPrintPreview& view) {
        view.SetViewport(viewport()->width(), viewport()->height());
        view.SetPages(pages, paper.width() * screenPerDot, paper.height() * screenPerDot);
        view.FirstPage();
    });
}

void TPreviewPages::Change(const std::function<void(TPrintPreview&)>& change) {
    change(m_view);
    SyncScrollBars();
    viewport()->update();
    emit Changed();
}

void TPreviewPages::SyncScrollBars() {
    m_syncing = true;
    horizontalScrollBar()->setRange(0, m_view.MaxScrollX());
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setValue(m_view.ScrollX());
    verticalScrollBar()->setRange(0, m_view.MaxScrollY());
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setValue(m_view.ScrollY());
    m_syncing = false;
}

void TPreviewPages::scrollContentsBy(int, int) {
    if (m_syncing)
        return;
    const size_t before = m_view.CurrentPage();
    m_view.ScrollTo(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->update();
    if (m_view.CurrentPage() != before)
        emit Changed();
}

void TPreviewPages::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Change([this](TPrintPreview& view) { view.SetViewport(viewport()->width(), viewport()->height()); });
}

const QImage& TPreviewPages::PageImage(size_t page) {
    if (m_imagesZoom != m_view.PageWidth()) {
        m_images.clear();
        m_imagesZoom = m_view.PageWidth();
    }
    QImage& image = m_images[page];
    if (!image.isNull())
        return image;
    const qreal ratio = devicePixelRatioF();
    image = QImage(static_cast<int>(std::lround(m_view.PageWidth() * ratio)),
                   static_cast<int>(std::lround(m_view.PageHeight() * ratio)), QImage::Format_RGB32);
    image.fill(Qt::white);
    // The image takes the printer's resolution, so the fonts have the sizes
    // they were measured in; the painter scales the page down to the image.
    const int dotsPerMetre = static_cast<int>(std::lround(m_resolution / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    if (m_paintPage) {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.scale(image.width() / m_paper.width(), image.height() / m_paper.height());
        painter.translate(m_printable.topLeft() - m_paper.topLeft());
        m_paintPage(painter, page);
    }
    image.setDevicePixelRatio(ratio);
    ++m_pagesDrawn;
    return image;
}

void TPreviewPages::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const TPageSpan span = m_view.VisiblePages();
    for (auto kept = m_images.begin(); kept != m_images.end();)
        kept = kept->first + kKeptAround < span.First || kept->first >= span.End + kKeptAround ? m_images.erase(kept)
                                                                                               : std::next(kept);
    const bool firstShown = m_pagesDrawn == 0;
    for (size_t page = span.First; page < span.End; ++page) {
        const QRect place(m_view.PageLeft() - m_view.ScrollX(), m_view.PageTop(page) - m_view.ScrollY(),
                          m_view.PageWidth(), m_view.PageHeight());
        painter.fillRect(place.translated(3, 3), palette().color(QPalette::Shadow));
        painter.drawImage(place.topLeft(), PageImage(page));
    }
    if (firstShown && m_pagesDrawn > 0)
        emit FirstPageShown();
}

void TPreviewPages::keyPressEvent(QKeyEvent* event) {
    std::function<void(TPrintPreview&)> step;
    switch (event->key()) {
    case Qt::Key_PageUp:
        step = [](TPrintPreview& view) { view.PreviousPage(); };
        break;
    case Qt::Key_PageDown:
        step = [](TPrintPreview& view) { view.NextPage(); };
        break;
    case Qt::Key_Home:
        step = [](TPrintPreview& view) { view.FirstPage(); };
        break;
    case Qt::Key_End:
        step = [](TPrintPreview& view) { view.LastPage(); };
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    Change(step);
}

void TPreviewPages::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    if (event->angleDelta().y() > 0)
        Change([](TPrintPreview& view) { view.ZoomIn(); });
    else
        Change([](TPrintPreview& view) { view.ZoomOut(); });
}
