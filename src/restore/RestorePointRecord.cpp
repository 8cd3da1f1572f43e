#include "restore/RestorePointRecord.h"

namespace brivex {

std::string FormatRestorePointRow(const RestorePointRecord& record) {
    std::string row = "RP:";
    row += record.SequenceNumber;
    row += "  ";
    row += record.Description;
    row += " (";
    row += record.CreationTime;
    row += ')';
    return row;
}

}  // namespace brivex
