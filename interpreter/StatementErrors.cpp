#include "interpreter/StatementErrors.h"

#include <string>

#include "interpreter/Interpreter.h"

namespace zuvar {

namespace {

struct TErrorClassTexts {
  std::string_view caption;
  std::string_view logPrefix;
};

TErrorClassTexts TextsOf(TErrorClass errorClass) {
  switch (errorClass) {
    case TErrorClass::NotAllowed:
      return {"Wyrażenie niedozwolone dla bloku!", "Wyrażenie niedozwolone dla bloku! "};
    case TErrorClass::Internal:
      return {"Błąd wewnętrzny programu!", "Błąd wewnętrzny programu!"};
    case TErrorClass::Syntax:
    default:
      return {"Błąd składni!", "Błąd składni! "};
  }
}

}  // namespace

bool StatementErrors::Report(TInterpreter& in, TErrorClass errorClass, std::string_view message,
                             TMsgIcon icon) {
  const TErrorClassTexts texts = TextsOf(errorClass);
  in.host.ShowMessage(message, texts.caption, icon, TMsgButtons::Ok);
  std::string line(texts.logPrefix);
  line.append(message);
  in.host.AppendLog(line);
  in.host.ScrollLogPage();
  return false;
}

bool StatementErrors::ReportWithToken(TInterpreter& in, TErrorClass errorClass,
                                      std::string_view message) {
  std::string text(message);
  text.append(in.Token);
  text.append(" : ");
  text.append(in.TokenMessage);
  return Report(in, errorClass, text);
}

}  // namespace zuvar
