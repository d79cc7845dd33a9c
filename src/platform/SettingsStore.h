#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>

// The per-user store of remembered values: 32-bit integers and strings
// under one key. Booleans are stored as the integers 1 and 0.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // False when the value is missing or not of that type.
    virtual bool ReadInt(const std::string& name, int32_t& value) const = 0;
    virtual bool ReadStr(const std::string& name, std::string& value) const = 0;
    virtual void WriteInt(const std::string& name, int32_t value) = 0;
    virtual void WriteStr(const std::string& name, const std::string& value) = 0;
    // Makes what was written durable; false with a reason when it failed.
    virtual bool Flush(std::string& error) = 0;
};

int32_t ReadIntDef(const ISettingsStore& store, const std::string& name, int32_t fallback);
std::string ReadStrDef(const ISettingsStore& store, const std::string& name, const std::string& fallback);
bool ReadBoolDef(const ISettingsStore& store, const std::string& name, bool fallback);
void WriteIntValue(ISettingsStore& store, const std::string& name, int32_t value);
void WriteStrValue(ISettingsStore& store, const std::string& name, const std::string& value);
void WriteBoolValue(ISettingsStore& store, const std::string& name, bool value);

// Keeps the values in memory: for tests, and for a run without a store.
class TMemorySettingsStore final : public ISettingsStore {
public:
    bool ReadInt(const std::string& name, int32_t& value) const override;
    bool ReadStr(const std::string& name, std::string& value) const override;
    void WriteInt(const std::string& name, int32_t value) override { Values[name] = value; }
    void WriteStr(const std::string& name, const std::string& value) override { Values[name] = value; }
    bool Flush(std::string&) override { return true; }

    std::map<std::string, std::variant<int32_t, std::string>> Values;
};
