#include "program/ExportGroups.h"

namespace {

constexpr std::string_view kTourSeparator = " - ";

} // namespace

TExportGroupFinder::TExportGroupFinder(const std::vector<TBand>& bands, bool divide)
    : m_bands(bands), m_divide(divide) {
    if (!divide)
        return;
    m_byName.reserve(bands.size());
    for (size_t b = 0; b < bands.size(); ++b)
        m_byName[bands[b].Name] = static_cast<int32_t>(b);
}

TExportGroup TExportGroupFinder::Find(const TBootData& record) const {
    TExportGroup group;
    if (!m_divide)
        return group;
    auto found = m_byName.find(record.Band);
    if (found == m_byName.end()) {
        // Without any tour file there is nothing to divide by.
        group.Loose = !m_bands.empty();
        group.LooseBand = record.Band;
        return group;
    }
    group.Band = found->second;
    const std::vector<TTour>& tours = m_bands[static_cast<size_t>(group.Band)].Tours;
    for (size_t t = 0; t < tours.size(); ++t)
        if (tours[t].Holds(record.Date)) {
            group.Tour = static_cast<int32_t>(t);
            break;
        }
    return group;
}

std::string_view TExportGroupFinder::BandName(const TExportGroup& group) const {
    return group.Band == -1 ? group.LooseBand : std::string_view(m_bands[static_cast<size_t>(group.Band)].Name);
}

std::string_view TExportGroupFinder::TourName(const TExportGroup& group) const {
    if (group.Band == -1 || group.Tour == -1)
        return {};
    return m_bands[static_cast<size_t>(group.Band)].Tours[static_cast<size_t>(group.Tour)].Name;
}

std::string TExportGroupFinder::Heading(const TExportGroup& group, bool bandNameBeforeTour) const {
    std::string heading;
    if (bandNameBeforeTour || group.Loose)
        heading += BandName(group);
    if (group.Tour != -1) {
        if (bandNameBeforeTour)
            heading += kTourSeparator;
        heading += TourName(group);
    }
    return heading;
}
