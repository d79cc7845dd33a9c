#include "controls/panels/OptionPanelModel.h"

#include "controls/markup/MarkupSupport.h"

#include <algorithm>

bool TOptionPanelModel::SetCount(int32_t value) {
    // Any count is taken; a negative one means no items.
    value = std::max<int32_t>(value, 0);
    if (value == m_count)
        return false;
    m_count = value;
    if (m_checked.size() < static_cast<size_t>(value))
        m_checked.resize(static_cast<size_t>(value), false);
    return true;
}

bool TOptionPanelModel::SetColumns(int32_t value) {
    if (value == m_columns || value < 1)
        return false;
    m_columns = value;
    return true;
}

bool TOptionPanelModel::SetItemHeight(int32_t value) {
    if (value == m_itemHeight || value < 1)
        return false;
    m_itemHeight = value;
    return true;
}

bool TOptionPanelModel::SetBorderSize(int32_t value) {
    if (value == m_borderSize || value < 0)
        return false;
    m_borderSize = value;
    return true;
}

bool TOptionPanelModel::SetOrientation(int32_t value) {
    if (value == m_orientation || value < 0 || value > 1)
        return false;
    m_orientation = static_cast<uint8_t>(value);
    return true;
}

bool TOptionPanelModel::SetRadio(bool value) {
    if (value == m_radio)
        return false;
    m_radio = value;
    m_itemIndex = 1;
    return true;
}

bool TOptionPanelModel::SetItemIndex(int32_t value) {
    if (value == m_itemIndex || value < 0 || value > m_count)
        return false;
    m_itemIndex = value;
    return true;
}

bool TOptionPanelModel::Checked(int32_t index) const {
    if (index < 1 || index > m_count)
        return false;
    return m_checked[static_cast<size_t>(index - 1)];
}

bool TOptionPanelModel::SetChecked(int32_t index, bool value) {
    if (index < 1 || index > m_count)
        return false;
    m_checked[static_cast<size_t>(index - 1)] = value;
    return true;
}

int32_t TOptionPanelModel::Rows() const {
    return (m_count + m_columns - 1) / m_columns;
}

int32_t TOptionPanelModel::ItemWidth(int32_t width) const {
    return (width - 2 * m_borderSize) / m_columns;
}

int32_t TOptionPanelModel::WantedHeight() const {
    const int32_t height = Rows() * m_itemHeight + 2 * m_borderSize;
    return height == 0 ? kPanelEmptyHeight : height;
}

TRect TOptionPanelModel::ItemRect(int32_t index, int32_t width) const {
    if (index < 1 || index > m_count)
        return {};
    const int32_t k = index - 1;
    const int32_t rows = Rows();
    const int32_t row = m_orientation == 1 ? k / m_columns : k % rows;
    const int32_t column = m_orientation == 1 ? k % m_columns : k / rows;
    const int32_t itemWidth = ItemWidth(width);
    return {column * itemWidth + m_borderSize + 1, row * m_itemHeight + m_borderSize + 1,
            (column + 1) * itemWidth + m_borderSize - 1, (row + 1) * m_itemHeight + m_borderSize - 1};
}

int32_t TOptionPanelModel::HitTest(int32_t x, int32_t y, int32_t width) const {
    const int32_t itemWidth = ItemWidth(width);
    // Points in the border or beyond the last column or row belong to no
    // item; the bare formula would give them a neighbour's number.
    if (itemWidth <= 0 || x < m_borderSize || y < m_borderSize)
        return 0;
    const int32_t column = (x - m_borderSize) / itemWidth;
    const int32_t row = (y - m_borderSize) / m_itemHeight;
    const int32_t rows = Rows();
    if (column >= m_columns || row >= rows)
        return 0;
    const int32_t index = m_orientation == 1 ? row * m_columns + column + 1 : row + column * rows + 1;
    return index > m_count ? 0 : index;
}

bool TOptionPanelModel::Press(TPanelButton button, int32_t x, int32_t y, int32_t width) {
    const int32_t before = m_itemIndex;
    if (button != TPanelButton::Middle) {
        const int32_t index = HitTest(x, y, width);
        if (index >= 1 && index <= m_count) {
            m_itemIndex = index;
            if (!m_radio)
                SetChecked(index, !Checked(index));
        }
    }
    return Fires(before);
}

