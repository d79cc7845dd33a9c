#include "TitleBar.h"

#include "core/ListCaption.h"
#include "core/Project.h"
#include "program/Program.h"

std::array<std::string, 3> TitleBarTexts(const TProject& list) {
    size_t hits = 0;
    for (const TBootData& record : list.Data)
        hits += record.SearchHits > 0;
    size_t shownHits = 0;
    for (int32_t index : list.View)
        shownHits += list.Data[static_cast<size_t>(index)].SearchHits > 0;
    return {"List: |b " + MarkupLiteral(ListCaption(list.FileName)) + "|f ",
            "Bootlegs: |b " + std::to_string(list.View.size()) + "|f  (|b " + std::to_string(list.Data.size()) +
                "|f )",
            "Search: |b " + std::to_string(hits) + "|f  (|b " + std::to_string(shownHits) + "|f )"};
}
