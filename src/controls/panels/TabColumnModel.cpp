#include "controls/panels/TabColumnModel.h"

#include <algorithm>

bool TTabColumnModel::SetTabWidth(int32_t value) {
    if (value <= 0 || value == m_tabWidth)
        return false;
    m_tabWidth = value;
    return true;
}

bool TTabColumnModel::SetTabHeight(int32_t value) {
    if (value <= 0 || value == m_tabHeight)
        return false;
    m_tabHeight = value;
    return true;
}

bool TTabColumnModel::SetAlignText(TAlignment value) {
    if (value == m_alignText)
        return false;
    m_alignText = value;
    return true;
}

bool TTabColumnModel::SetTextVertical(bool value) {
    if (value == m_textVertical)
        return false;
    m_textVertical = value;
    return true;
}

int32_t TTabColumnModel::PagePosition(int32_t number) const {
    auto found = std::find(m_indices.begin(), m_indices.end(), number);
    return found == m_indices.end() ? -1 : static_cast<int32_t>(found - m_indices.begin());
}

bool TTabColumnModel::SetActivePage(int32_t number) {
    if (number > PageCount() || number == m_activePage || PagePosition(number) < 0)
        return false;
    m_activePage = number;
    return true;
}

bool TTabColumnModel::NextPage(bool backwards) {
    const int32_t count = PageCount();
    if (count == 0)
        return false;
    int32_t number = m_activePage + (backwards ? -1 : 1);
    if (number > count)
        number = 1;
    if (number < 1)
        number = count;
    return SetActivePage(number);
}

TRect TTabColumnModel::TabRect(int32_t number) const {
    return {kTabColumnLeft, kTabColumnTop + (number - 1) * m_tabHeight, m_tabWidth,
            kTabColumnTop + number * m_tabHeight};
}

TRect TTabColumnModel::CaptionRect(int32_t number) const {
    TRect rect = TabRect(number);
    rect.Left += kTabCaptionInset;
    rect.Right -= kTabCaptionInset;
    return rect;
}

int32_t TTabColumnModel::TabCount() const {
    int32_t number = 0;
    while (number < PageCount() && PagePosition(number + 1) >= 0)
        ++number;
    return number;
}

int32_t TTabColumnModel::TabAt(int32_t x, int32_t y) const {
    if (x < kTabColumnLeft || x >= m_tabWidth || y < kTabColumnTop)
        return 0;
    const int32_t number = (y - kTabColumnTop) / m_tabHeight + 1;
    return number <= TabCount() ? number : 0;
}

TRect TTabColumnModel::PageBounds(int32_t width, int32_t height) const {
    return {m_tabWidth, 0, std::max(width, m_tabWidth), height};
}

bool TTabColumnModel::Press(bool leftButton, int32_t x, int32_t y) {
    if (!leftButton)
        return false;
    const int32_t number = TabAt(x, y);
    return number != 0 && SetActivePage(number);
}
