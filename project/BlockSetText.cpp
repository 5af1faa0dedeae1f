#include "project/BlockSetText.h"

#include <charconv>
#include <unordered_map>
#include <unordered_set>

#include "model/Schemat.h"
#include "project/ConversionError.h"

namespace zuvar::BlockSetText {

namespace {

constexpr std::string_view kMagic = "ZUVAR2.0";

// Hands out the lines of a text. A line ends at CR LF, LF or CR: the text may have passed
// through programs that change line ends.
class TTextLines {
 public:
  explicit TTextLines(std::string_view text) : text_(text) {}

  std::string ReadLine() {
    const std::size_t end = std::min(text_.find_first_of("\r\n", pos_), text_.size());
    std::string line(text_.substr(pos_, end - pos_));
    pos_ = end;
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    return line;
  }
  bool AtEnd() const { return pos_ >= text_.size(); }
  // Only line ends are left: a text may carry one more than the last record needs.
  bool OnlyLineEndsLeft() const { return text_.find_first_not_of("\r\n", pos_) == text_.npos; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

void AppendNumberLine(std::string& out, std::int32_t value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, result.ptr);
  out.append("\r\n");
}

// A shift that wraps like the 32-bit numbers of the file instead of overflowing.
std::int32_t Shifted(std::int32_t value, std::int32_t by) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) +
                                   static_cast<std::uint32_t>(by));
}

TNewShape* AddBlock(TSchemat& document, const TBlockRecordFields& r, std::int32_t dx,
                    std::int32_t dy) {
  TNewShape* block = document.AddBlock(static_cast<TNewShapeType>(r.Type & 0xFF));
  if (block == nullptr) return nullptr;
  block->Resize(r.Width, r.Height);
  block->MoveTo(Shifted(r.Left, dx), Shifted(r.Top, dy));
  block->SetCaption(r.Caption);
  block->Code = r.Code;
  block->TrueLinkColor = r.TrueLinkColor;
  block->FalseLinkColor = r.FalseLinkColor;
  return block;
}

}  // namespace

std::string Write(const TSchemat& document, const std::vector<const TNewShape*>& blocks) {
  const std::unordered_set<const TNewShape*> inSet(blocks.begin(), blocks.end());
  const auto outside = [&inSet](const TNewShape* target) { return inSet.count(target) == 0; };
  std::string text(kMagic);
  text.append("\r\n");
  AppendNumberLine(text, document.SheetWidth);
  AppendNumberLine(text, document.SheetHeight);
  for (const TNewShape* block : blocks) {
    TBlockRecordFields record = TBlockRecordFields::Of(*block);
    if (outside(block->BlockLink)) record.LinkId = 0, record.LinkCode = 0;
    if (outside(block->BlockLinkFalse)) record.LinkFalseId = 0, record.LinkFalseCode = 0;
    record.AppendTo(text);
  }
  return text;
}

std::optional<std::vector<TBlockRecordFields>> Parse(std::string_view text) {
  TTextLines lines(text);
  if (lines.ReadLine() != kMagic) return std::nullopt;
  std::vector<TBlockRecordFields> records;
  try {
    TDecimalField::ToInt32(lines.ReadLine());  // the sheet's width and height: not needed here
    TDecimalField::ToInt32(lines.ReadLine());
    while (!lines.OnlyLineEndsLeft()) {
      TBlockRecordFields& record = records.emplace_back();
      record.ReadFields(lines);
      record.ReadCode(lines);
    }
  } catch (const TConversionError&) {
    return std::nullopt;
  }
  if (records.empty()) return std::nullopt;
  return records;
}

std::vector<TNewShape*> Add(TSchemat& document, const std::vector<TBlockRecordFields>& records,
                            std::int32_t dx, std::int32_t dy) {
  std::vector<TNewShape*> blocks;
  blocks.reserve(records.size());
  std::unordered_map<std::uint32_t, TNewShape*> byRecordId;
  for (const TBlockRecordFields& record : records) {
    TNewShape* block = AddBlock(document, record, dx, dy);
    if (block == nullptr) break;
    blocks.push_back(block);
    byRecordId.emplace(record.Id, block);
  }
  const auto find = [&byRecordId](std::uint32_t id) -> TNewShape* {
    const auto it = byRecordId.find(id);
    return it == byRecordId.end() ? nullptr : it->second;
  };
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const TBlockRecordFields& record = records[i];
    if (TNewShape* target = find(record.LinkId); target != nullptr && record.LinkId != 0)
      TBlockRecordFields::Connect(*blocks[i], false, record.LinkCode, target);
    if (TNewShape* target = find(record.LinkFalseId); target != nullptr && record.LinkFalseId != 0)
      TBlockRecordFields::Connect(*blocks[i], true, record.LinkFalseCode, target);
  }
  return blocks;
}

}  // namespace zuvar::BlockSetText
