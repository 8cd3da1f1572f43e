#pragma once
// The differential check of the initialisation-file engines: one program, built
// on the portable engine natively and on kernel32 for Windows, reads and writes
// the same files through the IniFile interface and prints everything it saw as
// a transcript; the two transcripts must be identical, byte for byte.

#include <ostream>
#include <string>
#include <vector>

#include "platform/IniFile.h"

namespace brivex::testing {

// Runs every case on files in `workFolder` (an existing folder, ASCII path),
// taking the real-world files from `corpusFolders`. Returns the number of cases.
int RunIniDiff(IniFile& ini, const std::string& workFolder, const std::vector<std::string>& corpusFolders,
               std::ostream& out);

}  // namespace brivex::testing
