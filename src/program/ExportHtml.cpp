#include "program/ExportHtml.h"

#include "platform/CodePage.h"
#include "platform/Utf8.h"
#include "program/ExportGroups.h"
#include "program/ExportPieces.h"

#include <unordered_set>

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

// clang-format off
constexpr std::string_view kPageStart =
    "<!DOCTYPE html>\n"
    "<html lang=\"en\">\n"
    "<head>\n"
    "<meta charset=\"utf-8\">\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
    "<meta name=\"generator\" content=\"Korvalen\">\n";

constexpr std::string_view kStyle =
    "<style>\n"
    "body { font-family: sans-serif; font-size: 14px; margin: 1.5em; color: #111; }\n"
    "h1 { font-size: 1.6em; margin: 0 0 0.2em; }\n"
    "h2 { font-size: 1.15em; margin: 1.4em 0 0.4em; border-bottom: 1px solid #999; }\n"
    "p.counts { color: #555; margin: 0 0 1em; }\n"
    "table { border-collapse: collapse; margin-bottom: 0.5em; }\n"
    "th, td { border: 1px solid #bbb; padding: 2px 6px; text-align: left; vertical-align: top; "
    "white-space: pre-wrap; }\n"
    "th { background: #e8e8e8; cursor: pointer; user-select: none; }\n"
    "th.up::after { content: \" \\25B2\"; }\n"
    "th.down::after { content: \" \\25BC\"; }\n"
    "tbody tr:nth-child(even) { background: #f6f6f6; }\n"
    "@media print {\n"
    "  body { margin: 0; font-size: 9pt; color: #000; }\n"
    "  th { cursor: auto; background: #ddd; }\n"
    "  th.up::after, th.down::after { content: \"\"; }\n"
    "  thead { display: table-header-group; }\n"
    "  tr { page-break-inside: avoid; }\n"
    "  h2 { page-break-after: avoid; }\n"
    "}\n"
    "</style>\n"
    "</head>\n"
    "<body>\n";

// Sorts a table's rows by the text of the clicked column, numbers by value,
// the other way round on the next click of the same caption.
constexpr std::string_view kScript =
    "<script>\n"
    "(function () {\n"
    "  var order = new Intl.Collator(undefined, {numeric: true, sensitivity: 'base'});\n"
    "  document.querySelectorAll('table').forEach(function (table) {\n"
    "    var heads = table.querySelectorAll('thead th');\n"
    "    heads.forEach(function (th, column) {\n"
    "      th.addEventListener('click', function () {\n"
    "        var up = !th.classList.contains('up');\n"
    "        heads.forEach(function (h) { h.classList.remove('up', 'down'); });\n"
    "        th.classList.add(up ? 'up' : 'down');\n"
    "        var body = table.tBodies[0];\n"
    "        var rows = Array.prototype.slice.call(body.rows);\n"
    "        rows.sort(function (a, b) {\n"
    "          var c = order.compare(a.cells[column].textContent, b.cells[column].textContent);\n"
    "          return up ? c : -c;\n"
    "        });\n"
    "        rows.forEach(function (row) { body.appendChild(row); });\n"
    "      });\n"
    "    });\n"
    "  });\n"
    "})();\n"
    "</script>\n";
// clang-format on

constexpr std::string_view kPageEnd = "</body>\n</html>\n";

char32_t CodeAt(std::string_view utf8, size_t pos, size_t length) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(utf8[pos + i]); };
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = byte(0) & kLeadMask[length];
    for (size_t i = 1; i < length; ++i)
        code = (code << 6) | (byte(i) & 0x3F);
    return code;
}

bool IsAllowedInPage(char32_t code) {
    if (code < 0x20)
        return code == '\t' || code == '\n' || code == '\r' || code == '\f';
    if (code >= 0x7F && code <= 0x9F)
        return false;
    return !(code >= 0xFDD0 && code <= 0xFDEF) && (code & 0xFFFE) != 0xFFFE;
}

bool IsPlainInPage(char c) {
    return c >= ' ' && c <= '~' && c != '&' && c != '<' && c != '>' && c != '"';
}

// Writes an export page; `scratch` keeps its memory from text to text.
class TPageWriter {
public:
    explicit TPageWriter(TByteSink& sink) : m_out(sink) {}

