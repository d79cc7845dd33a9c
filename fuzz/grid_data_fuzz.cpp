// Feeds arbitrary bytes to the grid's column stream reader, as a stream and
// as the uncompressed block of one.

#include "controls/grid/GridModel.h"

#include "FuzzStreams.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    TGridModel grid;
    grid.ReadData(bytes);

    if (grid.ReadData(AsLengthPrefixedStream(bytes)) == TGridDataResult::Ok) {
        // What was read must survive a write and a second read unchanged.
        TGridModel again;
        if (again.ReadData(grid.WriteData()) != TGridDataResult::Ok || again.Columns() != grid.Columns())
            __builtin_trap();
        for (int32_t x = 1; x <= grid.ColCount(); ++x)
            grid.GetCellText(x, grid.CountRows());
    }
    return 0;
}
