#pragma once

#include <string>
#include <string_view>

#include "project/SafeFile.h"

namespace zuvar {

class THost;
class TNewFileStream;
class TNewShape;
class TSchemat;

// The outcome of writing a project file.
enum class TWriteResult {
  Ok,
  // The file could not be created; reported, nothing in the document changed.
  CreateFailed,
  // The file could not be written completely (for example a full disk); reported with the
  // same texts as CreateFailed. The old file is untouched and nothing in the document changed.
  WriteFailed,
};

// Writes a diagram document as a "ZUVAR2.0" project file: the three header lines, then one
// record of 14 lines plus the code lines per block in list order, every line ended by CR LF,
// texts in Windows-1250.
class TProjectWriter {
 public:
  // fault: for tests, makes the writing fail after that many bytes.
  explicit TProjectWriter(THost& host, TWriteFault fault = {}) : host_(host), fault_(fault) {}

  // Writes the document into a new file that replaces the old one only when it is complete
  // (TSafeFile). On success the document is Saved, its Title is the file name and the log has
  // "Zapisanie projektu " + file name. The active block is left and taken up again around the
  // writing, which commits the source lines into it.
  TWriteResult Write(const std::string& fileName, TSchemat& doc);
  // Writes the same file as Write, safely too, as a copy of the diagram kept aside: the
  // document's Saved flag and title, the log and the user hear nothing of it, success or not.
  TWriteResult WriteCopy(const std::string& fileName, TSchemat& doc);

 private:
  TWriteResult WriteFile(const std::string& fileName, TSchemat& doc);
  void WriteDocument(TNewFileStream& stream, TSchemat& doc);
  void WriteBlock(TNewFileStream& stream, const TNewShape& block);
  void WriteLine(TNewFileStream& stream, std::string_view text);
  void WriteNumber(TNewFileStream& stream, long long value);
  void ReportFailure(const std::string& fileName);

  THost& host_;
  TWriteFault fault_;
  // Reused for every line, so writing allocates nothing per line.
  std::string line_;
  std::string record_;
};

}  // namespace zuvar
