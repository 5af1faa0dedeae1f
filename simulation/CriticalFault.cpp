#include "simulation/CriticalFault.h"

#include <string_view>

#include "model/Host.h"

namespace zuvar {

void CriticalFault::Report(THost& host, bool scrollEachLine) {
  static constexpr std::string_view lines[] = {
      "BŁĄD: Najprawdopodobniej wykonano w założeniach teoretycznych instrukcje,",
      "      które w rzeczywistości nie zostały jeszcze w pełni poprawnie zaimplementowane",
      "      w interpretatorze kodu źródłowego.",
      "      UWAGA!!!  Zalecane jest zamknięcie aplikacji i ponowne jej uruchomienie,",
      "      gdyż od tej chwili stabliność programu została poważnie naruszona!",
  };
  host.ShowMessage("Wystąpił wyjątek krytyczny podczas interpretacji kodu źródłowego!",
                   "Błąd w interpretacji kodu!", TMsgIcon::None, TMsgButtons::Ok);
  for (std::string_view line : lines) {
    host.AppendLog(line);
    if (scrollEachLine) host.ScrollLogPage();
  }
  if (!scrollEachLine) host.ScrollLogPage();
}

}  // namespace zuvar
