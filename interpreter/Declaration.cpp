#include "interpreter/Declaration.h"

#include <cmath>
#include <memory>
#include <string>

#include "interpreter/ExpressionEvaluator.h"
#include "interpreter/NumberText.h"
#include "interpreter/StatementErrors.h"
#include "interpreter/Tokenizer.h"
#include "model/Cp1250.h"

namespace zuvar {

namespace {

using TVariable = TInterpreter::variables;

constexpr std::string_view kNoName = "Brak nazwy zmiennej!";
constexpr std::string_view kAlreadyDefined =
    "Próba zdefiniowana zmiennej o nazwie już wcześniej zdefiniowanej!";
constexpr std::string_view kCause = "Przyczyna -> ";
constexpr std::string_view kNoOperator = "Brak któregoś z dozwolonych operatorów!";
constexpr std::string_view kExpectedString =
    "Oczekiwano łańcucha znakowego ujetego w podwójne cudzysłowy.... :-(";
constexpr std::string_view kVoidVariable = "Nie możesz definiować zmiennych typu void!";
constexpr std::string_view kStringVariable =
    "W chwili obecenj nie możesz definiować zmiennych typu string!";
constexpr std::string_view kStringArray =
    "W chwili obecenj nie możesz definiować zmiennych tablicowych typu string!";
constexpr std::string_view kBadSize = "Niedozwolony rozmiar tablicy!";
constexpr std::string_view kNoArraySemicolonBlank =
    "Brak średnika na końcu definicji zmiennej tablicowej! ";
constexpr std::string_view kNoArraySemicolon =
    "Brak średnika na końcu definicji zmiennej tablicowej!";
constexpr std::string_view kStringTooLong =
    "Łańcuch znakowy jest zbyt długi do umieszczenia go w definiowanej tablicy!!!";
constexpr std::string_view kNoBrace = "Brak operatora początku tablicy danych: \"{\"!!!";
constexpr std::string_view kSemicolonInList =
    "Niepoprawna składnia pojedynczego elementu definiowanej tablicy!";
constexpr std::string_view kBadElement =
    "Błędne wyrażenie jednego z elementów definiowanej tablicy!";
constexpr std::string_view kTooManyElements = "Dane przekraczaja podany rozmiar tablicy!";
constexpr std::string_view kTypeMismatch = "Niezgodność typów danych!";
constexpr uint32_t kMaxArraySize = 32767;

bool IsNumericType(uint8_t type) { return type >= vtChar && type <= vtDouble; }

std::string InternalError(int number) {
  std::string text = "Błąd interpretatora nr ";
  NumberText::AppendInteger(number, text);
  text.append(" - proszę napisz: ");
  text.append(kMaintainerAddress);
  return text;
}

// One declaration being built; the variable joins the list only when everything succeeded.
class TDeclarationRun {
 public:
  TDeclarationRun(TInterpreter& in, std::string_view statement, TEvalMode mode)
      : in_(in), statement_(statement), mode_(mode), var_(std::make_unique<TVariable>()) {}

  bool Run();

 private:
  bool Syntax(std::string_view message) {
    return StatementErrors::Report(in_, TErrorClass::Syntax, message);
  }
  bool IsOperatorToken(int code) const {
    return in_.TokenKind == tkOperator && in_.OperatorCode == code;
  }
  int Next(int position) { return Tokenizer::NextToken(in_, statement_, position); }

  bool Scalar(int position);
  bool Array(int position);
  bool StringInitialiser(int position, int& after);
  bool ListInitialiser(int position, int& after);
  bool ReadListElement(int& position, std::string& element, int& separator);
  bool StoreElement(uint32_t index, const std::string& element);
  bool Complete();

