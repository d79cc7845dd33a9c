#include "core/MarkedRecords.h"

std::vector<int32_t> MarkedRecords(const TArrayOfBootData& data, const std::vector<int32_t>* among) {
    std::vector<int32_t> marked;
    const auto isMarked = [&data](int32_t index) { return data[static_cast<size_t>(index)].SearchHits > 0; };
    if (among) {
        for (int32_t index : *among)
            if (isMarked(index))
                marked.push_back(index);
        return marked;
    }
    for (size_t i = 0; i < data.size(); ++i)
        if (isMarked(static_cast<int32_t>(i)))
            marked.push_back(static_cast<int32_t>(i));
    return marked;
}
