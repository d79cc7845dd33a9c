#include "ExternalEditors.h"

#include "core/Codes.h"
#include "program/Program.h"
#include "ui/dialogs/CoverForm.h"
#include "ui/dialogs/InfoForm.h"

namespace {

int RunWindow(QDialog& window, const TRunModal& runModal) {
    return runModal ? runModal(window) : window.exec();
}

bool EditCovers(QWidget* parent, TProgram& program, IProgramHost& host, TBootData& record, const TRunModal& runModal) {
    TCoverForm form(program.CoversDir, parent);
    form.CoverNames = record.Covers;
    form.RunOpenDialog = [&host](TFileDialog& dialog) { return host.RunOpenDialog(dialog); };
    form.ShowError = [&program](const std::string& text) { program.ShowMsg(text, Msg::Error, Msg::Ok, Msg::Centre); };
    if (RunWindow(form, runModal) != 1 || form.CoverNames == record.Covers)
        return false;
    record.Covers = form.CoverNames;
    return true;
}

bool EditInfo(QWidget* parent, TProgram& program, IProgramHost& host, const TImageList& images, TBootData& record,
              const TRunModal& runModal) {
    TInfoForm form(program.CommentPlacement, &images, parent);
    form.SetText(record.Info);
    form.RunOpenDialog = [&host](TFileDialog& dialog) { return host.RunOpenDialog(dialog); };
    form.RunSaveDialog = [&host](TFileDialog& dialog) { return host.RunSaveDialog(dialog); };
    form.ShowError = [&program](const std::string& text) { program.ShowMsg(text, Msg::Error, Msg::Ok, Msg::Centre); };
    form.Confirm = [&program](const std::string& question) {
        return program.ShowMsg(question, Msg::Confirmation, Msg::Yes | Msg::No, Msg::Centre) == Msg::ResultYes;
    };
    if (RunWindow(form, runModal) != 1)
        return false;
    std::string text = form.Text();
    if (text == record.Info)
        return false;
    record.Info = std::move(text);
    return true;
}

} // namespace

bool EditCoverOrInfo(QWidget* parent, TProgram& program, IProgramHost& host, const TImageList& images,
                     TBootData& record, int32_t property, const TRunModal& runModal) {
    // A changed cover or text is a step of the list's history, which the
    // caller closes: that marks the list unsaved, so that closing asks
    // before the user's new pictures and notes are lost.
    return property == static_cast<int32_t>(TProperty::Cover)
               ? EditCovers(parent, program, host, record, runModal)
               : EditInfo(parent, program, host, images, record, runModal);
}
