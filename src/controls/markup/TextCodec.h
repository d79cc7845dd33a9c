#pragma once

#include <QString>

#include <string>

// The program's texts are bytes: UTF-8 when they are valid UTF-8, else
// Windows-1252. What the user types goes back as UTF-8.
QString BytesToQString(const std::string& bytes);
std::string QStringToBytes(const QString& text);
