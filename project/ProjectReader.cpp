#include "project/ProjectReader.h"

#include <stdexcept>
#include <vector>

#include "model/Cp1250.h"
#include "model/Host.h"
#include "model/Schemat.h"
#include "project/ConversionError.h"
#include "project/DecimalField.h"
#include "project/DuplicateIdRepair.h"
#include "project/FileError.h"
#include "project/NewFileStream.h"

namespace zuvar {

namespace {

constexpr std::string_view kMagic = "ZUVAR2.0";
// The first line with its CR: a file that does not begin so is refused before more is read.
constexpr std::string_view kMagicLine = "ZUVAR2.0\r";
constexpr std::string_view kGeneralErrorCaption = "ZUVAR 32 Pro";
constexpr std::string_view kErrorCaption = "Błąd";
constexpr std::string_view kBadFormat = "niepoprawny format pliku";
constexpr std::string_view kMissingId = "Brak ID do połączenia!";
constexpr std::string_view kBlockNotCreated = "Nie można utworzyć bloku schematu.";
constexpr std::string_view kDuplicatesText =
    "Schemat zawiera nakładające się identyfikatory bloków!!! - więcej informacji w pliku Log "
    "... ";
constexpr std::string_view kDuplicatesCaption = "Błąd w strukturze wczytanego schematu blokowego!";
constexpr std::string_view kDuplicatesLog[] = {
    "BŁĄD: Błąd w strukturze wczytanego schematu!",
    "      Schemat zawiera nakładające się identyfikatory bloków.",
    "      Z tego powodu najprawdopodobniej połączenia są nieprawidłowe.",
    "      Aby usunąć błąd należy poprawić połączenia i zapisać schemat do pliku,",
    "      a następnie ponownie go załadować!",
};

// A block that could not be created stops reading like a field that cannot be converted.
class TBlockNotCreated : public std::runtime_error {
 public:
  TBlockNotCreated() : std::runtime_error(std::string(kBlockNotCreated)) {}
};

std::int32_t ExitSideOf(std::int32_t linkCode) { return (linkCode >> 4) & 15; }
std::int32_t EntrySideOf(std::int32_t linkCode) { return linkCode & 15; }

// Takes the sides of the next connection from a stored link code; passes the target through.
TNewShape* PrepareExit(TNewShape& block, std::int32_t linkCode, TNewShape* target) {
  block.ExitSide = ExitSideOf(linkCode);
  block.EntrySide = EntrySideOf(linkCode);
  return target;
}

void ColourLink(TLink* link, TColor color) {
  if (!link) return;
  TPen pen = link->Pen;
  pen.Color = color;
  link->SetPen(pen);
}

}  // namespace

// Fields 1 to 13 of a block record.
struct TProjectReader::TRecord {
  std::uint32_t id = 0;
  std::string caption;
  std::int32_t left = 0, top = 0, width = 0, height = 0, type = 0;
  std::uint32_t trueLinkColor = 0, falseLinkColor = 0;
  std::uint32_t linkId = 0, linkFalseId = 0;
  std::int32_t linkCode = 0, linkFalseCode = 0;
};

TProjectReader::TProjectReader(THost& host) : host_(host) {}

TProjectReader::~TProjectReader() = default;

TReadResult TProjectReader::Read(const std::string& fileName, TSchemat& doc) {
  TReadResult result = Open(fileName);
  if (result != TReadResult::Ok) return result;
  result = ReadSheetSize(doc);
  if (result != TReadResult::Ok) return result;
  return ReadBlocks(doc);
}

TReadResult TProjectReader::Open(const std::string& fileName) {
  fileName_ = fileName;
  host_.AppendLog("Otwarcie projektu " + fileName);
  try {
    stream_ = std::make_unique<TNewFileStream>(fileName, TNewFileStream::TMode::Read,
                                               TFileStreamOptions::RequiringStart(kMagicLine));
  } catch (const TFileError& error) {
    ReportGeneralError(error.what());
    return TReadResult::FileOpenFailed;
  }
  if (stream_->ReadLine() != kMagic) {
    host_.ShowMessage(kBadFormat, kErrorCaption, TMsgIcon::None, TMsgButtons::Ok);
    host_.AppendLog("BŁĄD: " + std::string(kBadFormat));
    stream_.reset();
    return TReadResult::BadMagic;
  }
  return TReadResult::Ok;
}

TReadResult TProjectReader::ReadSheetSize(TSchemat& doc) {
  if (!stream_) return TReadResult::FileOpenFailed;
  try {
    const std::int32_t width = ReadInt32();
    doc.SetSheetSize(width, doc.SheetHeight);
    doc.SetSheetSize(width, ReadInt32());
  } catch (const TConversionError& error) {
    stream_.reset();
    ReportGeneralError(error.what());
    return TReadResult::ReadFailed;
  }
  doc.SetTitle(fileName_);
  return TReadResult::Ok;
}

TReadResult TProjectReader::ReadBlocks(TSchemat& doc) {
  if (!stream_) return TReadResult::FileOpenFailed;
  try {
    ReadRecords(doc);
  } catch (const std::runtime_error& error) {  // TConversionError, TBlockNotCreated
    stream_.reset();
    ReportGeneralError(error.what());
    return TReadResult::ReadFailed;
  }
  stream_.reset();
  if (ResolveLinks(doc) == TReadResult::MissingId) return TReadResult::MissingId;
  const TReadResult result = RepairDuplicateIds(doc);
  doc.Saved = true;
  return result;
}

void TProjectReader::ReadRecords(TSchemat& doc) {
  while (!stream_->AtEnd()) {
    const TRecord record = ReadRecordFields();
    AddBlockFromRecord(doc, record);
  }
}

TProjectReader::TRecord TProjectReader::ReadRecordFields() {
  TRecord record;
  record.id = TDecimalField::ToId(stream_->ReadLine());
  record.caption = stream_->ReadLine();
  record.left = ReadInt32();
  record.top = ReadInt32();
  record.width = ReadInt32();
  record.height = ReadInt32();
  record.type = ReadInt32();
  record.trueLinkColor = static_cast<std::uint32_t>(ReadInt32());
  record.falseLinkColor = static_cast<std::uint32_t>(ReadInt32());
  record.linkId = TDecimalField::ToId(stream_->ReadLine());
  record.linkFalseId = TDecimalField::ToId(stream_->ReadLine());
  record.linkCode = ReadInt32();
  record.linkFalseCode = ReadInt32();
  return record;
}

void TProjectReader::AddBlockFromRecord(TSchemat& doc, const TRecord& record) {
  // Only the low 8 bits of the type are kept; a value outside the known types is kept as is.
  TNewShape* block = doc.AddBlockWithId(static_cast<TNewShapeType>(record.type & 0xFF), record.id);
  if (!block) throw TBlockNotCreated();
  block->MoveTo(record.left, record.top);
  block->Resize(record.width, record.height);
  block->SetCaption(Cp1250::ToUtf8(record.caption));
  block->TrueLinkColor = record.trueLinkColor;
  block->FalseLinkColor = record.falseLinkColor;
  block->LoadedLinkId = record.linkId;
  block->LoadedLinkFalseId = record.linkFalseId;
  block->LoadedLinkCode = record.linkCode;
  block->LoadedLinkFalseCode = record.linkFalseCode;
  ReadCode(*block);
}

// Reads the code lines of a record. A count beyond the end of the data stops at the end: the
// lines that are there are kept and the file counts as complete, so a damaged count can
// neither exhaust memory nor keep the reader busy with lines that do not exist.
void TProjectReader::ReadCode(TNewShape& block) {
  const std::int32_t count = ReadInt32();
  for (std::int32_t i = 0; i < count && !stream_->AtEnd(); ++i) {
    block.Code.push_back(Cp1250::ToUtf8(stream_->ReadLine()));
  }
}

std::int32_t TProjectReader::ReadInt32() { return TDecimalField::ToInt32(stream_->ReadLine()); }

TReadResult TProjectReader::ResolveLinks(TSchemat& doc) {
  const auto index = doc.BuildIdIndex();
  const auto find = [&index](std::uint32_t id) -> TNewShape* {
    const auto it = index.find(id);
    return it == index.end() ? nullptr : it->second;
  };
  for (TNewShape* block = doc.FirstBlock; block; block = block->Next) {
    const bool decision = block->Shape == nstChoice;
    if (block->LoadedLinkId != 0) {
      TNewShape* target = PrepareExit(*block, block->LoadedLinkCode, find(block->LoadedLinkId));
      if (!target) return ReportMissingId();
      block->SetBlockLink(target);
      if (decision) ColourLink(block->OutLink.get(), block->TrueLinkColor);
    }
    if (block->LoadedLinkFalseId != 0) {
      TNewShape* target =
          PrepareExit(*block, block->LoadedLinkFalseCode, find(block->LoadedLinkFalseId));
      if (!target) return ReportMissingId();
      block->SetBlockLinkFalse(target);
      if (decision) ColourLink(block->OutLinkFalse.get(), block->FalseLinkColor);
    }
  }
  return TReadResult::Ok;
}

TReadResult TProjectReader::ReportMissingId() {
  host_.ShowMessage(kMissingId, kErrorCaption, TMsgIcon::None, TMsgButtons::Ok);
  host_.AppendLog("BŁĄD: " + std::string(kMissingId));
  return TReadResult::MissingId;
}

TReadResult TProjectReader::RepairDuplicateIds(TSchemat& doc) {
  std::vector<std::uint32_t> ids;
  ids.reserve(doc.BlockCount());
  for (const TNewShape* block = doc.FirstBlock; block; block = block->Next)
    ids.push_back(block->Id);
  if (!TDuplicateIdRepair::Repair(ids, doc.LastId)) return TReadResult::Ok;
  std::size_t i = 0;
  for (TNewShape* block = doc.FirstBlock; block; block = block->Next) block->Id = ids[i++];
  host_.ShowMessage(kDuplicatesText, kDuplicatesCaption, TMsgIcon::None, TMsgButtons::Ok);
  for (std::string_view line : kDuplicatesLog) host_.AppendLog(line);
  return TReadResult::DuplicatesRepaired;
}

void TProjectReader::ReportGeneralError(const std::string& text) {
  host_.ShowMessage(text, kGeneralErrorCaption, TMsgIcon::Error, TMsgButtons::Ok);
}

}  // namespace zuvar
