#include "project/ProjectWriter.h"

#include <charconv>
#include <cstdint>

#include "model/Cp1250.h"
#include "model/Host.h"
#include "model/Schemat.h"
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

// Colours and link codes are written as signed 32-bit numbers, as the reader converts them.
long long Signed(std::uint32_t bits) { return static_cast<std::int32_t>(bits); }

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

void TProjectWriter::WriteBlock(TNewFileStream& stream, const TNewShape& block) {
  WriteNumber(stream, block.Id);
  WriteLine(stream, Cp1250::FromUtf8(block.Caption));
  WriteNumber(stream, block.Left);
  WriteNumber(stream, block.Top);
  WriteNumber(stream, block.Width);
  WriteNumber(stream, block.Height);
  WriteNumber(stream, static_cast<std::uint8_t>(block.Shape));
  WriteNumber(stream, Signed(block.TrueLinkColor));
  WriteNumber(stream, Signed(block.FalseLinkColor));
  WriteNumber(stream, block.BlockLink ? block.BlockLink->Id : 0);
  WriteNumber(stream, block.BlockLinkFalse ? block.BlockLinkFalse->Id : 0);
  WriteNumber(stream, block.OutLink ? block.OutLink->LinkCode : 0);
  WriteNumber(stream, block.OutLinkFalse ? block.OutLinkFalse->LinkCode : 0);
  WriteNumber(stream, static_cast<long long>(block.Code.size()));
  for (const std::string& line : block.Code) WriteLine(stream, Cp1250::FromUtf8(line));
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
