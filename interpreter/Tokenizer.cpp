#include "interpreter/Tokenizer.h"

#include "interpreter/Interpreter.h"
#include "interpreter/LanguageTables.h"
#include "model/Cp1250.h"

namespace zuvar {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsWordCharacter(char c) { return IsLetter(c) || IsDigit(c); }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// One character (code point) starting at byte i: its text and the byte after it. An invalid
// UTF-8 sequence is one character shown as U+FFFD.
std::string_view CharacterAt(std::string_view line, std::size_t i, std::size_t& end) {
  std::size_t pos = i;
  const char32_t codePoint = Cp1250::DecodeUtf8(line, pos);
  end = pos;
  if (codePoint == 0xFFFD && line.substr(i, 3) != kReplacementCharacter) {
    return kReplacementCharacter;
  }
  return line.substr(i, pos - i);
}

int Fail(TTokenState& t, std::string_view message) {
  t.kind = tkInvalid;
  t.message = message;
  return -1;
}

int ReadNumber(TTokenState& t, std::string_view line, std::size_t i) {
  const std::size_t n = line.size();
  std::size_t j = i + 1;
  if (line[i] == '.') {
    t.kind = tkDoubleConst;
    while (j < n && IsDigit(line[j])) ++j;
  } else {
    t.kind = tkIntConst;
    while (j < n) {
      if (IsDigit(line[j])) {
        ++j;
      } else if (line[j] == '.') {
        if (t.kind == tkDoubleConst) {
          t.text = line.substr(i, j - i);
          return Fail(t, kTooManyDots);
        }
        t.kind = tkDoubleConst;
        ++j;
      } else {
        break;
      }
    }
  }
  t.text = line.substr(i, j - i);
  if (j >= n) {
    t.message = kNoStatementEnd;
    return -1;
  }
  return static_cast<int>(j) + 1;
}

int ReadString(TTokenState& t, std::string_view line, std::size_t i) {
  const std::size_t n = line.size();
  std::size_t j = i + 1;
  // Bytes of a multi-byte character are never a quote or a backslash, so stepping by bytes
  // keeps every character whole.
  while (j < n && line[j] != '"') j += line[j] == '\\' ? 2 : 1;
  if (j >= n) {
    t.text = line.substr(i + 1);
    return Fail(t, kUnclosedString);
  }
  t.kind = tkStringConst;
  t.text = line.substr(i + 1, j - i - 1);
  return static_cast<int>(j) + 2;
}

int ReadCharacter(TTokenState& t, std::string_view line, std::size_t i) {
  const std::size_t n = line.size();
  if (i + 1 >= n) return Fail(t, kQuoteAtEnd);
  std::size_t end = 0;
  t.text = CharacterAt(line, i + 1, end);
  if (end >= n) return Fail(t, kCharNotClosed);
  if (line[end] != '\'') return Fail(t, kCharTooLong);
  t.kind = tkCharConst;
  return static_cast<int>(end) + 2;
}

int ReadWord(const TInterpreter& in, TTokenState& t, std::string_view line, std::size_t i) {
  const std::size_t n = line.size();
  std::size_t j = i + 1;
  while (j < n && IsWordCharacter(line[j])) ++j;
  const std::string_view word = line.substr(i, j - i);
  t.text = word;
  if (IsTypeName(word)) {
    t.kind = tkTypeName;
  } else if (Tokenizer::IsFunctionName(in, word)) {
    t.kind = tkFunction;
  } else {
    t.kind = tkIdentifier;
  }
  if (j >= n) {
    t.message = kNoStatementEnd;
    return -1;
  }
  return static_cast<int>(j) + 1;
}

// Operators: a two-character entry first, then a one-character one (the lookups leave their
// code, -1 when they find nothing). Returns 0 when c starts no operator.
int ReadOperator(TTokenState& t, std::string_view line, std::size_t i) {
  const std::size_t n = line.size();
  if (i + 1 < n) {
    t.operatorCode = OperatorCodeOf(line.substr(i, 2));
    if (t.operatorCode != opNone) {
      t.kind = tkOperator;
      t.text = line.substr(i, 2);
      return static_cast<int>(i) + 3;
    }
  }
  t.operatorCode = OperatorCodeOf(line.substr(i, 1));
  if (t.operatorCode == opNone) return 0;
  t.text = line.substr(i, 1);
  if (line[i] == '/') {
    if (i + 1 >= n) return Fail(t, kLonelySlash);
    if (line[i + 1] == '/') {
      t.kind = tkComment;
      t.text = line.substr(i);
      return -1;
    }
  }
  t.kind = tkOperator;
  return static_cast<int>(i) + 2;
}

}  // namespace

