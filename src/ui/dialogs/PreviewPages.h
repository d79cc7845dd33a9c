#pragma once

#include "program/PrintPreview.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <functional>
#include <map>

// The print preview's column of pages. Only the pages in view are drawn,
// each once per zoom: `PaintPage` paints one on an image of the printer's
// resolution; the images of pages scrolled far away are dropped.
// PgUp/PgDn, Home/End step through the pages, Ctrl+wheel zooms.
class TPreviewPages : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Paints page `page` on `painter`, scaled to the paper from the
    // printable area's origin.
    using TPagePainter = std::function<void(QPainter& painter, size_t page)>;

    explicit TPreviewPages(QWidget* parent = nullptr);

    // `paper` and `printable` (the area inside the margins) in the printer's
    // units at `resolution` dots per inch.
    void SetDocument(size_t pages, const QRectF& paper, const QRectF& printable, int resolution,
                     TPagePainter paintPage);

    const TPrintPreview& View() const { return m_view; }
    // Each changes the view, then repaints and reports Changed.
    void Change(const std::function<void(TPrintPreview&)>& change);
    // How many pages have been drawn since the document was set.
    int PagesDrawn() const { return m_pagesDrawn; }

signals:
    // The current page or the zoom changed.
    void Changed();
    // A page was drawn on the screen for the first time since SetDocument.
    void FirstPageShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    const QImage& PageImage(size_t page);
    void SyncScrollBars();

    TPrintPreview m_view;
    QRectF m_paper, m_printable;
    int m_resolution = 96;
    TPagePainter m_paintPage;
    std::map<size_t, QImage> m_images; // at the zoom shown
    int m_imagesZoom = 0;
    int m_pagesDrawn = 0;
    bool m_syncing = false;
};
