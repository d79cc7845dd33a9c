#pragma once

#include "controls/markup/Markup.h"

#include <cstdint>
#include <vector>

// The option panel without a screen: a grid of items numbered from 1, down
// each column (orientation 0) or across each row (orientation 1), with the
// checked table, the current item and what a press, a key or the wheel does
// to them. The widget asks whether OnChange fires and paints what it is told.
enum class TPanelButton { Left, Right, Middle };

enum class TPanelKey { Other, Space, PageUp, PageDown, End, Home, Left, Up, Right, Down };

constexpr int32_t kPanelEmptyHeight = 10;   // the height of a panel without rows
constexpr int32_t kPanelCaptionIndent = 10; // caption and picture from the item's edge
constexpr int32_t kPanelDrawItemInset = 2;  // OnDrawItem gets the item shrunk by this
constexpr int32_t kWheelNotch = 120;

class TOptionPanelModel {
public:
    // Setters keep the current value when the new one is equal or out of
    // bounds and return whether anything changed (the widget repaints then).
    int32_t Count() const { return m_count; }
    bool SetCount(int32_t value);
    int32_t Columns() const { return m_columns; }
    bool SetColumns(int32_t value);
    int32_t ItemHeight() const { return m_itemHeight; }
    bool SetItemHeight(int32_t value);
    int32_t BorderSize() const { return m_borderSize; }
    bool SetBorderSize(int32_t value);
    uint8_t Orientation() const { return m_orientation; }
    bool SetOrientation(int32_t value);
    // Switching the mode makes item 1 current.
    bool Radio() const { return m_radio; }
    bool SetRadio(bool value);
    // The number of caption lines; keys and the wheel stop at the last one.
    int32_t LineCount() const { return m_lineCount; }
    void SetLineCount(int32_t value) { m_lineCount = value < 0 ? 0 : value; }

    // 0 is none; values outside 0..Count are refused.
    int32_t ItemIndex() const { return m_itemIndex; }
    bool SetItemIndex(int32_t value);
    // False outside 1..Count; writing there is ignored. The table grows
    // with Count, so no item is ever without its entry.
    bool Checked(int32_t index) const;
    bool SetChecked(int32_t index, bool value);

    // Geometry for a control `width` pixels wide.
    int32_t Rows() const;
    int32_t ItemWidth(int32_t width) const;
    // Rows of items plus the borders, or kPanelEmptyHeight for none.
    int32_t WantedHeight() const;
    // Shrunk by one pixel on every side; item 0 and unknown items are empty.
    TRect ItemRect(int32_t index, int32_t width) const;
    // The item under (x, y), or 0 outside every item's cell.
    int32_t HitTest(int32_t x, int32_t y, int32_t width) const;

    // Each returns whether OnChange fires: in check mode always, in radio
    // mode when the current item changed.
    bool Press(TPanelButton button, int32_t x, int32_t y, int32_t width);
    // `handled` says whether the key is one of the panel's; others pass on.
    bool Key(TPanelKey key, bool& handled);
    // A step of the wheel never toggles and fires only on a move.
    bool Wheel(int32_t delta);

private:
    int32_t KeyTarget(TPanelKey key) const;
    bool Fires(int32_t before) const { return !m_radio || m_itemIndex != before; }

    int32_t m_count = 0;
    int32_t m_columns = 1;
    int32_t m_itemHeight = 30;
    int32_t m_borderSize = 0;
    uint8_t m_orientation = 0;
    bool m_radio = false;
    int32_t m_lineCount = 0;
    int32_t m_itemIndex = 1;
    std::vector<bool> m_checked;
};

// Where an item's picture and caption go: pictures `glyphWidth` wide,
// captions moved up by `fontOffset`. With taCenter and a picture, both are
// centred together side by side, the caption `captionWidth` wide.
struct TPanelItemParts {
    int32_t PictureLeft = 0;
    TRect Caption;
    TAlignment CaptionAlign = taCenter;
};
TPanelItemParts PanelItemParts(const TRect& item, TAlignment alignment, int32_t glyphWidth, int32_t captionWidth,
                               int32_t fontOffset);

// The fill of checked and selected items: each channel two thirds of the way
// from the lower to the higher of highlight and window colour.
TColor SelectedItemColor(TColor highlight, TColor window);
