#include "editor/commands/LinkRecord.h"

#include "model/Schemat.h"

namespace zuvar {

TLinkRecord TLinkRecord::Capture(const TNewShape& source, bool falseExit) {
  const TNewShape* target = falseExit ? source.BlockLinkFalse : source.BlockLink;
  const TLink* link = falseExit ? source.OutLinkFalse.get() : source.OutLink.get();
  TLinkRecord r;
  r.SourceId = source.Id;
  r.FalseExit = falseExit;
  r.TargetId = target != nullptr ? target->Id : 0;
  if (link != nullptr) {
    r.LinkCode = link->LinkCode;
    r.Pen = link->Pen;
    r.Visible = link->Visible;
  }
  return r;
}

std::vector<TLinkRecord> TLinkRecord::Touching(
    const TSchemat& document, const std::function<bool(const TNewShape*)>& picked) {
  std::vector<TLinkRecord> records;
  for (const TNewShape* b = document.FirstBlock; b != nullptr; b = b->Next) {
    const bool source = picked(b);
    if (b->BlockLink != nullptr && (source || picked(b->BlockLink)))
      records.push_back(Capture(*b, false));
    if (b->BlockLinkFalse != nullptr && (source || picked(b->BlockLinkFalse)))
      records.push_back(Capture(*b, true));
  }
  return records;
}

void TLinkRecord::Restore(TSchemat& document) const {
  Restore(document.FindBlockById(SourceId), document.FindBlockById(TargetId));
}

void TLinkRecord::RestoreAll(TSchemat& document, const std::vector<TLinkRecord>& links) {
  if (links.size() <= 1) {
    for (const TLinkRecord& link : links) link.Restore(document);
    return;
  }
  const auto index = document.BuildIdIndex();
  const auto find = [&index](uint32_t id) -> TNewShape* {
    const auto it = index.find(id);
    return it == index.end() ? nullptr : it->second;
  };
  for (const TLinkRecord& link : links) link.Restore(find(link.SourceId), find(link.TargetId));
}

void TLinkRecord::Restore(TNewShape* source, TNewShape* target) const {
  if (source == nullptr || target == nullptr) return;
  const int32_t exitSide = source->ExitSide;
  const int32_t entrySide = source->EntrySide;
  source->ExitSide = (LinkCode >> 4) & 15;
  source->EntrySide = LinkCode & 15;
  if (FalseExit)
    source->SetBlockLinkFalse(target);
  else
    source->SetBlockLink(target);
  source->ExitSide = exitSide;
  source->EntrySide = entrySide;
  TLink* link = FalseExit ? source->OutLinkFalse.get() : source->OutLink.get();
  link->SetPen(Pen);
  if (!Visible) link->Hide();
}

}  // namespace zuvar
