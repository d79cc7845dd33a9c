#include "controls/panels/PanelReading.h"

#include <algorithm>

bool SpokenChecked(const TOptionPanelModel& model, int32_t index) {
    if (model.Radio())
        return index >= 1 && index <= model.Count() && index == model.ItemIndex();
    return model.Checked(index);
}

std::vector<int32_t> TakeToggledItems(const TOptionPanelModel& model, std::vector<bool>& told) {
    std::vector<bool> now;
    for (int32_t i = 1; i <= model.Count(); ++i)
        now.push_back(SpokenChecked(model, i));
    std::vector<int32_t> toggled;
    for (size_t k = 0; k < std::min(now.size(), told.size()); ++k)
        if (now[k] != told[k])
            toggled.push_back(static_cast<int32_t>(k + 1));
    told = std::move(now);
    return toggled;
}
