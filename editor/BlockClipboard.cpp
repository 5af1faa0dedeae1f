#include "editor/BlockClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUndoStack>
#include <algorithm>
#include <limits>
#include <string_view>

#include "editor/SchematView.h"
#include "editor/commands/PasteBlocksCommand.h"
#include "project/BlockSetText.h"

namespace zuvar::BlockClipboard {

namespace {

constexpr int32_t kPasteShift = 20;

struct TBounds {
  int64_t Left = std::numeric_limits<int64_t>::max(), Top = std::numeric_limits<int64_t>::max();
  int64_t Right = std::numeric_limits<int64_t>::min(), Bottom = std::numeric_limits<int64_t>::min();
};

TBounds BoundsOf(const std::vector<TBlockRecordFields>& records) {
  TBounds b;
  for (const TBlockRecordFields& r : records) {
    b.Left = std::min<int64_t>(b.Left, r.Left);
    b.Top = std::min<int64_t>(b.Top, r.Top);
    b.Right = std::max<int64_t>(b.Right, int64_t{r.Left} + r.Width);
    b.Bottom = std::max<int64_t>(b.Bottom, int64_t{r.Top} + r.Height);
  }
  return b;
}

// A shift along one axis that keeps the span [low, high) within [0, limit), where it fits.
int32_t OnSheet(int64_t shift, int64_t low, int64_t high, int32_t limit) {
  if (high + shift > limit) shift = limit - high;
  if (low + shift < 0) shift = -low;
  return static_cast<int32_t>(std::clamp<int64_t>(shift, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

QPoint Offset(const TSchemat& document, const std::vector<TBlockRecordFields>& records,
              std::optional<QPoint> at) {
  const TBounds b = BoundsOf(records);
  const int64_t dx = at ? at->x() - b.Left : kPasteShift;
  const int64_t dy = at ? at->y() - b.Top : kPasteShift;
  return QPoint(OnSheet(dx, b.Left, b.Right, document.SheetWidth),
                OnSheet(dy, b.Top, b.Bottom, document.SheetHeight));
}

// The blocks from the given one to the end of the list are selected, every other one is not.
void SelectFrom(TSchemat& document, const TNewShape* first) {
  bool pasted = false;
  for (TNewShape* block = document.FirstBlock; block != nullptr; block = block->Next) {
    pasted = pasted || block == first;
    if (pasted)
      TSchematView::MarkSelected(*block);
    else
      TSchematView::MarkUnselected(*block);
  }
}

}  // namespace

bool Copy(TSchematView& view) {
  const TSchemat& document = view.Document();
  std::vector<const TNewShape*> blocks;
  for (const TNewShape* block = document.FirstBlock; block != nullptr; block = block->Next) {
    if (TSchematView::IsSelected(*block) || block == document.ActiveBlock) blocks.push_back(block);
  }
  if (blocks.empty()) return false;
  const std::string text = BlockSetText::Write(document, blocks);
  const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(MimeType), bytes);
  data->setText(QString::fromUtf8(bytes));
  QGuiApplication::clipboard()->setMimeData(data);
  return true;
}

bool Paste(TSchematView& view, std::optional<QPoint> at) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr) return false;
  const QString type = QString::fromLatin1(MimeType);
  const QByteArray bytes = data->hasFormat(type) ? data->data(type) : data->text().toUtf8();
  auto records = BlockSetText::Parse(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!records) return false;
  TSchemat& document = view.Document();
  const QPoint offset = Offset(document, *records, at);
  view.SetActiveBlock(nullptr);
  const TNewShape* last = document.LastBlock;
  view.UndoStack().push(new TPasteBlocksCommand(view, std::move(*records), offset.x(), offset.y()));
  const TNewShape* first = last != nullptr ? last->Next : document.FirstBlock;
  if (first == nullptr) return false;
  SelectFrom(document, first);
  return true;
}

}  // namespace zuvar::BlockClipboard
