#include "TextCodec.h"

#include "controls/markup/MarkupSupport.h"

QString BytesToQString(const std::string& bytes) {
    std::string utf8 = ToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string QStringToBytes(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}
