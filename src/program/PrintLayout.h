#pragma once

#include "program/ExportText.h"

#include <cstdint>
#include <string>
#include <vector>

// A printed list without the printer: which lines stand on which page and
// how wide each column is. The rows are the list's visible bootlegs in the
// grid's columns, divided into the export's sections when dividing by tours;
// the column captions head every page and the footer names the list and the
// page. Lengths are in the printer's units, as the painter measures them.

struct TPrintMetrics {
    int BodyHeight = 0; // the page less the captions and the footer
    int RowHeight = 1;
    int HeadingHeight = 1;
};

// A line of the body: a section heading or a row of the view.
struct TPrintLine {
    bool Heading = false;
    int32_t Index = 0; // a heading into TPrintPlan::Headings, a row into the view
};

struct TPrintPlan {
    std::vector<int32_t> Lines; // the printed properties as export lines, left to right
    std::vector<std::string> Headings;
    std::vector<TPrintLine> Body;
    // The first body line of each page; a list without rows still prints one page.
    std::vector<size_t> PageStarts{0};

    size_t PageCount() const { return PageStarts.size(); }
    size_t PageEnd(size_t page) const { return page + 1 < PageStarts.size() ? PageStarts[page + 1] : Body.size(); }
};

// The grid's columns without the search column, captioned as in the grid.
std::vector<int32_t> PrintedLines();
std::string PrintCaption(int32_t line);

// Headings and rows of the view, divided as the export divides them.
TPrintPlan PlanPrint(const TExportInput& input, const TExportOptions& options);

// Splits the body into pages. A heading never ends a page: it goes over
// with the row it heads. A page holds at least one line, however small.
void PaginatePrint(TPrintPlan& plan, const TPrintMetrics& metrics);

// Widths that fit `available`: a column narrower than an even share of what
// is left keeps its natural width, the wider ones share the rest evenly (and
// their texts are cut). Columns that fit keep their natural widths.
std::vector<int> FitColumnWidths(const std::vector<int>& natural, int available);

// The footer's right side: "Page 3 of 12"; the list's name stands left.
std::string PrintPageNumber(size_t page, size_t pages);