    TExportPieces& Out() { return m_out; }
    // Stored bytes, shown as the screen shows them, escaped.
    void Text(std::string_view bytes) {
        m_scratch.clear();
        AppendShownUtf8(m_scratch, bytes);
        AppendHtmlText(m_out.Buffer(), m_scratch);
    }
    void Element(std::string_view tag, std::string_view bytes) {
        Tag(tag, false);
        Text(bytes);
        Tag(tag, true);
    }
    void Tag(std::string_view tag, bool closing) {
        m_out.Add(closing ? "</" : "<");
        m_out.Add(tag);
        m_out.Add(">");
    }

private:
    TExportPieces m_out;
    std::string m_scratch;
};

// The same for every section, so it is made once.
std::string TableHead(const std::vector<int32_t>& lines) {
    std::string head = "<table>\n<thead><tr>";
    for (int32_t line : lines) {
        head += "<th>";
        AppendHtmlText(head, ExportLineCaption(line));
        head += "</th>";
    }
    return head + "</tr></thead>\n<tbody>\n";
}

std::string Counts(const TExportInput& input) {
    std::unordered_set<std::string_view> bands;
    for (int32_t index : input.View)
        bands.insert(input.Data[static_cast<size_t>(index)].Band);
    auto counted = [](size_t count, const char* one, const char* many) {
        return std::to_string(count) + " " + (count == 1 ? one : many);
    };
    return counted(input.View.size(), "bootleg", "bootlegs") + ", " + counted(bands.size(), "band", "bands");
}

} // namespace

void AppendHtmlText(std::string& out, std::string_view utf8) {
    for (size_t pos = 0; pos < utf8.size();) {
        // Most text is plain printable ASCII: it goes out in one piece.
        size_t plain = pos;
        while (plain < utf8.size() && IsPlainInPage(utf8[plain]))
            ++plain;
        out.append(utf8.data() + pos, plain - pos);
        pos = plain;
        if (pos == utf8.size())
            break;
        const char c = utf8[pos];
        const size_t length = Utf8SequenceLength(utf8, pos);
        if (length == 1) {
            ++pos;
            switch (c) {
            case '&':
                out += "&amp;";
                continue;
            case '<':
                out += "&lt;";
                continue;
            case '>':
                out += "&gt;";
                continue;
            case '"':
                out += "&quot;";
                continue;
            default:
                if (IsAllowedInPage(static_cast<unsigned char>(c)))
                    out += c;
                else
                    out += kReplacement;
                continue;
            }
        }
        if (length == 0) {
            out += kReplacement;
            ++pos;
            continue;
        }
        if (IsAllowedInPage(CodeAt(utf8, pos, length)))
            out.append(utf8.data() + pos, length);
        else
            out += kReplacement;
        pos += length;
    }
}

bool WriteExportHtml(const TExportInput& input, const TExportChoices& choices, std::string_view title, TByteSink& sink,
                     std::string& error) {
    const std::vector<int32_t> lines = ExportedLines(choices.Order);
    const TExportOptions& options = choices.Options;
    const TExportGroupFinder finder(input.Bands, options.DivideByTours);
    if (title.empty())
        title = "Trade list";
    TPageWriter page(sink);
    page.Out().Add(kPageStart);
    page.Element("title", title);
    page.Out().Add("\n");
    page.Out().Add(kStyle);
    page.Element("h1", title);
    page.Out().Add("\n<p class=\"counts\">");
    page.Text(Counts(input));
    page.Out().Add("</p>\n");

    const std::string tableHead = TableHead(lines);
    bool tableOpen = false;
    TExportGroup previous;
    for (int32_t index : input.View) {
        const TBootData& record = input.Data[static_cast<size_t>(index)];
        const TExportGroup group = finder.Find(record);
        if (group != previous || !tableOpen) {
            if (tableOpen)
                page.Out().Add("</tbody>\n</table>\n");
            if (group.HasHeading()) {
                const std::string heading = finder.Heading(group, options.BandNameBeforeTour);
                // A heading with nothing to say still parts the sections.
                const bool blank = heading.find_first_not_of(" \t\r\n\f") == std::string::npos;
                page.Element("h2", blank ? std::string_view(kNoBreakSpace) : std::string_view(heading));
                page.Out().Add("\n");
            }
            page.Out().Add(tableHead);
            tableOpen = true;
            previous = group;
        }
        page.Out().Add("<tr>");
        for (int32_t line : lines)
            page.Element("td", ExportCellText(record, line, input.Names));
        if (lines.empty())
            page.Out().Add("<td></td>");
        page.Out().Add("</tr>\n");
        if (!page.Out().EndRecord(error))
            return false;
    }
    if (tableOpen)
        page.Out().Add("</tbody>\n</table>\n");
    page.Out().Add(kScript);
    page.Out().Add(kPageEnd);
    return page.Out().Flush(error);
}
