#include "cli/OutputStreamer.h"

#include <cerrno>
#include <string>

#include "cli/InterruptFlag.h"

namespace zuvar {

namespace {

// The cause of a failed write in the program's words.
std::string CauseOf(int error) {
  switch (error) {
    case ENOSPC:
      return "brak miejsca na dysku";
    case EPIPE:
      return "odbiorca zamknął wyjście";
    case EFBIG:
      return "przekroczony największy rozmiar pliku";
    case EIO:
      return "błąd urządzenia";
    default:
      return "błąd systemu nr " + std::to_string(error);
  }
}

}  // namespace

void TOutputStreamer::OnTextAppended(std::string_view text) { Put(text); }

void TOutputStreamer::OnLineAdded() {
  // The very first line of an empty panel is not a line break: it is the line being written.
  if (lines_.LineCount() <= 1) return;
  Put("\n");
}

void TOutputStreamer::OnCleared() {}

void TOutputStreamer::Finish() {
  if (!lines_.LastLineEmpty()) Put("\n");
  Put({});
}

void TOutputStreamer::Put(std::string_view bytes) {
  if (failed_) return;
  errno = 0;
  // An empty text only flushes: fwrite must not be handed the null data of an empty view.
  const bool written =
      (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out_) == bytes.size()) &&
      std::fflush(out_) == 0;
  if (!written) ReportFailure(errno);
}

void TOutputStreamer::ReportFailure(int error) {
  failed_ = true;
  std::fprintf(err_, "zuvar-run: Błąd zapisu na standardowe wyjście (%s)! Symulacja przerwana.\n",
               CauseOf(error).c_str());
  std::fflush(err_);
  InterruptFlag::RaiseOutputFailed();
}

}  // namespace zuvar
