// Feeds arbitrary bytes to the grid's column stream reader, as a stream and
// as the uncompressed block of one.

#include "controls/grid/GridModel.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include <zlib.h>

namespace {

std::string AsStream(const std::string& block) {
    uLongf size = compressBound(static_cast<uLong>(block.size()));
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(&packed[0]), &size, reinterpret_cast<const Bytef*>(block.data()),
              static_cast<uLong>(block.size()), 1);
    packed.resize(size);
    uint32_t n = static_cast<uint32_t>(block.size());
    std::string stream;
    for (int i = 0; i < 4; ++i)
        stream += static_cast<char>((n >> (8 * i)) & 0xFF);
    return stream + packed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    TGridModel grid;
    grid.ReadData(bytes);

    if (grid.ReadData(AsStream(bytes)) == TGridDataResult::Ok) {
        // What was read must survive a write and a second read unchanged.
        TGridModel again;
        if (again.ReadData(grid.WriteData()) != TGridDataResult::Ok || again.Columns() != grid.Columns())
            __builtin_trap();
        for (int32_t x = 1; x <= grid.ColCount(); ++x)
            grid.GetCellText(x, grid.CountRows());
    }
    return 0;
}
