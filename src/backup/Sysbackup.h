#pragma once

#include <cstdint>
#include <optional>

#include "program/ToolWindow.h"
#include "ui/ButtonPlus.h"
#include "ui/FramePlus.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/TextBox.h"

namespace brivex {

// The system backup window: a restore point made under a name and type of the
// user's choice, and the list of the existing ones. Two views share one place:
// the creation view in front, the list behind it until "A&fficher".
class Sysbackup final : public ToolWindow {
public:
    explicit Sysbackup(Program& program);

    ui::FramePlus creationView;
    ui::Label introduction;
    ui::Label nameCaption;
    ui::TextBox pointName;
    ui::Label typeCaption;
    ui::ComboBox pointType;
    ui::ButtonPlus create;
    ui::ButtonPlus cancel;
    ui::ButtonPlus showList;
    ui::FramePlus listView;
    ui::ListBox pointList;
    ui::ButtonPlus back;
    ui::ButtonPlus close;
    // Two texts of the list view, translated like every caption and never shown themselves.
    ui::Label noRestorePoint;
    ui::Label listingFailed;

private:
    void ReturnToDesignState() override;
    void CreateClicked();
    void CreateRestorePoint();
    void ShowList();
    void ShowCreationView();
    void Layout();
};

// The restore point type of an entry of the type list; none for no entry.
std::optional<std::int32_t> RestorePointTypeOfEntry(int listIndex);

// The window's design, in pixels at 96 dots per inch, which the art drawn behind it follows.
namespace backupdesign {
inline constexpr int kWidth = 560;
inline constexpr int kHeight = 372;
inline constexpr int kBand = 44;
inline constexpr int kFrameLeft = 18;
inline constexpr int kFrameTop = kBand + 14;
inline constexpr int kFrameWidth = kWidth - 2 * kFrameLeft;
inline constexpr int kFrameHeight = kHeight - kFrameTop - 16;
}  // namespace backupdesign

}  // namespace brivex
