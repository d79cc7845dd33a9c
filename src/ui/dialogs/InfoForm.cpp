#include "InfoForm.h"

#include "controls/bitmaps/ImageList.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/TextCodec.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "program/Program.h"
#include "program/WindowPlacement.h"

#include <QAction>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kToolBarHeight = 25;

QFont EditorFont() {
    QFont font(QStringLiteral("Lucida Console"));
    font.setPixelSize(11);
    if (!QFontInfo(font).exactMatch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPixelSize(11);
    }
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(false); // the window's font is bold; the editor's is not
    return font;
}

QString DisplayText(const std::string& bytes) {
    QString text = BytesToQString(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace

TInfoForm::TInfoForm(TWindowPlacement& placement, const TImageList* images, QWidget* parent)
    : QDialog(parent), m_placement(placement) {
    setWindowTitle(QStringLiteral("Bootleg information"));
    setFont(MarkupFont("Arial", -11, true));
    setSizeGripEnabled(true);
    resize(kDesignWidth, kDesignHeight);
    for (TFileDialog* dialog : {&m_openDialog, &m_saveDialog}) {
        dialog->Filter = "Text file (*.txt)|*.txt";
        dialog->DefaultExt = "txt";
    }
    m_openDialog.MustExist = true;
    m_saveDialog.OverwritePrompt = true;
    BuildControls(images);
}

void TInfoForm::BuildControls(const TImageList* images) {
    for (const TInfoActionInfo& info : InfoActionTable()) {
        auto* action = new QAction(QString::fromLatin1(info.Caption), this);
        if (info.Hint)
            action->setToolTip(QString::fromLatin1(info.Hint));
        action->setShortcut(QKeySequence(QString::fromLatin1(info.Shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        if (images && info.Image < images->Count())
            action->setIcon(QIcon(images->Pixmap(info.Image)));
        const TInfoActionId id = info.Id;
        connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
        addAction(action);
        m_actions[id] = action;
    }
    auto actionAt = [](int index) { return InfoActionTable()[static_cast<size_t>(index)].Id; };

    auto* menuBar = new QMenuBar(this);
    for (const TInfoMenu& menu : InfoMenus()) {
        QMenu* items = menuBar->addMenu(QString::fromLatin1(menu.Caption));
        for (int index : menu.Items) {
            if (index < 0)
                items->addSeparator();
            else
                items->addAction(m_actions[actionAt(index)]);
        }
    }
    auto* toolBar = new QToolBar(this);
    toolBar->setFixedHeight(kToolBarHeight);
    toolBar->setIconSize(QSize(16, 16));
    for (int index : InfoToolBarItems()) {
        if (index < 0)
            toolBar->addSeparator();
        else
            toolBar->addAction(m_actions[actionAt(index)]);
    }

    m_memo = new QPlainTextEdit(this);
    m_memo->setFont(EditorFont());
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(toolBar);
    layout->addWidget(m_memo);
}

void TInfoForm::SetText(const std::string& bytes) {
    m_bytes = bytes;
    m_memo->setPlainText(DisplayText(bytes));
    m_memo->document()->setModified(false);
}

std::string TInfoForm::Text() const {
    if (!m_memo->document()->isModified())
        return m_bytes;
    std::string typed = QStringToBytes(m_memo->toPlainText());
    std::string text;
    text.reserve(typed.size() + typed.size() / 16);
    for (char c : typed) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

void TInfoForm::Execute(TInfoActionId id) {
    using A = TInfoActionId;
    switch (id) {
    case A::cmNew:
        SetText({});
        return;
    case A::cmOpen:
        OpenFile();
        return;
    case A::cmSave:
        SaveFile();
        return;
    case A::cmOk:
        done(1);
        return;
    case A::cmCancel:
        done(2);
        return;
    case A::cmClipboardCopy:
        if (m_memo->hasFocus())
            m_memo->copy();
        return;
    case A::cmClipboardPaste:
        if (m_memo->hasFocus())
            m_memo->paste();
        return;
    case A::cmClipboardCut:
        if (m_memo->hasFocus())
            m_memo->cut();
        return;
    }
}

void TInfoForm::OpenFile() {
    if (!RunOpenDialog || !RunOpenDialog(m_openDialog))
        return;
    m_saveDialog.FileName = m_openDialog.FileName;
    std::string bytes, error;
    if (!ReadWholeFile(m_openDialog.FileName, bytes, error, kMaxFileBytes)) {
        if (ShowError)
            ShowError("The file |b " + MarkupLiteral(m_openDialog.FileName) + "|f  cannot be opened.||" +
                      MarkupLiteral(AsSentence(error)));
        return;
    }
    bytes.erase(0, Utf8BomLength(bytes));
    if (!bytes.empty())
        SetText(bytes);
}

void TInfoForm::SaveFile() {
    if (!RunSaveDialog || !RunSaveDialog(m_saveDialog))
        return;
    m_openDialog.FileName = m_saveDialog.FileName;
    std::string error;
    if (!WriteFileAtomically(m_saveDialog.FileName, Text(), error) && ShowError)
        ShowError("The file |b " + MarkupLiteral(m_saveDialog.FileName) + "|f  cannot be saved.||" +
                  MarkupLiteral(AsSentence(error)));
}

void TInfoForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    RestorePlacement();
    m_memo->setFocus();
}

void TInfoForm::RestorePlacement() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize desktop = screen ? screen->virtualGeometry().size() : QSize();
    const TWindowPlacement p = FitPlacementOnScreen(m_placement, {desktop.width(), desktop.height()});
    if (p.Right > p.Left && p.Bottom > p.Top)
        setGeometry(p.Left, p.Top, p.Right - p.Left, p.Bottom - p.Top);
    if (p.ShowState == 3)
        setWindowState(Qt::WindowMaximized);
}

void TInfoForm::StorePlacement() {
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    m_placement.ShowState = isMaximized() ? 3 : 1;
    m_placement.Left = normal.left();
    m_placement.Top = normal.top();
    m_placement.Right = normal.left() + normal.width();
    m_placement.Bottom = normal.top() + normal.height();
}

void TInfoForm::done(int result) {
    StorePlacement();
    QDialog::done(result);
}
