#include "Tokenizer.h"

#include "Cp1250.h"
#include "Interpreter.h"
#include "LanguageTables.h"

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

void SetToken(TInterpreter& in, std::string_view& out, std::string_view text) {
  in.Token.assign(text.data(), text.size());
  out = text;
}

int Fail(TInterpreter& in, std::string_view message) {
  in.TokenKind = tkInvalid;
  in.TokenMessage.assign(message.data(), message.size());
  return -1;
}

int ReadNumber(TInterpreter& in, std::string_view line, std::size_t i, std::string_view& out) {
  const std::size_t n = line.size();
  std::size_t j = i + 1;
  if (line[i] == '.') {
    in.TokenKind = tkDoubleConst;
    while (j < n && IsDigit(line[j])) ++j;
  } else {
    in.TokenKind = tkIntConst;
    while (j < n) {
      if (IsDigit(line[j])) {
        ++j;
      } else if (line[j] == '.') {
        if (in.TokenKind == tkDoubleConst) {
          SetToken(in, out, line.substr(i, j - i));
          return Fail(in, kTooManyDots);
        }
        in.TokenKind = tkDoubleConst;
        ++j;
      } else {
        break;
      }
    }
  }
  SetToken(in, out, line.substr(i, j - i));
  if (j >= n) {
    in.TokenMessage.assign(kNoStatementEnd.data(), kNoStatementEnd.size());
    return -1;
  }
  return static_cast<int>(j) + 1;
}

int ReadString(TInterpreter& in, std::string_view line, std::size_t i, std::string_view& out) {
  const std::size_t n = line.size();
  std::size_t j = i + 1;
  // Bytes of a multi-byte character are never a quote or a backslash, so stepping by bytes
  // keeps every character whole.
  while (j < n && line[j] != '"') j += line[j] == '\\' ? 2 : 1;
  if (j >= n) {
    SetToken(in, out, line.substr(i + 1));
    return Fail(in, kUnclosedString);
  }
  in.TokenKind = tkStringConst;
  SetToken(in, out, line.substr(i + 1, j - i - 1));
  return static_cast<int>(j) + 2;
}

int ReadCharacter(TInterpreter& in, std::string_view line, std::size_t i, std::string_view& out) {
  const std::size_t n = line.size();
  if (i + 1 >= n) return Fail(in, kQuoteAtEnd);
  std::size_t end = 0;
  SetToken(in, out, CharacterAt(line, i + 1, end));
  if (end >= n) return Fail(in, kCharNotClosed);
  if (line[end] != '\'') return Fail(in, kCharTooLong);
  in.TokenKind = tkCharConst;
  return static_cast<int>(end) + 2;
}

int ReadWord(TInterpreter& in, std::string_view line, std::size_t i, std::string_view& out) {
  const std::size_t n = line.size();
  std::size_t j = i + 1;
  while (j < n && IsWordCharacter(line[j])) ++j;
  const std::string_view word = line.substr(i, j - i);
  SetToken(in, out, word);
  if (IsTypeName(word)) {
    in.TokenKind = tkTypeName;
  } else if (Tokenizer::IsFunctionName(in, word)) {
    in.TokenKind = tkFunction;
  } else {
    in.TokenKind = tkIdentifier;
  }
  if (j >= n) {
    in.TokenMessage.assign(kNoStatementEnd.data(), kNoStatementEnd.size());
    return -1;
  }
  return static_cast<int>(j) + 1;
}

// Operators: a two-character entry first, then a one-character one. Returns 0 when c starts
// no operator.
int ReadOperator(TInterpreter& in, std::string_view line, std::size_t i, std::string_view& out) {
  const std::size_t n = line.size();
  if (i + 1 < n && Tokenizer::IsOperator(in, line.substr(i, 2), false)) {
    in.TokenKind = tkOperator;
    SetToken(in, out, line.substr(i, 2));
    return static_cast<int>(i) + 3;
  }
  if (!Tokenizer::IsOperator(in, line.substr(i, 1), false)) return 0;
  SetToken(in, out, line.substr(i, 1));
  if (line[i] == '/') {
    if (i + 1 >= n) return Fail(in, kLonelySlash);
    if (line[i + 1] == '/') {
      in.TokenKind = tkComment;
      SetToken(in, out, line.substr(i));
      return -1;
    }
  }
  in.TokenKind = tkOperator;
  return static_cast<int>(i) + 2;
}

}  // namespace

int Tokenizer::NextToken(TInterpreter& interpreter, std::string_view line, int position) {
  std::string_view ignored;
  return NextToken(interpreter, line, position, ignored);
}

int Tokenizer::NextToken(TInterpreter& in, std::string_view line, int position,
                         std::string_view& out) {
  in.TokenKind = tkInvalid;
  in.TokenMessage.assign(kTokenFine.data(), kTokenFine.size());
  out = {};
  // A position past the end (or the -1 of an earlier call) takes nothing; Token stays.
  if (position < 1 || static_cast<std::size_t>(position) > line.size()) return -1;
  in.Token.clear();
  std::size_t i = static_cast<std::size_t>(position) - 1;
  while (i < line.size() && IsBlank(line[i])) ++i;
  if (i >= line.size()) return -1;

  const char c = line[i];
  if (c == '.' || IsDigit(c)) return ReadNumber(in, line, i, out);
  if (const int after = ReadOperator(in, line, i, out); after != 0) return after;
  if (c == '"') return ReadString(in, line, i, out);
  if (c == '\'') return ReadCharacter(in, line, i, out);
  if (IsLetter(c)) return ReadWord(in, line, i, out);

  std::size_t end = 0;
  in.Token.assign(CharacterAt(line, i, end));
  in.TokenMessage.assign(kInvalidCharacter.data(), kInvalidCharacter.size());
  return static_cast<int>(end) + 1;
}

bool Tokenizer::IsOperator(TInterpreter& interpreter, std::string_view text,
                           bool allowUnaryForms) {
  if (!allowUnaryForms && (text == "0-" || text == "0+")) return false;
  interpreter.OperatorCode = OperatorCodeOf(text);
  return interpreter.OperatorCode != opNone;
}

bool Tokenizer::IsFunctionName(const TInterpreter& interpreter, std::string_view text) {
  for (const std::string& name : interpreter.BuiltinFunctions) {
    if (name == text) return true;
  }
  return false;
}

std::size_t Tokenizer::TokenStart(std::string_view line, int position) {
  std::size_t i = position < 1 ? 0 : static_cast<std::size_t>(position) - 1;
  while (i < line.size() && IsBlank(line[i])) ++i;
  return i;
}

}  // namespace zuvar
