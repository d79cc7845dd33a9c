#pragma once

// The kind, buttons and alignment of a message (ShowMsg), each a type of its
// own so that arguments given in the wrong order do not compile, and the
// modal results it returns. The numbers are those the dialog has always used.

namespace Msg {

enum class TKind { Warning = 0, Error = 1, Information = 2, Confirmation = 3 };
enum class TButtons { None = 0, Yes = 1, No = 2, Ok = 4, Cancel = 8, YesToAll = 0x200, Help = 0x400 };
enum class TAlign { Left = 0, Right = 2, Centre = 6 };

constexpr TKind Warning = TKind::Warning, Error = TKind::Error, Information = TKind::Information,
                Confirmation = TKind::Confirmation;
constexpr TButtons Yes = TButtons::Yes, No = TButtons::No, Ok = TButtons::Ok, Cancel = TButtons::Cancel,
                   YesToAll = TButtons::YesToAll, Help = TButtons::Help;
constexpr TAlign Left = TAlign::Left, Right = TAlign::Right, Centre = TAlign::Centre;

constexpr TButtons operator|(TButtons a, TButtons b) {
    return static_cast<TButtons>(static_cast<int>(a) | static_cast<int>(b));
}
// Whether the set of buttons holds `button`.
constexpr bool operator&(TButtons set, TButtons button) {
    return (static_cast<int>(set) & static_cast<int>(button)) != 0;
}

constexpr int ResultOk = 1, ResultCancel = 2, ResultYes = 6, ResultNo = 7, ResultYesToAll = 10;

} // namespace Msg
