#include "ListGridHandlers.h"

#include "controls/bitmaps/VectorPictures.h"
#include "controls/grid/ExcelGrid2.h"
#include "controls/markup/Markup.h"
#include "controls/markup/QtColorScheme.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "core/Codes.h"
#include "core/Project.h"
#include "core/Strings2.h"
#include "program/ListCells.h"
#include "program/ListReading.h"

#include <QPainter>

namespace {

constexpr int32_t kSourceProperty = 7;
constexpr int32_t kMediaProperty = 8;
constexpr int32_t kCoverProperty = 11;
constexpr int32_t kInfoProperty = 12;

} // namespace

int32_t TListGridHandlers::PropertyOf(const TProject& list, int32_t x) {
    return list.SearchColumn ? x - 1 : x;
}

TListGridHandlers::TListGridHandlers(TExcelGrid2& grid, const TStrings2& names, std::function<TProject*()> currentList)
    : m_grid(grid), m_names(names), m_currentList(std::move(currentList)) {
    grid.OnCellColor = [this](TGridModel&, TColor& color, bool& change, int32_t x, int32_t y) {
        TProject* list = m_currentList();
        if (!list)
            return;
        const TBootData* record = RecordAt(y);
        const TScheme scheme = SchemeOf(m_grid.palette());
        ApplyListCellColor(color, change,
                           ListCellColor(PropertyOf(*list, x), y, record ? record->SearchHits : 0, scheme), scheme);
    };
    grid.OnDrawObject = [this](TExcelGrid2&, QPainter& canvas, QRect& rect, int32_t x, int32_t y, int32_t index) {
        DrawObject(canvas, rect, x, y, index);
    };
    grid.OnObjectText = [this](TGridModel&, int32_t x, int32_t y, int32_t index, std::string& text) {
        const TProject* list = m_currentList();
        if (const TBootData* record = RecordAt(y); list && record)
            text = ListCellSpokenText(m_names, PropertyOf(*list, x), *record, index);
    };
    grid.OnExternalCopy = [this](TGridModel&, int32_t x, int32_t y, std::string& value) {
        int32_t p = 0;
        if (const TBootData* record = ExternalCell(x, y, p))
            value = p == kCoverProperty ? CoverClipboardText(*record) : InfoClipboardText(*record);
    };
    grid.OnExternalPaste = [this](TGridModel&, int32_t x, int32_t y, const std::string& value) {
        int32_t p = 0;
        TBootData* record = ChangingExternalCell(x, y, p);
        if (record && p == kCoverProperty)
            PasteCoverText(*record, value);
        else if (record)
            PasteInfoText(*record, value);
    };
    grid.OnExternalDelete = [this](TGridModel&, int32_t x, int32_t y) {
        int32_t p = 0;
        TBootData* record = ChangingExternalCell(x, y, p);
        if (record && p == kCoverProperty)
            record->Covers = {};
        else if (record)
            record->Info.clear();
    };
    grid.OnExternalEdit = [this](TGridModel&, int32_t x, int32_t y) {
        int32_t p = 0;
        if (TBootData* record = ChangingExternalCell(x, y, p); record && EditExternal)
            EditExternal(*record, p);
        if (OnExternalEdited)
            OnExternalEdited();
    };
}

TBootData* TListGridHandlers::ExternalCell(int32_t x, int32_t y, int32_t& property) const {
    TBootData* record = RecordAt(y);
    if (!record)
        return nullptr;
    property = PropertyOf(*m_currentList(), x);
    return property == kCoverProperty || property == kInfoProperty ? record : nullptr;
}

TBootData* TListGridHandlers::ChangingExternalCell(int32_t x, int32_t y, int32_t& property) const {
    TBootData* record = ExternalCell(x, y, property);
    if (record && OnRecordChanging)
        OnRecordChanging(m_currentList()->View[static_cast<size_t>(y - 1)]);
    return record;
}

TBootData* TListGridHandlers::RecordAt(int32_t y) const {
    TProject* list = m_currentList();
    if (!list || y < 1 || y > static_cast<int32_t>(list->View.size()))
        return nullptr;
    return &list->Data[static_cast<size_t>(list->View[static_cast<size_t>(y - 1)])];
}

QPixmap TListGridHandlers::Mark(size_t icon, const QPainter& canvas) const {
    // Icon i is the container's bitmap i + 1.
    const qreal ratio = canvas.device() ? canvas.device()->devicePixelRatioF() : 1.0;
    return VectorPixmap(MarkPictureSource(int(icon) + 1), m_icons[icon], ratio);
}

void TListGridHandlers::DrawObject(QPainter& canvas, QRect& rect, int32_t x, int32_t y, int32_t index) {
    TProject* list = m_currentList();
    const TBootData* record = RecordAt(y);
    if (!list || !record)
        return;
    const int32_t p = PropertyOf(*list, x);
    if (p == kSourceProperty || p == kMediaProperty) {
        const std::string& name = CodeName(m_names, p == kSourceProperty ? TCodeKind::Source : TCodeKind::Media, index);
        TQtMarkupCanvas markup(canvas, m_grid.font(), canvas.pen().color());
        DrawMarkup(name, {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1}, taCenter, taCenter, false,
                   true, markup);
    } else if (p == kCoverProperty) {
        const QImage& front = m_icons[2];
        const int cx = (rect.left() + rect.right() + 1) / 2;
        const int top = (rect.top() + rect.bottom() + 1 - front.height()) / 2;
        if (!record->Covers[0].empty())
            canvas.drawPixmap(cx - front.width(), top, Mark(2, canvas));
        if (!record->Covers[1].empty())
            canvas.drawPixmap(cx, top, Mark(3, canvas));
    } else if (p == kInfoProperty && !record->Info.empty()) {
        const QImage& mark = m_icons[1];
        canvas.drawPixmap(rect.left() + (rect.width() - mark.width()) / 2,
                          rect.top() + (rect.height() - mark.height()) / 2, Mark(1, canvas));
    }
}
