#include "GridQtClipboard.h"

#include "controls/markup/TextCodec.h"
#include "platform/CodePage.h"

#include <QClipboard>
#include <QGuiApplication>

std::string TQtGridClipboard::Text() {
    return QStringToBytes(QGuiApplication::clipboard()->text());
}

void TQtGridClipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::string TQtGridClipboard::FromCell(const std::string& text) {
    return ShownUtf8(text);
}