int32_t TOptionPanelModel::KeyTarget(TPanelKey key) const {
    const int32_t n = m_lineCount;
    const int32_t i = m_itemIndex;
    const int32_t columns = m_columns;
    const int32_t rows = (n - 1) / columns + 1;
    if (m_orientation == 0) {
        switch (key) {
        case TPanelKey::PageUp:
            return std::max(1, ((i - 1) / rows) * rows + 1);
        case TPanelKey::PageDown:
            return std::min(n, ((i - 1) / rows) * rows + rows);
        case TPanelKey::Left:
            return i - rows > 0 ? i - rows : i;
        case TPanelKey::Up:
            return (i - 1) % rows > 0 && rows >= 2 && i - 1 <= n ? i - 1 : i;
        case TPanelKey::Right:
            return i + rows <= n ? i + rows : i;
        case TPanelKey::Down:
            return i % rows > 0 && rows >= 2 && i + 1 <= n ? i + 1 : i;
        default:
            break;
        }
    } else {
        int32_t target = i;
        switch (key) {
        case TPanelKey::PageUp:
            while (target - columns >= 1)
                target -= columns;
            return target;
        case TPanelKey::PageDown:
            while (target + columns <= n)
                target += columns;
            return target;
        case TPanelKey::Left:
            return (i - 1) % columns > 0 && columns >= 2 && i - 1 <= n ? i - 1 : i;
        case TPanelKey::Up:
            return i - columns > 0 ? i - columns : i;
        case TPanelKey::Right:
            return i % columns > 0 && columns >= 2 && i + 1 <= n ? i + 1 : i;
        case TPanelKey::Down:
            return i + columns <= n ? i + columns : i;
        default:
            break;
        }
    }
    if (key == TPanelKey::End)
        return n;
    if (key == TPanelKey::Home)
        return 1;
    return i;
}

bool TOptionPanelModel::Key(TPanelKey key, bool& handled) {
    handled = key != TPanelKey::Other;
    if (!handled)
        return false;
    const int32_t before = m_itemIndex;
    if (key == TPanelKey::Space) {
        if (!m_radio && m_itemIndex >= 1)
            SetChecked(m_itemIndex, !Checked(m_itemIndex));
    } else if (m_lineCount > 0) {
        // Without caption lines there is nowhere to move to.
        m_itemIndex = KeyTarget(key);
    }
    return Fires(before);
}

bool TOptionPanelModel::Wheel(int32_t delta) {
    if (m_lineCount <= 0)
        return false;
    const int32_t before = m_itemIndex;
    m_itemIndex = std::clamp(m_itemIndex - delta / kWheelNotch, 1, m_lineCount);
    return m_itemIndex != before;
}

TPanelItemParts PanelItemParts(const TRect& item, TAlignment alignment, int32_t glyphWidth, int32_t captionWidth,
                               int32_t fontOffset) {
    TPanelItemParts parts;
    parts.Caption = item;
    parts.CaptionAlign = alignment;
    const int32_t pictureSpace = glyphWidth > 0 ? glyphWidth + kPanelCaptionIndent : 0;
    switch (alignment) {
    case taLeftJustify:
        parts.PictureLeft = item.Left + kPanelCaptionIndent;
        parts.Caption.Left += kPanelCaptionIndent + pictureSpace;
        break;
    case taRightJustify:
        parts.PictureLeft = item.Right - glyphWidth - kPanelCaptionIndent;
        parts.Caption.Right -= kPanelCaptionIndent + pictureSpace;
        break;
    default:
        parts.PictureLeft = (item.Left + item.Right - glyphWidth) / 2;
        if (glyphWidth > 0 && captionWidth > 0) {
            // Side by side and centred together, so that they never overlap.
            const int32_t total = pictureSpace + captionWidth;
            parts.PictureLeft = (item.Left + item.Right - total) / 2;
            parts.Caption.Left = parts.PictureLeft + pictureSpace;
            parts.Caption.Right = parts.Caption.Left + captionWidth;
        }
        break;
    }
    parts.Caption.Top += 2 - fontOffset;
    return parts;
}

TColor SelectedItemColor(TColor highlight, TColor window) {
    const TRgb a = SplitRgb(highlight);
    const TRgb b = SplitRgb(window);
    auto mix = [](uint8_t x, uint8_t y) {
        const int lo = std::min(x, y);
        const int hi = std::max(x, y);
        return static_cast<uint8_t>(lo + RoundHalfEven((hi - lo) * 0.66));
    };
    return JoinRgb(mix(a.Red, b.Red), mix(a.Green, b.Green), mix(a.Blue, b.Blue));
}
