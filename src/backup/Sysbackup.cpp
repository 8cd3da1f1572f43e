#include "backup/Sysbackup.h"

#include "graphics/Marks.h"
#include "program/Program.h"
#include "program/WindowLook.h"
#include "restore/RestorePointService.h"
#include "restore/RestoreTexts.h"

namespace brivex {

namespace {

constexpr char kNameMissing[] = "Veuillez entrer un nom pour la création du point de restauration !.";

}  // namespace

std::optional<std::int32_t> RestorePointTypeOfEntry(int listIndex) {
    switch (listIndex) {
        case 0: return restorepointtype::ApplicationInstall;
        case 1: return restorepointtype::ApplicationUninstall;
        case 2: return restorepointtype::DeviceDriverInstall;
        default: return std::nullopt;
    }
}

Sysbackup::Sysbackup(Program& program)
    : ToolWindow(program, "Sysbackup", "Brivex System Backup", StaysOnTop::Never),
      FramePlus1(*this, "FramePlus1", "Sauvgarde des paramettres système :"),
      Label1(*this, "Label1",
             "     Brivex System Backup vous permet de créer facilement des points de restauration système sous "
             "Windows Xp et Windows Doziv. Il est très recommandé de créer un point de restauration avant toute "
             "optimisation, installation de logiciels ou de materiels."),
      Label2(*this, "Label2", "Nom du point de restauration :"),
      Text1(*this, "Text1"),
      Label3(*this, "Label3", "Type de point de restauration :"),
      Combo1(*this, "Combo1"),
      Command2(*this, "Command2", "&Appliquer"),
      BrivexCmd1(*this, "BrivexCmd1", "Annuler"),
      Command1(*this, "Command1", "A&fficher"),
      FramePlus2(*this, "FramePlus2", "Sauvgarde des paramettres système :"),
      List1(*this, "List1"),
      ButtonPlus1(*this, "ButtonPlus1", "&Retour"),
      TopButtons_XP1(*this, "TopButtons_XP1", "×"),
      NoRestorePoint(*this, "NoRestorePoint", "Aucun point de restauration."),
      ListingFailed(*this, "ListingFailed", "Impossible d'obtenir la liste des points de restauration.") {
    TopButtons_XP1.SetToolTipText("Quitter");
    // Fixed at design: the program never adds, removes or translates an entry.
    for (const char* entry : {"Optimisation Velmora", "Application setup", "Hardware setup"}) Combo1.AddItem(entry);
    Layout();
    Command2.OnClick = [this] { Command2_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
    ButtonPlus1.OnClick = [this] { ShowCreationView(); };
    BrivexCmd1.OnClick = [this] { Close(); };
    TopButtons_XP1.OnClick = [this] { Close(); };
}

void Sysbackup::Layout() {
    using namespace backupdesign;
    SetDesign(DesignPixelsToTwips(kWidth), DesignPixelsToTwips(kHeight), "backup.background");
    TopButtons_XP1.SetPosition(look::DesignBounds(kWidth - 44, 10, 28, 24));
    TopButtons_XP1.SetLook(look::Text(11, true, 0, ui::Appearance::Align::Center));
    // Drawn rather than written, as the information window's close button, so the two look alike.
    TopButtons_XP1.SetPicture(kCloseMarkPicture);
    for (ui::Label* text : {&NoRestorePoint, &ListingFailed}) text->SetVisible(false);

    for (ui::FramePlus* frame : {&FramePlus1, &FramePlus2})
        frame->SetPosition(look::DesignBounds(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));
    constexpr int inner = kFrameWidth - 28;
    const int buttonsTop = kFrameHeight - 48;

    for (ui::Control* control : std::initializer_list<ui::Control*>{&Label1, &Label2, &Text1, &Label3, &Combo1,
                                                                    &Command2, &BrivexCmd1, &Command1})
        control->PlaceIn(FramePlus1);
    Label1.SetPosition(look::DesignBounds(14, 28, inner, 68));
    Label1.SetLook(look::Text(9, false, look::kInk));
    // Each caption shares its row and its baseline with the box beside it; the two boxes are of one height.
    Label2.SetPosition(look::DesignBounds(14, 110, 200, 22));
    Text1.SetPosition(look::DesignBounds(222, 110, inner - 208, 22));
    Label3.SetPosition(look::DesignBounds(14, 148, 200, 22));
    Combo1.SetPosition(look::DesignBounds(222, 148, inner - 208, 22));
    ui::Appearance besideBox = look::Text(8.25, true, look::kInk);
    besideBox.middle = true;
    for (ui::Label* label : {&Label2, &Label3}) label->SetLook(besideBox);
    Command2.SetPosition(look::DesignBounds(14, buttonsTop, 130, 34));
    BrivexCmd1.SetPosition(look::DesignBounds(156, buttonsTop, 130, 34));
    Command1.SetPosition(look::DesignBounds(14 + inner - 130, buttonsTop, 130, 34));

    List1.PlaceIn(FramePlus2);
    ButtonPlus1.PlaceIn(FramePlus2);
    List1.SetPosition(look::DesignBounds(14, 28, inner, buttonsTop - 40));
    ButtonPlus1.SetPosition(look::DesignBounds(14 + inner - 130, buttonsTop, 130, 34));
    for (ui::ButtonPlus* button : {&Command2, &BrivexCmd1, &Command1, &ButtonPlus1}) button->SetLook(look::Text(9, true, 0));
}

void Sysbackup::ShowCreationView() {
    FramePlus2.SetVisible(false);
    FramePlus1.SetVisible(true);
}

// The window was perhaps open before: it starts again as opened the first time.
void Sysbackup::ReturnToDesignState() {
    Text1.SetText("");
    Combo1.SetListIndex(-1);
    List1.Clear();
    ShowCreationView();
    SetMousePointer(ui::MousePointer::Default);
}

void Sysbackup::Command2_Click() {
    // The request blocks the window: a second click, queued meanwhile, would
    // otherwise ask for a second restore point once it runs.
    Command2.SetEnabled(false);
    Apply();
    Command2.SetEnabled(true);
}

void Sysbackup::Apply() {
    // Only the empty name is refused: blanks are a name the service takes as it is.
    if (Text1.Text().empty()) {
        program_.dialogs.MsgBox(kNameMissing, ui::mb::Information, "");
        return;
    }
    SetMousePointer(ui::MousePointer::Hourglass);
    bool made = false;
    if (const std::optional<std::int32_t> type = RestorePointTypeOfEntry(Combo1.ListIndex()))
        made = MakeRestorePoint(program_.platform.management, program_.platform.registry, Text1.Text(), *type);
    SetMousePointer(ui::MousePointer::Default);
    program_.dialogs.MsgBox(RestorePointOutcome(made), ui::mb::Information, "");
}

void Sysbackup::Command1_Click() {
    // The service first: the list keeps its lines when the service cannot be reached.
    const auto points = ListRestorePoints(program_.platform.management);
    if (!points) {
        program_.dialogs.MsgBox(ListingFailed.Caption(), ui::mb::Information, "");
        return;
    }
    List1.Clear();
    for (const RestorePointRecord& point : points.Value()) List1.AddItem(FormatRestorePointRow(point));
    // An empty list would look like a listing that failed.
    if (points.Value().empty()) List1.AddItem(NoRestorePoint.Caption());
    FramePlus2.SetVisible(true);
    FramePlus1.SetVisible(false);
}

}  // namespace brivex
