#pragma once

#include <string>

namespace brivex {

// One existing restore point as the restore service enumerates it. Every field
// is the service's own text, unconverted, or its number in decimal digits; a
// value the service left null, or could not give, is empty here, since nothing
// distinguishes them on screen.
struct RestorePointRecord {
    std::string SequenceNumber;
    std::string Description;
    std::string CreationTime;

    friend bool operator==(const RestorePointRecord&, const RestorePointRecord&) = default;
};

// The backup window's list line: "RP:" + SequenceNumber + two blanks +
// Description + " (" + CreationTime + ")".
std::string FormatRestorePointRow(const RestorePointRecord& record);

}  // namespace brivex
