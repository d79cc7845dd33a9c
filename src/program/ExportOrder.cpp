#include "program/ExportOrder.h"

#include "core/Codes.h"

#include <algorithm>
#include <cassert>

TExportOrder DefaultExportOrder() {
    TExportOrder order{};
    for (int k = 0; k < kExportLineCount; ++k)
        order[static_cast<size_t>(k)] = k;
    return order;
}

bool IsExportOrder(const TExportOrder& order) {
    TExportOrder sorted = order;
    std::sort(sorted.begin(), sorted.end());
    return sorted == DefaultExportOrder();
}

std::vector<int32_t> ExportedLines(const TExportOrder& order) {
    std::vector<int32_t> lines;
    for (int32_t line : order) {
        if (line == kExportSeparatorLine)
            break;
        lines.push_back(line);
    }
    return lines;
}

bool IsExportedPosition(const TExportOrder& order, int position) {
    for (int k = 0; k <= position && k < kExportLineCount; ++k)
        if (order[static_cast<size_t>(k)] == kExportSeparatorLine)
            return false;
    return position >= 0 && position < kExportLineCount;
}

std::string ExportLineCaption(int32_t line) {
    if (line < 0 || line >= kExportSeparatorLine)
        return {};
    return PropertyLabel(line + 1).substr(3);
}

TExportOrder DropSelectedLines(const TExportOrder& order, const std::array<bool, kExportLineCount>& selected,
                               int target, std::array<bool, kExportLineCount>& selectedAfter) {
    assert(IsExportOrder(order));
    target = std::clamp(target, 0, kExportLineCount);
    TExportOrder result{};
    size_t next = 0;
    selectedAfter.fill(false);
    for (int k = 0; k < target; ++k)
        if (!selected[static_cast<size_t>(k)])
            result[next++] = order[static_cast<size_t>(k)];
    for (int k = 0; k < kExportLineCount; ++k)
        if (selected[static_cast<size_t>(k)]) {
            selectedAfter[next] = true;
            result[next++] = order[static_cast<size_t>(k)];
        }
    for (int k = target; k < kExportLineCount; ++k)
        if (!selected[static_cast<size_t>(k)])
            result[next++] = order[static_cast<size_t>(k)];
    return result;
}

int StepTarget(const std::array<bool, kExportLineCount>& selected, bool down) {
    int first = -1, last = -1;
    for (int k = 0; k < kExportLineCount; ++k)
        if (selected[static_cast<size_t>(k)]) {
            first = first < 0 ? k : first;
            last = k;
        }
    if (first < 0 || (down ? last == kExportLineCount - 1 : first == 0))
        return -1;
    return down ? last + 2 : first - 1;
}
