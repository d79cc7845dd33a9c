#pragma once

#include "platform/SettingsStore.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// A table of remembered values: each names its value in the store, the field
// it lives in, what a missing value gives and which integers the field can
// hold. Reading and writing walk the same table, so a value cannot be read
// under one name and written under another, nor be forgotten by one of them.

// The field a value lives in; its type is the value's kind: a 32-bit
// integer, a boolean (stored as the integer 1 or 0) or a string.
using TSettingField = std::variant<int32_t*, bool*, std::string*>;
// A default, of the same kind as its field.
using TSettingValue = std::variant<int32_t, bool, std::string>;

struct TSetting {
    std::string Name;
    TSettingField Field;
    TSettingValue Default;
    // An integer the field cannot hold gives the default; null: any integer.
    bool (*Fits)(int32_t) = nullptr;
    // Written for others to find, never read back.
    bool WriteOnly = false;
};

TSetting IntSetting(std::string name, int32_t& field, int32_t fallback, bool (*fits)(int32_t) = nullptr);
TSetting BoolSetting(std::string name, bool& field, bool fallback);
TSetting StrSetting(std::string name, std::string& field, std::string fallback);

// Sets the field of every readable value from the store.
void ReadSettings(const ISettingsStore& store, const std::vector<TSetting>& table);
// Writes every value from its field, in table order.
void WriteSettings(ISettingsStore& store, const std::vector<TSetting>& table);
