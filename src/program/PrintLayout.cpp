#include "program/PrintLayout.h"

#include "core/Codes.h"
#include "program/ExportGroups.h"

#include <algorithm>
#include <numeric>

std::vector<int32_t> PrintedLines() {
    std::vector<int32_t> lines(kPropertyCount);
    std::iota(lines.begin(), lines.end(), 0);
    return lines;
}

std::string PrintCaption(int32_t line) {
    // Template column 1 is the search column; property line p is column p + 2.
    return TemplateColumnHeading(line + 2);
}

TPrintPlan PlanPrint(const TExportInput& input, const TExportOptions& options) {
    TPrintPlan plan;
    plan.Lines = PrintedLines();
    plan.Body.reserve(input.View.size());
    const TExportGroupFinder finder(input.Bands, options.DivideByTours);
    TExportGroup previous;
    for (size_t row = 0; row < input.View.size(); ++row) {
        const TExportGroup group = finder.Find(input.Data[static_cast<size_t>(input.View[row])]);
        if (group != previous && group.HasHeading()) {
            plan.Body.push_back({true, static_cast<int32_t>(plan.Headings.size())});
            plan.Headings.push_back(finder.Heading(group, options.BandNameBeforeTour));
            previous = group;
        }
        plan.Body.push_back({false, static_cast<int32_t>(row)});
    }
    return plan;
}

void PaginatePrint(TPrintPlan& plan, const TPrintMetrics& metrics) {
    auto height = [&](const TPrintLine& line) { return line.Heading ? metrics.HeadingHeight : metrics.RowHeight; };
    plan.PageStarts.assign(1, 0);
    int used = 0;
    for (size_t i = 0; i < plan.Body.size(); ++i) {
        int needed = height(plan.Body[i]);
        if (plan.Body[i].Heading && i + 1 < plan.Body.size())
            needed += height(plan.Body[i + 1]);
        if (used > 0 && used + needed > metrics.BodyHeight) {
            plan.PageStarts.push_back(i);
            used = 0;
        }
        used += height(plan.Body[i]);
    }
}

std::vector<int> FitColumnWidths(const std::vector<int>& natural, int available) {
    std::vector<int> widths(natural.size(), -1);
    size_t open = natural.size();
    // Settle the narrow columns until every one left is wider than its share.
    for (bool settled = true; settled && open > 0;) {
        settled = false;
        const int share = available / static_cast<int>(open);
        for (size_t c = 0; c < natural.size(); ++c)
            if (widths[c] < 0 && natural[c] <= share) {
                widths[c] = natural[c];
                available -= natural[c];
                --open;
                settled = true;
            }
    }
    const int share = open > 0 ? std::max(available / static_cast<int>(open), 1) : 0;
    for (int& width : widths)
        if (width < 0)
            width = share;
    return widths;
}

std::string PrintPageNumber(size_t page, size_t pages) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pages);
}
