#include "ui/dialogs/InputQuery.h"

#include "controls/markup/TextCodec.h"

#include <QInputDialog>

bool InputQuery(QWidget* parent, const std::string& caption, const std::string& prompt, std::string& text) {
    bool ok = false;
    const QString typed = QInputDialog::getText(parent, BytesToQString(caption), BytesToQString(prompt),
                                                QLineEdit::Normal, BytesToQString(text), &ok);
    if (ok)
        text = QStringToBytes(typed);
    return ok;
}
