#include "core/HtmlTableReader.h"

#include "platform/Utf8.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <climits>
#include <cstdlib>
#include <memory>

namespace {

// A span beyond any real table's width, so a hostile page cannot ask for
// millions of empty cells.
constexpr long kMaxSpan = 100;

bool Named(const xmlNode* node, const char* name) {
    return node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

void AppendText(const xmlNode* node, std::string& out) {
    for (const xmlNode* child = node; child; child = child->next) {
        if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
            if (child->content)
                out += reinterpret_cast<const char*>(child->content);
        } else if (child->type == XML_ELEMENT_NODE) {
            if (Named(child, "br"))
                out += ' ';
            AppendText(child->children, out);
        }
    }
}

std::string CellText(const xmlNode* cell) {
    std::string raw;
    AppendText(cell->children, raw);
    std::string text;
    bool space = false;
    for (char c : raw) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            space = !text.empty();
            continue;
        }
        if (space)
            text += ' ';
        space = false;
        text += c;
    }
    return text;
}

long Span(const xmlNode* cell) {
    std::unique_ptr<xmlChar, void (*)(void*)> value(xmlGetProp(cell, reinterpret_cast<const xmlChar*>("colspan")),
                                                    xmlFree);
    if (!value)
        return 1;
    long span = std::strtol(reinterpret_cast<const char*>(value.get()), nullptr, 10);
    return span < 1 ? 1 : span > kMaxSpan ? kMaxSpan : span;
}

struct TRowWalk {
    TTradeTable& Table;
    bool FirstIsHeader = false;
};

void AddRow(const xmlNode* tr, bool inHead, TRowWalk& walk) {
    TTradeRow row;
    bool allHeadings = true;
    for (const xmlNode* cell = tr->children; cell; cell = cell->next) {
        const bool heading = Named(cell, "th");
        if (!heading && !Named(cell, "td"))
            continue;
        allHeadings = allHeadings && heading;
        row.push_back(CellText(cell));
        row.resize(row.size() + static_cast<size_t>(Span(cell) - 1));
    }
    if (row.empty())
        return;
    if (walk.Table.Rows.empty() && walk.Table.Header.empty() && (inHead || allHeadings))
        walk.Table.Header = std::move(row);
    else
        walk.Table.Rows.push_back(std::move(row));
}

// The rows of one table, leaving the tables inside it to their own walk.
void WalkRows(const xmlNode* node, bool inHead, TRowWalk& walk) {
    for (const xmlNode* child = node; child; child = child->next) {
        if (Named(child, "table"))
            continue;
        if (Named(child, "tr"))
            AddRow(child, inHead, walk);
        else if (child->type == XML_ELEMENT_NODE)
            WalkRows(child->children, inHead || Named(child, "thead"), walk);
    }
}

void FindTables(const xmlNode* node, std::vector<TTradeTable>& tables) {
    for (const xmlNode* child = node; child; child = child->next) {
        if (Named(child, "table")) {
            tables.emplace_back();
            TRowWalk walk{tables.back()};
            WalkRows(child->children, false, walk);
        }
        if (child->type == XML_ELEMENT_NODE)
            FindTables(child->children, tables);
    }
}

} // namespace

std::vector<TTradeTable> ReadHtmlTables(std::string_view bytes) {
    std::vector<TTradeTable> tables;
    if (bytes.empty() || bytes.size() > static_cast<size_t>(INT_MAX))
        return tables;
    const char* encoding = IsValidUtf8(bytes) ? "UTF-8" : nullptr;
    const int options = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET;
    std::unique_ptr<xmlDoc, void (*)(xmlDocPtr)> doc(
        htmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, encoding, options), xmlFreeDoc);
    if (doc)
        FindTables(xmlDocGetRootElement(doc.get()), tables);
    return tables;
}

size_t LargestTable(const std::vector<TTradeTable>& tables) {
    size_t best = 0;
    for (size_t i = 1; i < tables.size(); ++i)
        if (tables[i].Rows.size() > tables[best].Rows.size())
            best = i;
    return best;
}
