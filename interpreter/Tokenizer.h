#pragma once

#include <cstdint>
#include <string_view>

#include "interpreter/LanguageTables.h"

namespace zuvar {

class TInterpreter;

// The result of reading one token, held apart from the context so that a scan over many
// tokens pays for copying the token's text into the context only once. The text and message
// are views into the line or into static storage.
struct TTokenState {
  std::string_view text;
  TTokenKind kind = tkInvalid;
  std::string_view message;
  int32_t operatorCode = opNone;  // the last code looked up; numbers make no lookup

  // Starts from the context's last token, as a run of NextToken calls would.
  static TTokenState From(const TInterpreter& interpreter);
  // Leaves this token in Token, TokenKind, TokenMessage and OperatorCode.
  void CommitTo(TInterpreter& interpreter) const;
  bool IsOperator(int code) const { return kind == tkOperator && operatorCode == code; }
};

// Cuts one line of block code into tokens, one token per call. Positions are 1-based positions
// in the UTF-8 text of the line (one step per byte); a character outside ASCII is one token
// character even when it takes several bytes.
namespace Tokenizer {

// Reads the token at or after position and leaves its text in Token, its kind in TokenKind,
// the diagnostic in TokenMessage and, when an operator lookup was made, OperatorCode.
// Returns the position just after the token, or -1 when no further token can be taken from
// the line (end of text, a comment, a number or word that runs to the end, or an error).
int NextToken(TInterpreter& interpreter, std::string_view line, int position);

// As NextToken; text also receives the token's text as a view into line (or into static
// storage). It is only meaningful when TokenKind is not tkInvalid.
int NextToken(TInterpreter& interpreter, std::string_view line, int position,
              std::string_view& text);

// As NextToken, on a token state instead of the context. A position past the end leaves the
// state's text as it was; the state's operator code changes only when a lookup is made.
int Scan(const TInterpreter& interpreter, std::string_view line, int position, TTokenState& token);

// Searches the operator table in code order. With allowUnaryForms false, "0-" and "0+" are
// refused at once and OperatorCode is left alone. Otherwise a match sets OperatorCode to the
// row's code, no match sets it to -1.
bool IsOperator(TInterpreter& interpreter, std::string_view text, bool allowUnaryForms);

// True if text is the name of one of the built-in functions.
bool IsFunctionName(const TInterpreter& interpreter, std::string_view text);

// Where the token that a NextToken call at position would read begins (0-based), skipping
// blanks and tabs.
std::size_t TokenStart(std::string_view line, int position);

}  // namespace Tokenizer

// Diagnostics of the tokenizer, quoted by the callers after " : ".
inline constexpr std::string_view kTokenFine = "Token poprawny :-)";
inline constexpr std::string_view kTooManyDots = "Błąd zapisu stałej 'double' - za dużo kropek!";
inline constexpr std::string_view kNoStatementEnd = "Brak operatora końca instrukcji: \";\" !";
inline constexpr std::string_view kLonelySlash =
    "No, no.... ? Samotny operator na końcu lini? Nieźle, całkiem nieźle :-P";
inline constexpr std::string_view kUnclosedString =
    "O nie kolego! Ja za Ciebie nie będę kończył łańcuchów znakowych!";
inline constexpr std::string_view kQuoteAtEnd = "Zwiastun jest a kodu brak >:-(";
inline constexpr std::string_view kCharNotClosed = "Ty otworzyłeś - Ty zamykasz!";
inline constexpr std::string_view kCharTooLong =
    "Kod ASCII może być reprezentowany tylko przez jeden znak!";
inline constexpr std::string_view kInvalidCharacter = "Nieprawidłowy znak!";

}  // namespace zuvar
