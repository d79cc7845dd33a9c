#pragma once

#include "controls/markup/TextCodec.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <string>

class IGridItemPainter;
class QFocusEvent;
class QKeyEvent;

// The in-place editors of the grid. None of them knows the grid: the
// editors' keys and focus reach it as signals of TGridEditorEvents, as an
// item view's editors report through their delegate (commitData,
// closeEditor), and the grid decides what to store.

// How an edit ends: what the editor holds is stored, or dropped.
enum class TEditorEnd { Commit, Revert };

// The keys and the focus of every editor, in one place: Enter commits
// (Shift + Enter breaks a memo's line instead), Up and Down commit a line
// editor and Tab and Shift + Tab any editor, and then move the grid's
// cursor, Escape reverts, and the focus
// leaving for outside the grid commits.
class TGridEditorEvents : public QObject {
    Q_OBJECT

public:
    // Focus moving to `grid` or into it is no leaving.
    explicit TGridEditorEvents(QWidget& grid);
    void Watch(QWidget& editor);

signals:
    void CloseEditor(QWidget* editor, TEditorEnd end);
    // A key for the grid itself once the editor is closed.
    void KeyAfterClose(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPressed(QWidget& editor, const QKeyEvent& event);
    void FocusLost(QWidget& editor, const QFocusEvent& event);

    QWidget& m_grid;
};

// The borderless single-line editor of text, number and colour cells.
class TGridEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TGridEdit(QWidget* parent);
    void Open(const std::string& bytes);
    std::string Bytes() const { return m_text.Result(text()); }

private:
    TEditorText m_text;
};

// The borderless multi-line editor of memo cells; Shift + Enter breaks the line.
class TGridMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TGridMemo(QWidget* parent);
    void Open(const std::string& bytes);
    std::string Bytes() const { return m_text.Result(toPlainText()); }
    void SetTypedText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TEditorText m_text;
};

// The drop-down list of list cells; `painter` draws its items.
class TGridListBox : public QListWidget {
    Q_OBJECT

public:
    TGridListBox(QWidget* parent, IGridItemPainter& painter);
    // `count` empty items of `itemHeight`, `current` picked when it names one.
    void Open(int count, int itemHeight, int current);
    int ItemHeight() const { return m_itemHeight; }
    // Cleared when an item is picked with the mouse, so that the release of
    // that click does not reach the grid as a drag; the grid sets it again.
    bool MouseReleaseLatch = true;

signals:
    // An item was clicked; it is the current row.
    void Picked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_itemHeight = 20;
};
