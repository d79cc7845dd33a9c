#include "InfoForm.h"

#include "controls/bitmaps/ImageList.h"
#include "controls/markup/MarkupLiteral.h"
#include "controls/markup/QtMarkupCanvas.h"
#include "controls/markup/TextCodec.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/Utf8.h"
#include "program/Program.h"
#include "ui/dialogs/QtWindowPlacement.h"

#include <QAction>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

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

// A line longer than this is shown in pieces of this length, each a block of
// its own: the toolkit lays out and draws a block whole, which for a line of
// 16 MB took seconds to open and a core on every blink of the caret. The
// breaks between pieces are remembered by position, and Text() leaves them out.
constexpr int kShownPiece = 4096;

// The text with CR LF as line breaks and long lines cut into pieces;
// `pieces` gets the block numbers of the pieces that continue a line.
QString DisplayText(const std::string& bytes, std::vector<int>& pieces) {
    QString text = BytesToQString(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString shown;
    shown.reserve(text.size() + text.size() / kShownPiece);
    int block = 0;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        for (qsizetype at = start; at < end || at == start;) {
            qsizetype length = std::min<qsizetype>(kShownPiece, end - at);
            if (at + length < end && text.at(at + length - 1).isHighSurrogate())
                --length; // a character is never cut in two
            if (at > start) {
                shown += QLatin1Char('\n');
                pieces.push_back(++block);
            }
            shown += QStringView(text).mid(at, length);
            at += length;
            if (length == 0)
                break;
        }
        if (end < text.size()) {
            shown += QLatin1Char('\n');
            ++block;
        }
        start = end + 1;
    }
    return shown;
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
            action->setIcon(images->Icon(info.Image));
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
    connect(m_memo->document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) { MovePieceBreaks(position, removed, added); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(toolBar);
    layout->addWidget(m_memo);
}

void TInfoForm::SetText(const std::string& bytes) {
    m_bytes = bytes;
    std::vector<int> pieces;
    m_memo->setPlainText(DisplayText(bytes, pieces));
    m_pieceBreaks.clear();
    for (int number : pieces)
        m_pieceBreaks.push_back(m_memo->document()->findBlockByNumber(number).position() - 1);
    m_memo->document()->setModified(false);
}

std::string TInfoForm::Text() const {
    const QTextDocument& document = *m_memo->document();
    if (!document.isModified())
        return m_bytes;
    QString shown;
    shown.reserve(document.characterCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin() &&
            !std::binary_search(m_pieceBreaks.begin(), m_pieceBreaks.end(), block.position() - 1))
            shown += QLatin1Char('\n');
        shown += block.text();
    }
    // Shift+Enter puts a line separator inside a block.
    shown.replace(QChar::LineSeparator, QLatin1Char('\n'));
    std::string typed = QStringToBytes(shown);
    std::string text;
    text.reserve(typed.size() + typed.size() / 16);
    for (char c : typed) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

void TInfoForm::MovePieceBreaks(int position, int removed, int added) {
    // A removed break joined its pieces, which Text() joins anyway.
    std::vector<int> moved;
    moved.reserve(m_pieceBreaks.size());
    for (int at : m_pieceBreaks) {
        if (at < position)
            moved.push_back(at);
        else if (at >= position + removed)
            moved.push_back(at + added - removed);
    }
    m_pieceBreaks = std::move(moved);
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
    if (bytes.empty())
        return;
    if (m_memo->document()->isModified() && Confirm &&
        !Confirm("Replace the edited text with |b " + MarkupLiteral(m_openDialog.FileName) + "|f ?"))
        return;
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

void TInfoForm::setVisible(bool visible) {
    // Placed before the first showing: only then does the toolkit put the
    // frame, title bar and all, where the placement says.
    if (visible && !m_placed) {
        m_placed = true;
        RestorePlacement();
        m_memo->setFocus();
    }
    QDialog::setVisible(visible);
}

void TInfoForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TInfoForm::RestorePlacement() {
    PlaceWindow(*this, m_placement, false);
}

void TInfoForm::StorePlacement() {
    m_placement = PlacementOf(*this, false);
}

void TInfoForm::done(int result) {
    StorePlacement();
    QDialog::done(result);
}
