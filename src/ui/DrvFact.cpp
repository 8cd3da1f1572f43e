#include "ui/DrvFact.h"

namespace brivex::ui {

void DrvFact::SetDrive(const std::string& drive) {
    drive_ = drive;
    facts_ = drive.empty() ? DriveFacts{} : drives_.Facts(drive.front());
}

}  // namespace brivex::ui
