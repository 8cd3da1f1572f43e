#include "app/controls/DrvFact.h"

namespace brivex {

void DrvFact::SetDrive(const std::string& drive) {
    drive_ = drive;
    facts_ = drive.empty() ? DriveFacts{} : drives_.Facts(drive.front());
}

}  // namespace brivex
