#pragma once

#include "platform/ScreenTypes.h"

#include <cstdint>
#include <string>
#include <utility>

// One cell value. The column's kind decides which field is used; the others
// stay as they are.
struct TValue {
    std::string S;  // ckText, ckMemo
    double F = 0.0; // ckFloat
    int32_t I = 0;  // ckInteger, ckColor (-1 = no colour), ckCheck, ckList, ckMenu (item from 0)

    bool operator==(const TValue& other) const { return S == other.S && F == other.F && I == other.I; }
    bool operator!=(const TValue& other) const { return !(*this == other); }
};

// The byte `Kind` of a column. Other values (0, 5, 8, 12 and up) hold and
// show nothing.
enum TCellKind : uint8_t {
    ckText = 1,
    ckFloat = 2,
    ckInteger = 3,
    ckColor = 4,
    ckCheck = 6,
    ckList = 7,
    ckExternal = 9,
    ckMemo = 10,
    ckMenu = 11,
};

// Text alignment flags of the platform, as stored in `Align`.
enum TTextAlign : uint8_t {
    kAlignLeft = 0,
    kAlignRight = 2,
    kAlignCenter = 6,
};

// TAlignment (taLeftJustify, taRightJustify, taCenter) is the one DrawMarkup
// takes, so that headings pass it straight on.

// Modifier keys and mouse buttons of an input event.
using TShiftState = uint8_t;
enum TShiftFlag : uint8_t {
    ssShift = 1 << 0,
    ssAlt = 1 << 1,
    ssCtrl = 1 << 2,
    ssLeft = 1 << 3,
    ssRight = 1 << 4,
    ssMiddle = 1 << 5,
    ssDouble = 1 << 6,
};

// The stored `Data` stream keeps headings and formats in fixed-size fields.
constexpr size_t kMaxHeadingLength = 128;
constexpr size_t kMaxFormatLength = 20;

struct TGridColumn {
    int32_t Width = 0;
    // Markup. Stored cut to kMaxHeadingLength bytes, so that the column shows
    // what its stream keeps; a UTF-8 text is cut between characters.
    const std::string& Heading() const { return m_heading; }
    void SetHeading(const std::string& heading);
    // Number mask of ckFloat cells, stored cut to kMaxFormatLength bytes.
    const std::string& Format() const { return m_format; }
    void SetFormat(const std::string& format);
    uint8_t Kind = 0;
    int32_t ItemCount = 0; // items of a ckList or ckMenu column
    uint8_t Align = kAlignLeft;
    bool Enabled = false;
    // Derived by UpdateColumnPositions, counted from the left edge of column 1.
    int32_t Left = 0;
    int32_t Right = 0;

    bool operator==(const TGridColumn& other) const {
        return Width == other.Width && m_heading == other.m_heading && m_format == other.m_format &&
               Kind == other.Kind && ItemCount == other.ItemCount && Align == other.Align && Enabled == other.Enabled &&
               Left == other.Left && Right == other.Right;
    }

private:
    std::string m_heading;
    std::string m_format;
};

// What number texts need of the user's locale; the widget layer fills it in.
struct TNumberLocale {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
};
