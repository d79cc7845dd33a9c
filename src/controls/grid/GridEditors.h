#pragma once

#include "controls/markup/TextCodec.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <string>

class TExcelGrid2;

// The borderless single-line editor of text, number and colour cells.
class TGridEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TGridEdit(TExcelGrid2& grid);
    void Open(const std::string& bytes);
    std::string Bytes() const { return m_text.Result(text()); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TExcelGrid2& m_grid;
    TEditorText m_text;
};

// The borderless multi-line editor of memo cells; Shift + Enter breaks the line.
class TGridMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TGridMemo(TExcelGrid2& grid);
    void Open(const std::string& bytes);
    std::string Bytes() const { return m_text.Result(toPlainText()); }
    void SetTypedText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TExcelGrid2& m_grid;
    TEditorText m_text;
};

// The drop-down list of list cells; the grid's owner draws its items.
class TGridListBox : public QListWidget {
    Q_OBJECT

public:
    explicit TGridListBox(TExcelGrid2& grid);
    // `count` empty items of `itemHeight`, `current` picked when it names one.
    void Open(int count, int itemHeight, int current);
    int ItemHeight() const { return m_itemHeight; }
    // Cleared when an item is picked with the mouse, so that the release of
    // that click does not reach the grid as a drag; the grid sets it again.
    bool MouseReleaseLatch = true;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TExcelGrid2& m_grid;
    int m_itemHeight = 20;
};
