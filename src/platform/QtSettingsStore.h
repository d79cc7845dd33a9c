#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>

#include <memory>

// The per-user settings file of the desktop (organization and application
// "Korvalen"); the values stand at its top level. Texts are kept as bytes:
// valid UTF-8 as text, anything else as a byte array.
class TQtSettingsStore final : public ISettingsStore {
public:
    TQtSettingsStore();
    // A store in the given INI file, for tests and other homes.
    explicit TQtSettingsStore(const QString& iniFile);

    bool ReadInt(const std::string& name, int32_t& value) const override;
    bool ReadStr(const std::string& name, std::string& value) const override;
    void WriteInt(const std::string& name, int32_t value) override;
    void WriteStr(const std::string& name, const std::string& value) override;
    bool Flush(std::string& error) override;

private:
    bool FileHoldsWhatWasWritten() const;

    std::unique_ptr<QSettings> m_settings;
};
