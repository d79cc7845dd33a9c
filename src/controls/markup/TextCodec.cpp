#include "TextCodec.h"

#include "platform/CodePage.h"

QString BytesToQString(const std::string& bytes) {
    std::string utf8 = ShownUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string QStringToBytes(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

QString TEditorText::Open(const std::string& bytes) {
    m_bytes = bytes;
    m_shown = BytesToQString(bytes);
    return m_shown;
}

std::string TEditorText::Result(const QString& now) const {
    return now == m_shown ? m_bytes : QStringToBytes(now);
}
