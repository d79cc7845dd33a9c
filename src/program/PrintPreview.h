#pragma once

#include <cstddef>

// The print preview's pages on the screen, without drawing them: the pages
// stand in one column, scrolled; this says how large they are at the zoom
// chosen, where each one stands, which ones a viewport shows (so that only
// those are drawn) and which is the current page. Lengths are screen pixels;
// the window gives a page's size at 100 %. Changing the zoom or the viewport
// keeps the current page where it was on the screen.

enum class TPreviewZoom { FitWidth, FitPage, Fixed };

// Pages [First, End); empty when the viewport shows none.
struct TPageSpan {
    size_t First = 0;
    size_t End = 0;
    bool Empty() const { return First >= End; }
};

class TPrintPreview {
public:
    static constexpr int kMargin = 16; // around the column of pages
    static constexpr int kGap = 16;    // between two pages
    static constexpr double kMinZoom = 0.1;
    static constexpr double kMaxZoom = 4.0;

    // A document of `count` pages (at least one), each `width` x `height` at 100 %.
    void SetPages(size_t count, double width, double height);
    void SetViewport(int width, int height);

    size_t PageCount() const { return m_count; }
    size_t CurrentPage() const { return m_current; }
    TPreviewZoom ZoomMode() const { return m_mode; }
    double Zoom() const { return m_zoom; }
    int ZoomPercent() const;

    void FitWidth();
    void FitPage();
    // The next step of the zoom scale above or below the zoom shown.
    void ZoomIn();
    void ZoomOut();
    void SetZoom(double zoom);

    int PageWidth() const;
    int PageHeight() const;
    int PageLeft() const;
    int PageTop(size_t page) const;
    int ContentWidth() const;
    int ContentHeight() const;

    int ScrollX() const { return m_scrollX; }
    int ScrollY() const { return m_scrollY; }
    int MaxScrollX() const;
    int MaxScrollY() const;
    // The user scrolled: the page that fills most of the viewport becomes current.
    void ScrollTo(int x, int y);
    TPageSpan VisiblePages() const;

    // Brings the top of `page` into view and makes it current, even where
    // the end of the document keeps it from reaching the top of the viewport.
    void GoToPage(size_t page);
    void FirstPage() { GoToPage(0); }
    void PreviousPage() { GoToPage(m_current > 0 ? m_current - 1 : 0); }
    void NextPage() { GoToPage(m_current + 1); }
    void LastPage() { GoToPage(m_count - 1); }

private:
    // Sets the zoom and scrolls so that the current page keeps its place.
    void ApplyZoom(TPreviewZoom mode, double zoom);
    double FittedZoom(TPreviewZoom mode) const;
    void ClampScroll();
    size_t MostVisiblePage() const;

    size_t m_count = 1;
    double m_width = 1, m_height = 1;
    int m_viewWidth = 1, m_viewHeight = 1;
    TPreviewZoom m_mode = TPreviewZoom::FitWidth;
    double m_zoom = 1;
    int m_scrollX = 0, m_scrollY = 0;
    size_t m_current = 0;
};
