#include "program/SettingsTable.h"

#include <cassert>
#include <type_traits>
#include <utility>

namespace {

// Runs `visit` with the field and its default as the same type.
template <typename TVisit> void WithField(const TSetting& setting, TVisit visit) {
    assert(setting.Field.index() == setting.Default.index());
    std::visit(
        [&](auto* field) {
            using TValue = std::remove_pointer_t<decltype(field)>;
            visit(*field, std::get<TValue>(setting.Default));
        },
        setting.Field);
}

int32_t ReadInt(const ISettingsStore& store, const TSetting& setting, int32_t fallback) {
    const int32_t value = ReadIntDef(store, setting.Name, fallback);
    return setting.Fits && !setting.Fits(value) ? fallback : value;
}

} // namespace

TSetting IntSetting(std::string name, int32_t& field, int32_t fallback, bool (*fits)(int32_t)) {
    return {std::move(name), &field, fallback, fits};
}

TSetting BoolSetting(std::string name, bool& field, bool fallback) {
    return {std::move(name), &field, fallback};
}

TSetting StrSetting(std::string name, std::string& field, std::string fallback) {
    return {std::move(name), &field, std::move(fallback)};
}

void ReadSettings(const ISettingsStore& store, const std::vector<TSetting>& table) {
    for (const TSetting& setting : table) {
        if (setting.WriteOnly)
            continue;
        WithField(setting, [&](auto& field, const auto& fallback) {
            using TValue = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<TValue, int32_t>)
                field = ReadInt(store, setting, fallback);
            else if constexpr (std::is_same_v<TValue, bool>)
                field = ReadBoolDef(store, setting.Name, fallback);
            else
                field = ReadStrDef(store, setting.Name, fallback);
        });
    }
}

void WriteSettings(ISettingsStore& store, const std::vector<TSetting>& table) {
    for (const TSetting& setting : table) {
        WithField(setting, [&](const auto& field, const auto&) {
            using TValue = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<TValue, int32_t>)
                WriteIntValue(store, setting.Name, field);
            else if constexpr (std::is_same_v<TValue, bool>)
                WriteBoolValue(store, setting.Name, field);
            else
                WriteStrValue(store, setting.Name, field);
        });
    }
}
