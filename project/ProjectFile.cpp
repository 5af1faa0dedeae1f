#include "project/ProjectFile.h"

#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"

namespace zuvar {

bool ReadProjectFile(const std::string& fileName, TSchemat& doc, THost& host) {
  return IsLoaded(TProjectReader(host).Read(fileName, doc));
}

bool WriteProjectFile(const std::string& fileName, TSchemat& doc, THost& host) {
  return TProjectWriter(host).Write(fileName, doc) == TWriteResult::Ok;
}

}  // namespace zuvar