TTokenState TTokenState::From(const TInterpreter& interpreter) {
  TTokenState state;
  state.text = interpreter.Token;
  state.kind = interpreter.TokenKind;
  state.message = interpreter.TokenMessage;
  state.operatorCode = interpreter.OperatorCode;
  return state;
}

void TTokenState::CommitTo(TInterpreter& in) const {
  if (in.Token.data() != text.data() || in.Token.size() != text.size()) {
    in.Token.assign(text.data(), text.size());
  }
  in.TokenKind = kind;
  if (in.TokenMessage != message) in.TokenMessage.assign(message.data(), message.size());
  in.OperatorCode = operatorCode;
}

int Tokenizer::NextToken(TInterpreter& interpreter, std::string_view line, int position) {
  std::string_view ignored;
  return NextToken(interpreter, line, position, ignored);
}

int Tokenizer::NextToken(TInterpreter& in, std::string_view line, int position,
                         std::string_view& out) {
  TTokenState state = TTokenState::From(in);
  const int after = Scan(in, line, position, state);
  state.CommitTo(in);
  out = state.text;
  return after;
}

int Tokenizer::Scan(const TInterpreter& in, std::string_view line, int position, TTokenState& t) {
  t.kind = tkInvalid;
  t.message = kTokenFine;
  // A position past the end (or the -1 of an earlier call) takes nothing; the text stays.
  if (position < 1 || static_cast<std::size_t>(position) > line.size()) return -1;
  t.text = {};
  std::size_t i = static_cast<std::size_t>(position) - 1;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i >= line.size()) return -1;

  const char c = line[i];
  if (c == '.' || IsDigit(c)) return ReadNumber(t, line, i);
  if (IsLetter(c) || c == '"' || c == '\'' || static_cast<unsigned char>(c) >= 0x80) {
    t.operatorCode = opNone;  // no operator begins with these: the lookups would find nothing
  } else if (const int after = ReadOperator(t, line, i); after != 0) {
    return after;
  }
  if (c == '"') return ReadString(t, line, i);
  if (c == '\'') return ReadCharacter(t, line, i);
  if (IsLetter(c)) return ReadWord(in, t, line, i);

  std::size_t end = 0;
  t.text = CharacterAt(line, i, end);
  t.message = kInvalidCharacter;
  return static_cast<int>(end) + 1;
}

bool Tokenizer::IsOperator(TInterpreter& interpreter, std::string_view text, bool allowUnaryForms) {
  const int code = OperatorCodeOf(text);
  if (!allowUnaryForms && (code == opNegate || code == opUnaryPlus)) return false;
  interpreter.OperatorCode = code;
  return code != opNone;
}

bool Tokenizer::IsFunctionName(const TInterpreter& interpreter, std::string_view text) {
  return interpreter.BuiltinFunctions.Contains(text);
}

std::size_t Tokenizer::TokenStart(std::string_view line, int position) {
  std::size_t i = position < 1 ? 0 : static_cast<std::size_t>(position) - 1;
  while (i < line.size() && IsBlank(line[i])) ++i;
  return i;
}

}  // namespace zuvar
