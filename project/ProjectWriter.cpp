#include "project/ProjectWriter.h"

#include <charconv>
#include <cstdint>

#include "model/Cp1250.h"
#include "model/Host.h"
#include "model/Schemat.h"
#include "project/BlockRecordFields.h"
#include "project/FileError.h"
#include "project/NewFileStream.h"

namespace zuvar {

namespace {

constexpr std::string_view kMagic = "ZUVAR2.0";
constexpr std::string_view kLineEnd = "\r\n";

// Takes a block from being active and gives it back, also when writing fails.
class TActiveBlockPause {
 public:
  explicit TActiveBlockPause(TSchemat& doc) : doc_(doc), block_(doc.ActiveBlock) {
    doc_.SetActiveBlock(nullptr);
  }
  ~TActiveBlockPause() { doc_.SetActiveBlock(block_); }
  TActiveBlockPause(const TActiveBlockPause&) = delete;
  TActiveBlockPause& operator=(const TActiveBlockPause&) = delete;

 private:
  TSchemat& doc_;
  TNewShape* block_;
};

}  // namespace

TWriteResult TProjectWriter::Write(const std::string& fileName, TSchemat& doc) {
  const TWriteResult result = WriteFile(fileName, doc);
  if (result != TWriteResult::Ok) {
    ReportFailure(fileName);
    return result;
  }
  doc.Saved = true;
  host_.AppendLog("Zapisanie projektu " + fileName);
  doc.SetTitle(fileName);
  return TWriteResult::Ok;
}

TWriteResult TProjectWriter::WriteCopy(const std::string& fileName, TSchemat& doc) {
  return WriteFile(fileName, doc);
}

// The document counts as saved only once the file stands complete in its place.
TWriteResult TProjectWriter::WriteFile(const std::string& fileName, TSchemat& doc) {
  std::unique_ptr<TNewFileStream> stream;
  try {
    stream = std::make_unique<TNewFileStream>(fileName, TNewFileStream::TMode::Create,
                                              TFileStreamOptions::WithFault(fault_));
  } catch (const TFileError&) {
    return TWriteResult::CreateFailed;
  }
  try {
    WriteDocument(*stream, doc);
    stream->Close();
  } catch (const TFileError&) {
    return TWriteResult::WriteFailed;
  }
  return TWriteResult::Ok;
}

void TProjectWriter::ReportFailure(const std::string& fileName) {
  host_.AppendLog("Wystąpił błąd podczas zapisywania projektu: " + fileName);
  host_.ShowMessage("Wystąpił błąd podczas zapisywania projektu - brak dostępu do zapisu!",
                    "Błąd operacji zapisu....", TMsgIcon::None, TMsgButtons::Ok);
}

void TProjectWriter::WriteDocument(TNewFileStream& stream, TSchemat& doc) {
  WriteLine(stream, kMagic);
  WriteNumber(stream, doc.SheetWidth);
  WriteNumber(stream, doc.SheetHeight);
  const TActiveBlockPause pause(doc);
  for (const TNewShape* block = doc.FirstBlock; block; block = block->Next) {
    WriteBlock(stream, *block);
  }
}

// The record is made in UTF-8 and converted to Windows-1250 as a whole: its numbers and line
// ends are ASCII, which the conversion keeps.
void TProjectWriter::WriteBlock(TNewFileStream& stream, const TNewShape& block) {
  record_.clear();
  TBlockRecordFields::Of(block).AppendTo(record_);
  stream.Write(Cp1250::FromUtf8(record_));
}

void TProjectWriter::WriteLine(TNewFileStream& stream, std::string_view text) {
  line_.assign(text);
  line_.append(kLineEnd);
  stream.Write(line_);
}

void TProjectWriter::WriteNumber(TNewFileStream& stream, long long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  WriteLine(stream, std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

}  // namespace zuvar
