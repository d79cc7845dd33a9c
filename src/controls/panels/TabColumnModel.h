#pragma once

#include "controls/markup/Markup.h"

#include <cstdint>
#include <vector>

// The vertical tab pages without a screen: a column of tabs along the left
// edge, one per page number from 1, and the page shown. Pages are told by
// their Index in child order; the first child with a number owns its tab,
// and a number no child has ends the column, so pages after a gap get no
// tab and cannot be shown.
constexpr int32_t kTabColumnLeft = 5;   // tabs start this far from the left edge
constexpr int32_t kTabColumnTop = 4;    // and this far from the top
constexpr int32_t kTabCaptionInset = 5; // captions keep this far from a tab's sides

class TTabColumnModel {
public:
    int32_t TabWidth() const { return m_tabWidth; }
    // Sizes take values above 0 only; setters return whether anything changed.
    bool SetTabWidth(int32_t value);
    int32_t TabHeight() const { return m_tabHeight; }
    bool SetTabHeight(int32_t value);
    TAlignment AlignText() const { return m_alignText; }
    bool SetAlignText(TAlignment value);
    bool TextVertical() const { return m_textVertical; }
    bool SetTextVertical(bool value);

    // The Index of every page, in child order.
    void SetPageIndices(std::vector<int32_t> indices) { m_indices = std::move(indices); }
    int32_t PageCount() const { return static_cast<int32_t>(m_indices.size()); }
    // The child position of the first page numbered `number`, or -1.
    int32_t PagePosition(int32_t number) const;

    // 0 until the pages are loaded, then the number of the page shown.
    int32_t ActivePage() const { return m_activePage; }
    // Shows page 1, when there is one.
    bool Load() { return SetActivePage(1); }
    // Refused for the page already shown and for numbers without a page.
    bool SetActivePage(int32_t number);
    // One page on or back, wrapping at both ends.
    bool NextPage(bool backwards);

    TRect TabRect(int32_t number) const;
    TRect CaptionRect(int32_t number) const;
    // Tabs 1 up to the first number without a page.
    int32_t TabCount() const;
    // The tab under the point, or 0.
    int32_t TabAt(int32_t x, int32_t y) const;
    // Where every page goes in a control of this size: right of the tabs.
    TRect PageBounds(int32_t width, int32_t height) const;

    // A left press on another page's tab shows it; true when OnChange fires.
    bool Press(bool leftButton, int32_t x, int32_t y);

private:
    int32_t m_tabWidth = 100;
    int32_t m_tabHeight = 24;
    TAlignment m_alignText = taCenter;
    bool m_textVertical = false;
    std::vector<int32_t> m_indices;
    int32_t m_activePage = 0;
};
