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
      creationView(*this, "FramePlus1", "Sauvgarde des paramettres système :"),
      introduction(*this, "Label1",
                   "     Brivex System Backup vous permet de créer facilement des points de restauration système sous "
                   "Windows Xp et Windows Doziv. Il est très recommandé de créer un point de restauration avant toute "
                   "optimisation, installation de logiciels ou de materiels."),
      nameCaption(*this, "Label2", "Nom du point de restauration :"),
      pointName(*this, "Text1"),
      typeCaption(*this, "Label3", "Type de point de restauration :"),
      pointType(*this, "Combo1"),
      create(*this, "Command2", "&Appliquer"),
      cancel(*this, "BrivexCmd1", "Annuler"),
      showList(*this, "Command1", "A&fficher"),
      listView(*this, "FramePlus2", "Sauvgarde des paramettres système :"),
      pointList(*this, "List1"),
      back(*this, "ButtonPlus1", "&Retour"),
      close(*this, "TopButtons_XP1", "×"),
      noRestorePoint(*this, "NoRestorePoint", "Aucun point de restauration."),
      listingFailed(*this, "ListingFailed", "Impossible d'obtenir la liste des points de restauration.") {
    close.SetToolTipText("Quitter");
    // Fixed at design: the program never adds, removes or translates an entry.
    for (const char* entry : {"Optimisation Velmora", "Application setup", "Hardware setup"}) pointType.AddItem(entry);
    Layout();
    create.OnClick = [this] { CreateClicked(); };
    showList.OnClick = [this] { ShowList(); };
    back.OnClick = [this] { ShowCreationView(); };
    cancel.OnClick = [this] { Close(); };
    close.OnClick = [this] { Close(); };
}

void Sysbackup::Layout() {
    using namespace backupdesign;
    SetDesign(DesignPixelsToTwips(kWidth), DesignPixelsToTwips(kHeight), "backup.background");
    close.SetPosition(look::DesignBounds(kWidth - 44, 10, 28, 24));
    close.SetLook(look::Text(11, true, 0, ui::Appearance::Align::Center));
    // Drawn rather than written, as the information window's close button, so the two look alike.
    close.SetPicture(kCloseMarkPicture);
    for (ui::Label* text : {&noRestorePoint, &listingFailed}) text->SetVisible(false);

    for (ui::FramePlus* frame : {&creationView, &listView})
        frame->SetPosition(look::DesignBounds(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));
    constexpr int inner = kFrameWidth - 28;
    const int buttonsTop = kFrameHeight - 48;

    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &introduction, &nameCaption, &pointName, &typeCaption, &pointType, &create, &cancel, &showList})
        control->PlaceIn(creationView);
    introduction.SetPosition(look::DesignBounds(14, 28, inner, 68));
    introduction.SetLook(look::Text(9, false, look::kInk));
    // Each caption shares its row and its baseline with the box beside it; the two boxes are of one height.
    nameCaption.SetPosition(look::DesignBounds(14, 110, 200, 22));
    pointName.SetPosition(look::DesignBounds(222, 110, inner - 208, 22));
    typeCaption.SetPosition(look::DesignBounds(14, 148, 200, 22));
    pointType.SetPosition(look::DesignBounds(222, 148, inner - 208, 22));
    ui::Appearance besideBox = look::Text(8.25, true, look::kInk);
    besideBox.middle = true;
    for (ui::Label* label : {&nameCaption, &typeCaption}) label->SetLook(besideBox);
    create.SetPosition(look::DesignBounds(14, buttonsTop, 130, 34));
    cancel.SetPosition(look::DesignBounds(156, buttonsTop, 130, 34));
    showList.SetPosition(look::DesignBounds(14 + inner - 130, buttonsTop, 130, 34));

    pointList.PlaceIn(listView);
    back.PlaceIn(listView);
    pointList.SetPosition(look::DesignBounds(14, 28, inner, buttonsTop - 40));
    back.SetPosition(look::DesignBounds(14 + inner - 130, buttonsTop, 130, 34));
    for (ui::ButtonPlus* button : {&create, &cancel, &showList, &back}) button->SetLook(look::Text(9, true, 0));
}

void Sysbackup::ShowCreationView() {
    listView.SetVisible(false);
    creationView.SetVisible(true);
}

// The window was perhaps open before: it starts again as opened the first time.
void Sysbackup::ReturnToDesignState() {
    pointName.SetText("");
    pointType.SetListIndex(-1);
    pointList.Clear();
    ShowCreationView();
    SetMousePointer(ui::MousePointer::Default);
}

void Sysbackup::CreateClicked() {
    // The request blocks the window: a second click, queued meanwhile, would
    // otherwise ask for a second restore point once it runs.
    create.SetEnabled(false);
    CreateRestorePoint();
    create.SetEnabled(true);
}

void Sysbackup::CreateRestorePoint() {
    // Only the empty name is refused: blanks are a name the service takes as it is.
    if (pointName.Text().empty()) {
        program_.dialogs.MsgBox(kNameMissing, ui::mb::Information, "");
        return;
    }
    SetMousePointer(ui::MousePointer::Hourglass);
    bool made = false;
    if (const std::optional<std::int32_t> type = RestorePointTypeOfEntry(pointType.ListIndex()))
        made = MakeRestorePoint(program_.platform.management, program_.platform.registry, pointName.Text(), *type);
    SetMousePointer(ui::MousePointer::Default);
    program_.dialogs.MsgBox(RestorePointOutcome(made), ui::mb::Information, "");
}

void Sysbackup::ShowList() {
    // The service first: the list keeps its lines when the service cannot be reached.
    const auto points = ListRestorePoints(program_.platform.management);
    if (!points) {
        program_.dialogs.MsgBox(listingFailed.Caption(), ui::mb::Information, "");
        return;
    }
    pointList.Clear();
    for (const RestorePointRecord& point : points.Value()) pointList.AddItem(FormatRestorePointRow(point));
    // An empty list would look like a listing that failed.
    if (points.Value().empty()) pointList.AddItem(noRestorePoint.Caption());
    listView.SetVisible(true);
    creationView.SetVisible(false);
}

}  // namespace brivex
