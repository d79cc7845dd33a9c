#pragma once

#include "program/InfoActions.h"
#include "program/ProgramHost.h"

#include <QDialog>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QPlainTextEdit;
class TImageList;

// The information window: a plain-text editor for one bootleg's track list
// and notes. The text is the record's bytes with CR LF line ends; what the
// user did not edit goes back byte for byte.
class TInfoForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDesignWidth = 624;
    static constexpr int kDesignHeight = 631;
    // Opening a larger text file is refused: it would freeze the editor.
    static constexpr size_t kMaxFileBytes = 16u * 1024 * 1024;

    // `placement` is restored on showing and stored on closing, whatever the result.
    TInfoForm(TWindowPlacement& placement, const TImageList* images, QWidget* parent = nullptr);

    void SetText(const std::string& bytes);
    // The editor's text as bytes: the bytes given or opened when the user
    // changed nothing since, else the typed text as UTF-8 with CR LF.
    std::string Text() const;

    std::function<bool(TFileDialog& dialog)> RunOpenDialog;
    std::function<bool(TFileDialog& dialog)> RunSaveDialog;
    // Reports a file that could not be read or written (an Error message).
    std::function<void(const std::string& text)> ShowError;
    // Asks a yes-or-no question; true for Yes.
    std::function<bool(const std::string& question)> Confirm;

    void Execute(TInfoActionId id);
    // Closes with `result`; 1 (Ok) hands the changes back.
    void done(int result) override;
    // The first showing restores the placement.
    void setVisible(bool visible) override;

    QPlainTextEdit& Memo() const { return *m_memo; }
    QAction* Action(TInfoActionId id) const { return m_actions.at(id); }
    const TFileDialog& OpenDialog() const { return m_openDialog; }
    const TFileDialog& SaveDialog() const { return m_saveDialog; }

protected:
    // Escape does nothing: a dialog's Escape would throw the typed text away.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls(const TImageList* images);
    void OpenFile();
    void SaveFile();
    void RestorePlacement();
    void StorePlacement();
    void MovePieceBreaks(int position, int removed, int added);

    TWindowPlacement& m_placement;
    std::string m_bytes;            // as given or opened
    std::vector<int> m_pieceBreaks; // positions of the breaks that only cut a long line for showing, ascending
    TFileDialog m_openDialog;
    TFileDialog m_saveDialog;
    QPlainTextEdit* m_memo = nullptr;
    std::map<TInfoActionId, QAction*> m_actions;
    bool m_placed = false;
};
