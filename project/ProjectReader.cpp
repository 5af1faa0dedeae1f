#include "project/ProjectReader.h"

#include <stdexcept>
#include <vector>

#include "model/Cp1250.h"
#include "model/Host.h"
#include "model/Schemat.h"
#include "project/BlockRecordFields.h"
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

}  // namespace

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
    TBlockRecordFields record;
    record.ReadFields(*stream_);
    TNewShape& block = AddBlockFromRecord(doc, record);
    record.ReadCode(*stream_);
    block.Code.reserve(record.Code.size());
    for (const std::string& line : record.Code) block.Code.push_back(Cp1250::ToUtf8(line));
  }
}

TNewShape& TProjectReader::AddBlockFromRecord(TSchemat& doc, const TBlockRecordFields& record) {
  // Only the low 8 bits of the type are kept; a value outside the known types is kept as is.
  TNewShape* block = doc.AddBlockWithId(static_cast<TNewShapeType>(record.Type & 0xFF), record.Id);
  if (!block) throw TBlockNotCreated();
  block->MoveTo(record.Left, record.Top);
  block->Resize(record.Width, record.Height);
  block->SetCaption(Cp1250::ToUtf8(record.Caption));
  block->TrueLinkColor = record.TrueLinkColor;
  block->FalseLinkColor = record.FalseLinkColor;
  block->LoadedLinkId = record.LinkId;
  block->LoadedLinkFalseId = record.LinkFalseId;
  block->LoadedLinkCode = record.LinkCode;
  block->LoadedLinkFalseCode = record.LinkFalseCode;
  return *block;
}

std::int32_t TProjectReader::ReadInt32() { return TDecimalField::ToInt32(stream_->ReadLine()); }

TReadResult TProjectReader::ResolveLinks(TSchemat& doc) {
  const auto index = doc.BuildIdIndex();
  const auto find = [&index](std::uint32_t id) -> TNewShape* {
    const auto it = index.find(id);
    return it == index.end() ? nullptr : it->second;
  };
  // A missing target still leaves its sides in the block; the exit stays empty.
  const auto connect = [&find](TNewShape& block, bool falseExit, std::uint32_t id, int32_t code) {
    TNewShape* target = find(id);
    TBlockRecordFields::Connect(block, falseExit, code, target);
    return target != nullptr;
  };
  for (TNewShape* block = doc.FirstBlock; block; block = block->Next) {
    if (block->LoadedLinkId != 0 &&
        !connect(*block, false, block->LoadedLinkId, block->LoadedLinkCode))
      return ReportMissingId();
    if (block->LoadedLinkFalseId != 0 &&
        !connect(*block, true, block->LoadedLinkFalseId, block->LoadedLinkFalseCode))
      return ReportMissingId();
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
