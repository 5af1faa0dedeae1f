#pragma once

#include <string>

namespace zuvar {

class THost;
class TSchemat;

// Entry points for front ends that open and save a project without dialogs in between (the
// terminal runner). Messages and log lines go through the host exactly as in the desktop
// program.

// Reads a project file into a fresh document. True when the diagram was loaded (duplicate
// identifiers may have been repaired); false when the file could not be opened, is no project
// file, or stopped at a faulty field or a missing connection target.
bool ReadProjectFile(const std::string& fileName, TSchemat& doc, THost& host);

// Writes the document as a project file. True when the file was written completely.
bool WriteProjectFile(const std::string& fileName, TSchemat& doc, THost& host);

}  // namespace zuvar
