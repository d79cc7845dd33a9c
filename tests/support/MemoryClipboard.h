#pragma once

#include "controls/grid/GridKeys.h"

#include <string>

// The grid's clipboard kept in memory, so that tests see the exact bytes
// and how often they were written.
class TMemoryClipboard final : public IGridClipboard {
public:
    std::string Text() override { return Content; }
    void SetText(const std::string& text) override {
        Content = text;
        ++Writes;
    }

    std::string Content;
    int Writes = 0;
};