  TInterpreter& in_;
  std::string_view statement_;
  TEvalMode mode_;
  std::unique_ptr<TVariable> var_;
};

bool TDeclarationRun::Run() {
  int position = Next(1);
  var_->Type = TypeCodeOf(in_.Token);
  position = Next(position);
  if (in_.TokenKind != tkIdentifier) return Syntax(kNoName);
  if (in_.VariableExists(in_.Token)) return Syntax(kAlreadyDefined);
  var_->Name = in_.Token;
  position = Next(position);
  if (position == -1) return StatementErrors::ReportWithToken(in_, TErrorClass::Syntax, kCause);
  if (in_.TokenKind != tkOperator) return Syntax(kNoOperator);
  if (IsOperatorToken(opIndexOpen)) return Array(position);
  return Scalar(position);
}

bool TDeclarationRun::Scalar(int position) {
  var_->Count = 0;
  var_->Values.assign(1, IsNumericType(var_->Type) ? "0" : "");
  if (IsOperatorToken(opAssign)) {
    if (var_->Type == vtString) {
      position = Next(position);
      if (in_.TokenKind != tkStringConst) return Syntax(kExpectedString);
      Next(position);
      if (!IsOperatorToken(opSemicolon)) return Syntax(kNoStatementEnd);
    } else {
      int evalPosition = position;
      std::string result;
      if (!ExpressionEvaluator::EvaluateInto(in_, statement_.substr(position - 1), evalPosition,
                                             mode_, result)) {
        return false;
      }
      if (IsNumericType(var_->Type)) {
        if (!NumberText::CanonicalText(var_->Type, NumberText::NumberOrZero(result),
                                       var_->Values[0])) {
          return Syntax(kTypeMismatch);
        }
      } else {
        var_->Values[0] = std::move(result);
      }
    }
  } else if (!IsOperatorToken(opSemicolon)) {
    return Syntax(kNoStatementEnd);
  }
  return Complete();
}

bool TDeclarationRun::Complete() {
  switch (var_->Type) {
    case vtChar:
    case vtInt:
    case vtLong:
    case vtDouble:
      in_.AppendVariable(std::move(var_));
      in_.ShowVariables();
      return true;
    case vtVoid:
      return Syntax(kVoidVariable);
    case vtString:
      return Syntax(kStringVariable);
    default:
      return StatementErrors::Report(in_, TErrorClass::Internal, InternalError(1));
  }
}

bool TDeclarationRun::Array(int position) {
  const std::size_t sizeStart = static_cast<std::size_t>(position) - 1;
  const std::size_t close = statement_.find(']', sizeStart);
  const std::size_t sizeEnd = close == std::string_view::npos ? statement_.size() : close;
  std::string result;
  int evalPosition = position;
  if (!ExpressionEvaluator::EvaluateInto(in_, statement_.substr(sizeStart, sizeEnd - sizeStart),
                                         evalPosition, mode_, result)) {
    return false;
  }
  const double size = std::trunc(NumberText::NumberOrZero(result));
  if (!(size >= 1 && size <= kMaxArraySize)) return Syntax(kBadSize);
  var_->Count = static_cast<uint32_t>(size);
  var_->Values.assign(var_->Count, IsNumericType(var_->Type) ? "0" : "");

  position = close == std::string_view::npos ? static_cast<int>(statement_.size()) + 1
                                             : static_cast<int>(close) + 2;
  position = Next(position);
  if (!IsOperatorToken(opAssign)) {
    if (!IsOperatorToken(opSemicolon)) return Syntax(kNoArraySemicolonBlank);
    return Complete();
  }
  switch (var_->Type) {
    case vtVoid:
      return Syntax(kVoidVariable);
    case vtString:
      return Syntax(kStringArray);
    case vtChar:
    case vtInt:
    case vtLong:
    case vtDouble:
      break;
    default:
      return StatementErrors::Report(in_, TErrorClass::Internal, InternalError(2));
  }
  int after = 0;
  bool handled = false;
  if (var_->Type == vtChar) {
    const int stringEnd = Next(position);
    if (in_.TokenKind == tkStringConst) {
      if (!StringInitialiser(stringEnd, after)) return false;
      handled = true;
    }
  }
  if (!handled && !ListInitialiser(position, after)) return false;
  Next(after);
  if (!IsOperatorToken(opSemicolon)) return Syntax(kNoArraySemicolon);
  return Complete();
}

// The codes of the characters of the string constant in Token, as signed Windows-1250 bytes.
bool TDeclarationRun::StringInitialiser(int position, int& after) {
  const std::string text = in_.Token;
  std::size_t length = 0;
  for (std::size_t pos = 0; pos < text.size(); ++length) Cp1250::DecodeUtf8(text, pos);
  if (length > var_->Count) return Syntax(kStringTooLong);
  std::size_t index = 0;
  for (std::size_t pos = 0; pos < text.size(); ++index) {
    const char32_t codePoint = Cp1250::DecodeUtf8(text, pos);
    const unsigned char byte = Cp1250::ByteOf(codePoint).value_or('?');
    NumberText::FormatInteger(static_cast<int8_t>(byte), var_->Values[index]);
  }
  after = position;
  return true;
}

bool TDeclarationRun::ListInitialiser(int position, int& after) {
  position = Next(position);
  if (!IsOperatorToken(opBraceOpen)) return Syntax(kNoBrace);
  uint32_t index = 0;
  bool closed = false;
  std::string element;
  for (;;) {
    int separator = opNone;
    if (!ReadListElement(position, element, separator)) return false;
    if (separator == opNone) break;  // the statement ended inside the list
    if (!element.empty() && !StoreElement(index, element)) return false;
    ++index;
    if (separator == opBraceClose) {
      closed = true;
      break;
    }
    if (index >= var_->Count) break;
  }
  if (!closed) return Syntax(kTooManyElements);
  after = position;
  return true;
}

// Joins the texts of the tokens up to the next ",", "}" or ";" into element.
bool TDeclarationRun::ReadListElement(int& position, std::string& element, int& separator) {
  element.clear();
  separator = opNone;
  while (position != -1) {
    position = Next(position);
    if (position == -1 && in_.TokenKind == tkInvalid) return true;
    if (in_.TokenKind == tkOperator &&
        (in_.OperatorCode == opComma || in_.OperatorCode == opBraceClose ||
         in_.OperatorCode == opSemicolon)) {
      separator = in_.OperatorCode;
      if (separator == opSemicolon) return Syntax(kSemicolonInList);
      return true;
    }
    element.append(in_.Token);
  }
  return true;
}

bool TDeclarationRun::StoreElement(uint32_t index, const std::string& element) {
  const std::string text = element + ";";
  int evalPosition = 0;
  std::string result;
  if (!ExpressionEvaluator::EvaluateInto(in_, text, evalPosition, mode_, result)) {
    return Syntax(kBadElement);
  }
  if (!IsNumericType(var_->Type)) {
    return StatementErrors::Report(in_, TErrorClass::Internal, InternalError(3), TMsgIcon::Error);
  }
  if (!NumberText::CanonicalText(var_->Type, NumberText::NumberOrZero(result),
                                 var_->Values[index])) {
    return Syntax(kBadElement);
  }
  return true;
}

}  // namespace

bool Declaration::Run(TInterpreter& interpreter, std::string_view statement, TEvalMode mode) {
  TDeclarationRun run(interpreter, statement, mode);
  return run.Run();
}

}  // namespace zuvar
