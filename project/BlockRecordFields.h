#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "project/DecimalField.h"

namespace zuvar {

class TNewShape;

// One block record of a project file as its fields hold it: fields 1 to 13 (identifier, caption,
// bounds, type, link colours, the identifiers of the exits' targets and their link codes), then
// the code lines, whose count is field 14. Project files and the clipboard share this layout;
// texts here are UTF-8, a project file converts them at its boundary.
struct TBlockRecordFields {
  std::uint32_t Id = 0;
  std::string Caption;
  std::int32_t Left = 0, Top = 0, Width = 0, Height = 0, Type = 0;
  std::uint32_t TrueLinkColor = 0, FalseLinkColor = 0;
  std::uint32_t LinkId = 0, LinkFalseId = 0;
  std::int32_t LinkCode = 0, LinkFalseCode = 0;
  std::vector<std::string> Code;

  // The record of a block as the writer stores it: each exit by its target's Id and link code.
  static TBlockRecordFields Of(const TNewShape& block);
  // Appends fields 1 to 15, every line ended by CR LF.
  void AppendTo(std::string& out) const;

  // Reads fields 1 to 13 from a line source (ReadLine, AtEnd). A numeric field that is not a
  // decimal integer throws TConversionError.
  template <class TLines>
  void ReadFields(TLines& lines);
  // Reads field 14 and as many code lines as it counts, into Code. A count beyond the end of
  // the data stops at the end, keeping the lines that are there; a count of 0 or less reads none.
  template <class TLines>
  void ReadCode(TLines& lines);

  // Sets one exit of a block to a target from a link code (exit side in bits 4 to 7, entry side
  // in bits 0 to 3); a decision block's link takes its colour (TrueLinkColor or FalseLinkColor).
  static void Connect(TNewShape& block, bool falseExit, std::int32_t linkCode, TNewShape* target);
};

template <class TLines>
void TBlockRecordFields::ReadFields(TLines& lines) {
  const auto int32 = [&lines] { return TDecimalField::ToInt32(lines.ReadLine()); };
  Id = TDecimalField::ToId(lines.ReadLine());
  Caption = lines.ReadLine();
  Left = int32();
  Top = int32();
  Width = int32();
  Height = int32();
  Type = int32();
  TrueLinkColor = static_cast<std::uint32_t>(int32());
  FalseLinkColor = static_cast<std::uint32_t>(int32());
  LinkId = TDecimalField::ToId(lines.ReadLine());
  LinkFalseId = TDecimalField::ToId(lines.ReadLine());
  LinkCode = int32();
  LinkFalseCode = int32();
}

template <class TLines>
void TBlockRecordFields::ReadCode(TLines& lines) {
  const std::int32_t count = TDecimalField::ToInt32(lines.ReadLine());
  for (std::int32_t i = 0; i < count && !lines.AtEnd(); ++i) Code.push_back(lines.ReadLine());
}

}  // namespace zuvar
