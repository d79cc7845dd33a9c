#include "core/ViewStamp.h"

bool TViewStamp::operator==(const TViewStamp& other) const {
    return Records == other.Records && Count == other.Count && Bands == other.Bands && Choices == other.Choices &&
           QuickText == other.QuickText && MarkedOnly == other.MarkedOnly;
}

TViewStamp StampView(const TArrayOfBootData& data, const TFilterState& filter, const std::string& quickText,
                     bool markedOnly) {
    TViewStamp stamp;
    stamp.Records = data.data();
    stamp.Count = data.size();
    stamp.Bands = filter.Bands.data();
    std::vector<bool>& choices = stamp.Choices;
    choices.push_back(filter.AllBands);
    for (const TBand& band : filter.Bands) {
        choices.push_back(band.Selected);
        for (const TTour& tour : band.Tours)
            choices.push_back(tour.Selected);
    }
    choices.push_back(filter.SourceSelAll);
    choices.insert(choices.end(), filter.SourceSel.begin(), filter.SourceSel.end());
    choices.push_back(filter.MediaSelAll);
    choices.insert(choices.end(), filter.MediaSel.begin(), filter.MediaSel.end());
    stamp.QuickText = quickText;
    stamp.MarkedOnly = markedOnly;
    return stamp;
}
