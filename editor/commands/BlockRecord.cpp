#include "editor/commands/BlockRecord.h"

#include "model/Schemat.h"

namespace zuvar {

TBlockRecord TBlockRecord::Capture(const TSchemat& document, const TNewShape& b) {
  TBlockRecord r;
  r.Index = document.IndexOf(&b);
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
  TNewShape* b = document.InsertBlockWithId(document.BlockAt(Index), Shape, Id);
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
