#include "QtSettingsStore.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace {

QString Key(const std::string& name) {
    return QString::fromStdString(name);
}

bool IsUtf8(const std::string& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

} // namespace

TQtSettingsStore::TQtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QStringLiteral("Korvalen"), QStringLiteral("Korvalen"))) {}

TQtSettingsStore::TQtSettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

bool TQtSettingsStore::ReadInt(const std::string& name, int32_t& value) const {
    QVariant stored = m_settings->value(Key(name));
    if (!stored.isValid())
        return false;
    // INI files keep every value as text: a number is whatever reads as one.
    bool ok = false;
    qlonglong number = stored.toString().trimmed().toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > INT32_MAX)
        return false;
    value = static_cast<int32_t>(number);
    return true;
}

bool TQtSettingsStore::ReadStr(const std::string& name, std::string& value) const {
    QVariant stored = m_settings->value(Key(name));
    if (!stored.isValid())
        return false;
    if (stored.typeId() == QMetaType::QByteArray) {
        QByteArray bytes = stored.toByteArray();
        value.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    } else {
        value = stored.toString().toStdString();
    }
    return true;
}

void TQtSettingsStore::WriteInt(const std::string& name, int32_t value) {
    m_settings->setValue(Key(name), value);
}

void TQtSettingsStore::WriteStr(const std::string& name, const std::string& value) {
    if (IsUtf8(value))
        m_settings->setValue(Key(name), QString::fromStdString(value));
    else
        m_settings->setValue(Key(name), QByteArray(value.data(), static_cast<qsizetype>(value.size())));
}

bool TQtSettingsStore::Flush(std::string& error) {
    m_settings->sync();
    // A file that was damaged when it was read keeps its status for good,
    // and then it hides whether the rewrite worked: the file tells.
    if (m_settings->status() == QSettings::NoError ||
        (m_settings->status() == QSettings::FormatError && FileHoldsWhatWasWritten()))
        return true;
    error = "The settings file cannot be written: " + m_settings->fileName().toStdString();
    return false;
}

bool TQtSettingsStore::FileHoldsWhatWasWritten() const {
    const QSettings written(m_settings->fileName(), m_settings->format());
    if (written.status() != QSettings::NoError)
        return false;
    const QStringList keys = m_settings->allKeys();
    for (const QString& key : keys)
        if (written.value(key) != m_settings->value(key))
            return false;
    return !keys.isEmpty();
}
