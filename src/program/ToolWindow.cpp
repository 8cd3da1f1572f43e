#include "program/ToolWindow.h"

#include "program/Program.h"
#include "program/WindowLoad.h"

namespace brivex {

ToolWindow::ToolWindow(Program& program, std::string name, std::string caption, StaysOnTop onTop)
    : Form(std::move(name), std::move(caption)), program_(program), onTop_(onTop) {
    OnLoad = [this] { Form_Load(); };
    OnUnload = [this] { Form_Unload(); };
    OnMouseDown = [this] { BeginDrag(); };
    OnCancel = [this] { Close(); };
}

void ToolWindow::Close() { program_.forms.Unload(*this); }

void ToolWindow::Form_Load() {
    if (designTexts_) designTexts_->Restore(*this);
    else designTexts_.emplace(*this);
    ReturnToDesignState();
    ApplyRoundedShape();
    if (onTop_ == StaysOnTop::AsTheSettingsSay) MakeTopmostIfAsked(program_, *this);
    TranslateOnLoad(program_, *this);
    AfterTranslation();
}

void ToolWindow::Form_Unload() {
    StopOnUnload();
    program_.MainWindow().SetWindowState(ui::WindowState::Normal);
}

}  // namespace brivex
