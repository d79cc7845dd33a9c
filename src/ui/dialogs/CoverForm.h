#pragma once

#include "core/Picture.h"
#include "program/CoverView.h"
#include "program/ProgramHost.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <functional>
#include <string>

class QListWidget;
class QPushButton;

// The cover window: the front and back picture names of one bootleg, the
// picture of the chosen line fitted into the box, zoomed by the wheel and
// dragged by the mouse. The picture files are only read, never copied.
class TCoverForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kBoxWidth = 632;
    static constexpr int kBoxHeight = 465;

    TCoverForm(std::string coversDir, QWidget* parent = nullptr);

    // 0 front, 1 back: set before showing, read after Ok.
    std::array<std::string, 2> CoverNames;

    // Runs the picture dialog; on OK the chosen path is in dialog.FileName.
    std::function<bool(TFileDialog& dialog)> RunOpenDialog;
    // Reports a picture that cannot be shown (an Error message).
    std::function<void(const std::string& text)> ShowError;
    // Decodes a picture file; the window holds no picture while it runs.
    std::function<bool(const std::string& path, TPicture& picture, std::string& error)> ReadPicture = ReadPictureFile;

    // The popup menu's commands: choose the front (0) or back (1) picture; clear the chosen line.
    void ChoosePicture(int slot);
    void ClearSelected();
    // Shows the picture of the selected line, loading it when its file changed.
    void ShowSelected();
    // Closes with `result`; 1 (Ok) hands the changes back.
    void done(int result) override;

    QListWidget& FileList() const { return *m_fileLB; }
    QWidget& PaintBox() const { return *m_paintBox; }
    const TCoverView& View() const { return m_view; }
    const TPicture& Picture() const { return m_picture; }
    const std::string& LoadedName() const { return m_loadedName; }

protected:
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void WireControls();
    void EmptyPicture();
    void SetLine(int slot, const std::string& name);
    void PaintPicture();

    std::string m_coversDir;
    std::array<std::string, 2> m_lines;
    TFileDialog m_openDialog;
    TCoverView m_view;
    TPicture m_picture;
    QImage m_image; // m_picture's pixels, shared
    std::string m_loadedName;

    QListWidget* m_fileLB = nullptr;
    QWidget* m_paintBox = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
