#include "editor/commands/BlockRecord.h"

#include "model/Schemat.h"

namespace zuvar {

TBlockRecord TBlockRecord::Capture(const TSchemat& document, const TNewShape& b) {
  return Capture(b, document.IndexOf(&b));
}

TBlockRecord TBlockRecord::Capture(const TNewShape& b, std::size_t index) {
  TBlockRecord r;
  r.Index = index;
  r.Shape = b.Shape;
  r.Id = b.Id;
  r.Left = b.Left;
  r.Top = b.Top;
  r.Width = b.Width;
  r.Height = b.Height;
  r.Tag = b.Tag;
  r.ConditionResult = b.ConditionResult;
  r.TrueLinkColor = b.TrueLinkColor;
  r.FalseLinkColor = b.FalseLinkColor;
  r.LoadedLinkId = b.LoadedLinkId;
  r.LoadedLinkFalseId = b.LoadedLinkFalseId;
  r.LoadedLinkCode = b.LoadedLinkCode;
  r.LoadedLinkFalseCode = b.LoadedLinkFalseCode;
  r.Pen = b.Pen;
  r.Brush = b.Brush;
  r.SavedBrush = b.SavedBrush;
  r.EntrySide = b.EntrySide;
  r.ExitSide = b.ExitSide;
  r.Caption = b.Caption;
  r.Code = b.Code;
  return r;
}

TNewShape* TBlockRecord::Restore(TSchemat& document) const {
  return Restore(document, document.BlockAt(Index));
}

// The walk keeps the block that stands at a place of the list; a restored block goes in front
// of it, which moves it one place on, so the walk to the next record's place goes on from there.
void TBlockRecord::RestoreAll(TSchemat& document, const std::vector<TBlockRecord>& records) {
  TNewShape* at = nullptr;  // the block at place atIndex; null past the end of the list
  std::size_t atIndex = 0;
  bool walking = false;
  for (const TBlockRecord& record : records) {
    if (!walking || record.Index < atIndex) {
      at = document.BlockAt(record.Index);
      atIndex = record.Index;
      walking = true;
    }
    for (; at != nullptr && atIndex < record.Index; ++atIndex) at = at->Next;
    if (record.Restore(document, at) != nullptr) ++atIndex;
  }
}

TNewShape* TBlockRecord::Restore(TSchemat& document, TNewShape* before) const {
  TNewShape* b = document.InsertBlockWithId(before, Shape, Id);
  if (b == nullptr) return nullptr;
  b->Resize(Width, Height);
  b->MoveTo(Left, Top);
  b->Tag = Tag;
  b->ConditionResult = ConditionResult;
  b->TrueLinkColor = TrueLinkColor;
  b->FalseLinkColor = FalseLinkColor;
  b->LoadedLinkId = LoadedLinkId;
  b->LoadedLinkFalseId = LoadedLinkFalseId;
  b->LoadedLinkCode = LoadedLinkCode;
  b->LoadedLinkFalseCode = LoadedLinkFalseCode;
  b->SetPen(Pen);
  b->SetBrush(Brush);
  b->SavedBrush = SavedBrush;
  b->EntrySide = EntrySide;
  b->ExitSide = ExitSide;
  b->Code = Code;
  b->SetCaption(Caption);
  return b;
}

}  // namespace zuvar
