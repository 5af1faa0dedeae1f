#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace zuvar {

struct TBlockRecordFields;
class THost;
class TNewFileStream;
class TNewShape;
class TSchemat;

// The outcome of reading a project file, step by step.
enum class TReadResult {
  // Loaded (or, for the first steps, ready for the next step).
  Ok,
  // Loaded; duplicate block identifiers were renumbered and reported.
  DuplicatesRepaired,
  // The file could not be opened; reported. No diagram is open.
  FileOpenFailed,
  // The first line is not "ZUVAR2.0"; reported. No diagram is open.
  BadMagic,
  // A numeric field is not a decimal integer, or a block could not be created; reported by the
  // general error handler. The diagram stays with the blocks read so far, no connection is
  // resolved, and it counts as changed.
  ReadFailed,
  // A connection names an identifier that no block has; reported. Every block is loaded, the
  // connections resolved before that one stay, no identifier is repaired, the diagram counts as
  // changed.
  MissingId,
};

// True for the two outcomes that leave a loaded, unchanged diagram.
inline bool IsLoaded(TReadResult result) {
  return result == TReadResult::Ok || result == TReadResult::DuplicatesRepaired;
}

// Reads a "ZUVAR2.0" project file into a diagram document that no view shows yet. The steps are
// separate, because the desktop program starts a new diagram (which may clear the log) once the
// file proved to be a project, before the rest is read and reported:
//   Open (file and first line) -> ReadSheetSize -> ReadBlocks; a canvas is made afterwards.
// Messages and log lines go through the host; the caption of the general error handler is
// "ZUVAR 32 Pro".
class TProjectReader {
 public:
  explicit TProjectReader(THost& host);
  ~TProjectReader();
  TProjectReader(const TProjectReader&) = delete;
  TProjectReader& operator=(const TProjectReader&) = delete;

  // Logs "Otwarcie projektu " + file name, reads the whole file and checks its first line.
  TReadResult Open(const std::string& fileName);
  // Reads the sheet width and height into the document and sets its Title to the file name.
  TReadResult ReadSheetSize(TSchemat& doc);
  // Reads the block records, closes the file, resolves the connections by Id, repairs
  // duplicate identifiers and marks the document Saved.
  TReadResult ReadBlocks(TSchemat& doc);

  // All three steps, for front ends that need nothing in between.
  TReadResult Read(const std::string& fileName, TSchemat& doc);

 private:
  void ReadRecords(TSchemat& doc);
  TNewShape& AddBlockFromRecord(TSchemat& doc, const TBlockRecordFields& record);
  std::int32_t ReadInt32();
  TReadResult ResolveLinks(TSchemat& doc);
  TReadResult ReportMissingId();
  TReadResult RepairDuplicateIds(TSchemat& doc);
  void ReportGeneralError(const std::string& text);

  THost& host_;
  std::string fileName_;
  std::unique_ptr<TNewFileStream> stream_;
};

}  // namespace zuvar
