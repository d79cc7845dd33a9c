#pragma once

// A home folder for a window test: the sample Tours folder and the sample
// list copied into `home` (a fresh temporary folder).

#include <QDir>
#include <QFile>
#include <QString>

inline void CopySampleHome(const QString& sample, const QString& home) {
    for (const char* folder : {"/Tours", "/Lists"}) {
        QDir().mkpath(home + folder);
        for (const QString& name : QDir(sample + folder).entryList(QDir::Files))
            QFile::copy(sample + folder + "/" + name, home + folder + "/" + name);
    }
}
