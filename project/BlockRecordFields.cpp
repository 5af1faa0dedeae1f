#include "project/BlockRecordFields.h"

#include <charconv>

#include "model/NewShape.h"

namespace zuvar {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendLine(std::string& out, std::string_view text) {
  out.append(text);
  out.append(kLineEnd);
}

void AppendNumber(std::string& out, long long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  AppendLine(out, std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

// Colours are written as signed 32-bit numbers, as the reader converts them.
long long Signed(std::uint32_t bits) { return static_cast<std::int32_t>(bits); }

void ColourLink(TLink* link, TColor color) {
  if (link == nullptr) return;
  TPen pen = link->Pen;
  pen.Color = color;
  link->SetPen(pen);
}

}  // namespace

TBlockRecordFields TBlockRecordFields::Of(const TNewShape& block) {
  TBlockRecordFields r;
  r.Id = block.Id;
  r.Caption = block.Caption;
  r.Left = block.Left;
  r.Top = block.Top;
  r.Width = block.Width;
  r.Height = block.Height;
  r.Type = static_cast<std::uint8_t>(block.Shape);
  r.TrueLinkColor = block.TrueLinkColor;
  r.FalseLinkColor = block.FalseLinkColor;
  r.LinkId = block.BlockLink ? block.BlockLink->Id : 0;
  r.LinkFalseId = block.BlockLinkFalse ? block.BlockLinkFalse->Id : 0;
  r.LinkCode = block.OutLink ? block.OutLink->LinkCode : 0;
  r.LinkFalseCode = block.OutLinkFalse ? block.OutLinkFalse->LinkCode : 0;
  r.Code = block.Code;
  return r;
}

void TBlockRecordFields::AppendTo(std::string& out) const {
  AppendNumber(out, Id);
  AppendLine(out, Caption);
  AppendNumber(out, Left);
  AppendNumber(out, Top);
  AppendNumber(out, Width);
  AppendNumber(out, Height);
  AppendNumber(out, Type);
  AppendNumber(out, Signed(TrueLinkColor));
  AppendNumber(out, Signed(FalseLinkColor));
  AppendNumber(out, LinkId);
  AppendNumber(out, LinkFalseId);
  AppendNumber(out, LinkCode);
  AppendNumber(out, LinkFalseCode);
  AppendNumber(out, static_cast<long long>(Code.size()));
  for (const std::string& line : Code) AppendLine(out, line);
}

void TBlockRecordFields::Connect(TNewShape& block, bool falseExit, std::int32_t linkCode,
                                 TNewShape* target) {
  block.ExitSide = (linkCode >> 4) & 15;
  block.EntrySide = linkCode & 15;
  if (falseExit)
    block.SetBlockLinkFalse(target);
  else
    block.SetBlockLink(target);
  if (block.Shape != nstChoice) return;
  if (falseExit)
    ColourLink(block.OutLinkFalse.get(), block.FalseLinkColor);
  else
    ColourLink(block.OutLink.get(), block.TrueLinkColor);
}

}  // namespace zuvar
