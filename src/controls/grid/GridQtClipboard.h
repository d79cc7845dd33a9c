#pragma once

#include "controls/grid/GridKeys.h"

// The desktop's clipboard as plain text. Cells go out as UTF-8 (texts of
// the legacy code page converted), pasted text comes in as UTF-8.
class TQtGridClipboard : public IGridClipboard {
public:
    std::string Text() override;
    void SetText(const std::string& text) override;
    std::string FromCell(const std::string& text) override;
};
