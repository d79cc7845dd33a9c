#include "platform/SettingsStore.h"

int32_t ReadIntDef(const ISettingsStore& store, const std::string& name, int32_t fallback) {
    int32_t value = 0;
    return store.ReadInt(name, value) ? value : fallback;
}

std::string ReadStrDef(const ISettingsStore& store, const std::string& name, const std::string& fallback) {
    std::string value;
    return store.ReadStr(name, value) ? value : fallback;
}

bool ReadBoolDef(const ISettingsStore& store, const std::string& name, bool fallback) {
    int32_t value = 0;
    return store.ReadInt(name, value) ? value != 0 : fallback;
}

void WriteIntValue(ISettingsStore& store, const std::string& name, int32_t value) {
    store.WriteInt(name, value);
}

void WriteStrValue(ISettingsStore& store, const std::string& name, const std::string& value) {
    store.WriteStr(name, value);
}

void WriteBoolValue(ISettingsStore& store, const std::string& name, bool value) {
    store.WriteInt(name, value ? 1 : 0);
}

bool TMemorySettingsStore::ReadInt(const std::string& name, int32_t& value) const {
    auto found = Values.find(name);
    if (found == Values.end() || !std::holds_alternative<int32_t>(found->second))
        return false;
    value = std::get<int32_t>(found->second);
    return true;
}

bool TMemorySettingsStore::ReadStr(const std::string& name, std::string& value) const {
    auto found = Values.find(name);
    if (found == Values.end() || !std::holds_alternative<std::string>(found->second))
        return false;
    value = std::get<std::string>(found->second);
    return true;
}
