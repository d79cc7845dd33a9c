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
    std::string Heading; // markup; cut to kMaxHeadingLength only in the stored stream
    std::string Format;  // number mask of ckFloat cells; cut to kMaxFormatLength only in the stored stream
    uint8_t Kind = 0;
    int32_t ItemCount = 0; // items of a ckList or ckMenu column
    uint8_t Align = kAlignLeft;
    bool Enabled = false;
    // Derived by UpdateColumnPositions, counted from the left edge of column 1.
    int32_t Left = 0;
    int32_t Right = 0;

    bool operator==(const TGridColumn& other) const {
        return Width == other.Width && Heading == other.Heading && Format == other.Format && Kind == other.Kind &&
               ItemCount == other.ItemCount && Align == other.Align && Enabled == other.Enabled && Left == other.Left &&
               Right == other.Right;
    }
};

// What number texts need of the user's locale; the widget layer fills it in.
struct TNumberLocale {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
};
