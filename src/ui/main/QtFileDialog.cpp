#include "QtFileDialog.h"

#include "controls/markup/TextCodec.h"
#include "platform/FileSystem.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace {

// Ends in "(patterns)", which the toolkit takes as the patterns.
bool HasOwnPatterns(const QString& text) {
    static const QRegularExpression brackets(QStringLiteral("\\([^()]*\\)\\s*$"));
    return brackets.match(text).hasMatch();
}

} // namespace

QString DialogNameFilter(const std::string& filter) {
    const size_t bar = filter.find('|');
    const QString text = BytesToQString(filter.substr(0, bar)).trimmed();
    if (bar == std::string::npos || HasOwnPatterns(text))
        return text;
    QStringList patterns;
    for (const QString& pattern : BytesToQString(filter.substr(bar + 1)).split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!pattern.trimmed().isEmpty())
            patterns << pattern.trimmed();
    return text + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

void SetUpFileDialog(QFileDialog& chooser, const TFileDialog& dialog, bool saving) {
    chooser.setWindowTitle(BytesToQString(dialog.Title));
    chooser.setDirectory(BytesToQString(dialog.InitialDir));
    const QString text = BytesToQString(dialog.Filter.substr(0, dialog.Filter.find('|'))).trimmed();
    // The stored text is what the user sees; the patterns added to it stay hidden.
    chooser.setOption(QFileDialog::HideNameFilterDetails, !HasOwnPatterns(text));
    chooser.setNameFilter(DialogNameFilter(dialog.Filter));
    if (saving) {
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        chooser.setOption(QFileDialog::DontConfirmOverwrite, !dialog.OverwritePrompt);
    } else {
        chooser.setFileMode(QFileDialog::ExistingFile);
    }
    chooser.setDefaultSuffix(BytesToQString(dialog.DefaultExt));
    if (dialog.FileName.empty())
        return;
    if (FileSystem().IsFolder(dialog.FileName))
        chooser.setDirectory(BytesToQString(dialog.FileName));
    else
        chooser.selectFile(BytesToQString(dialog.FileName));
}
