#include "program/PrintPreview.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// The zoom scale that + and - step along.
constexpr double kZoomSteps[] = {0.1, 0.25, 0.33, 0.5, 0.67, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};

int Rounded(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

void TPrintPreview::SetPages(size_t count, double width, double height) {
    m_count = std::max<size_t>(count, 1);
    m_width = std::max(width, 1.0);
    m_height = std::max(height, 1.0);
    m_current = std::min(m_current, m_count - 1);
    ApplyZoom(m_mode, m_mode == TPreviewZoom::Fixed ? m_zoom : FittedZoom(m_mode));
}

void TPrintPreview::SetViewport(int width, int height) {
    m_viewWidth = std::max(width, 1);
    m_viewHeight = std::max(height, 1);
    ApplyZoom(m_mode, m_mode == TPreviewZoom::Fixed ? m_zoom : FittedZoom(m_mode));
}

int TPrintPreview::ZoomPercent() const {
    return Rounded(m_zoom * 100);
}

void TPrintPreview::FitWidth() {
    ApplyZoom(TPreviewZoom::FitWidth, FittedZoom(TPreviewZoom::FitWidth));
}

void TPrintPreview::FitPage() {
    ApplyZoom(TPreviewZoom::FitPage, FittedZoom(TPreviewZoom::FitPage));
}

void TPrintPreview::ZoomIn() {
    for (double step : kZoomSteps)
        if (step > m_zoom * 1.001)
            return SetZoom(step);
    SetZoom(kMaxZoom);
}

void TPrintPreview::ZoomOut() {
    for (auto step = std::rbegin(kZoomSteps); step != std::rend(kZoomSteps); ++step)
        if (*step < m_zoom * 0.999)
            return SetZoom(*step);
    SetZoom(kMinZoom);
}

void TPrintPreview::SetZoom(double zoom) {
    ApplyZoom(TPreviewZoom::Fixed, zoom);
}

int TPrintPreview::PageWidth() const {
    return std::max(Rounded(m_width * m_zoom), 1);
}

int TPrintPreview::PageHeight() const {
    return std::max(Rounded(m_height * m_zoom), 1);
}

int TPrintPreview::PageLeft() const {
    return std::max(kMargin, (m_viewWidth - PageWidth()) / 2);
}

int TPrintPreview::PageTop(size_t page) const {
    return kMargin + static_cast<int>(page) * (PageHeight() + kGap);
}

int TPrintPreview::ContentWidth() const {
    return std::max(m_viewWidth, PageWidth() + 2 * kMargin);
}

int TPrintPreview::ContentHeight() const {
    return PageTop(m_count) - kGap + kMargin;
}

int TPrintPreview::MaxScrollX() const {
    return std::max(ContentWidth() - m_viewWidth, 0);
}

int TPrintPreview::MaxScrollY() const {
    return std::max(ContentHeight() - m_viewHeight, 0);
}

void TPrintPreview::ScrollTo(int x, int y) {
    m_scrollX = x;
    m_scrollY = y;
    ClampScroll();
    m_current = MostVisiblePage();
}

TPageSpan TPrintPreview::VisiblePages() const {
    const long long stride = PageHeight() + kGap;
    const long long top = m_scrollY, bottom = static_cast<long long>(m_scrollY) + m_viewHeight;
    // Page p shows when kMargin + p * stride + PageHeight() > top and kMargin + p * stride < bottom.
    const long long beforeFirst = top - kMargin - PageHeight();
    TPageSpan span;
    span.First = beforeFirst < 0 ? 0 : static_cast<size_t>(beforeFirst / stride + 1);
    span.End = bottom <= kMargin ? 0 : static_cast<size_t>((bottom - kMargin + stride - 1) / stride);
    span.End = std::min(span.End, m_count);
    span.First = std::min(span.First, span.End);
    return span;
}

void TPrintPreview::GoToPage(size_t page) {
    m_current = std::min(page, m_count - 1);
    m_scrollY = PageTop(m_current) - kMargin;
    ClampScroll();
}

void TPrintPreview::ApplyZoom(TPreviewZoom mode, double zoom) {
    const double stride = PageHeight() + kGap;
    const double down = (m_scrollY - PageTop(m_current)) / stride;
    const double across = (m_scrollX + m_viewWidth / 2.0) / ContentWidth();
    m_mode = mode;
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    m_scrollY = PageTop(m_current) + Rounded(down * (PageHeight() + kGap));
    m_scrollX = Rounded(across * ContentWidth() - m_viewWidth / 2.0);
    ClampScroll();
}

double TPrintPreview::FittedZoom(TPreviewZoom mode) const {
    const double across = (m_viewWidth - 2 * kMargin) / m_width;
    if (mode == TPreviewZoom::FitWidth)
        return across;
    return std::min(across, (m_viewHeight - 2 * kMargin) / m_height);
}

void TPrintPreview::ClampScroll() {
    m_scrollX = std::clamp(m_scrollX, 0, MaxScrollX());
    m_scrollY = std::clamp(m_scrollY, 0, MaxScrollY());
}

size_t TPrintPreview::MostVisiblePage() const {
    const TPageSpan span = VisiblePages();
    if (span.Empty())
        return m_current;
    size_t most = span.First;
    int mostShown = -1;
    for (size_t page = span.First; page < span.End; ++page) {
        const int top = PageTop(page);
        const int shown = std::min(m_scrollY + m_viewHeight, top + PageHeight()) - std::max(m_scrollY, top);
        if (shown > mostShown) {
            most = page;
            mostShown = shown;
        }
    }
    return most;
}
