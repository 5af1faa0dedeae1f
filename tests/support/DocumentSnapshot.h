#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "model/Schemat.h"
#include "project/ProjectWriter.h"
#include "tests/support/RecordingHost.h"

namespace zuvar::test {

// The whole state of a document as one text: the project file the writer makes of it (sheet
// size, blocks in list order with Ids, places, sizes, captions, colours, connections with their
// sides, code), then LastId, Saved, the title, and what the file does not keep: every block's
// pen and fills and every link's pen and visibility. Writing leaves the document as it found it.
inline QByteArray DocumentSnapshot(TSchemat& doc) {
  const bool saved = doc.Saved;
  const std::string title = doc.Title;
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("snapshot.bin")).toStdString();
  TRecordingHost host;
  TProjectWriter(host).Write(file, doc);
  doc.Saved = saved;
  doc.SetTitle(title);
  QFile written(QString::fromStdString(file));
  QByteArray text = written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray("?");
  text += "LastId " + QByteArray::number(doc.LastId) + " Saved " + QByteArray::number(saved) +
          " Title " + QByteArray::fromStdString(title) + "\n";
  auto pen = [](const TPen& p) {
    return QByteArray::number(p.Color) + "/" + QByteArray::number(p.Width) + " ";
  };
  for (const TNewShape* b = doc.FirstBlock; b != nullptr; b = b->Next) {
    text += QByteArray::number(b->Id) + ": " + pen(b->Pen) + QByteArray::number(b->Brush.Color) +
            "/" + QByteArray::number(b->Brush.Clear) + " " +
            QByteArray::number(b->SavedBrush.Color) + " sides " + QByteArray::number(b->ExitSide) +
            QByteArray::number(b->EntrySide);
    for (const TLink* link : {b->OutLink.get(), b->OutLinkFalse.get()}) {
      if (link == nullptr) continue;
      text += " link " + pen(link->Pen) + QByteArray::number(link->Visible) + " " +
              QByteArray::number(link->StartX) + "," + QByteArray::number(link->StartY) + "-" +
              QByteArray::number(link->EndX) + "," + QByteArray::number(link->EndY);
    }
    text += "\n";
  }
  return text;
}

}  // namespace zuvar::test
