#pragma once

#include <QString>

#include <string>

// The one place where the widgets turn the program's bytes into text to
// show and what the user typed back into bytes. Bytes show as UTF-8 when
// they are valid UTF-8, else in the legacy code page (platform/CodePage.h);
// typed text goes back as UTF-8.
QString BytesToQString(const std::string& bytes);
std::string QStringToBytes(const QString& text);

// The text an editor opened with, so that a text the user did not change
// goes back with its own bytes, whatever page they were shown in.
class TEditorText {
public:
    QString Open(const std::string& bytes);
    std::string Result(const QString& now) const;

private:
    std::string m_bytes;
    QString m_shown;
};
