#pragma once

#include <string_view>

namespace zuvar {

class TInterpreter;

// Cuts one line of block code into tokens, one token per call. Positions are 1-based positions
// in the UTF-8 text of the line (one step per byte); a character outside ASCII is one token
// character even when it takes several bytes.
class Tokenizer {
 public:
  // Reads the token at or after position and leaves its text in Token, its kind in TokenKind,
  // the diagnostic in TokenMessage and, when an operator lookup was made, OperatorCode.
  // Returns the position just after the token, or -1 when no further token can be taken from
  // the line (end of text, a comment, a number or word that runs to the end, or an error).
  static int NextToken(TInterpreter& interpreter, std::string_view line, int position);

  // As NextToken; text also receives the token's text as a view into line (or into static
  // storage). It is only meaningful when TokenKind is not tkInvalid.
  static int NextToken(TInterpreter& interpreter, std::string_view line, int position,
                       std::string_view& text);

  // Searches the operator table in code order. With allowUnaryForms false, "0-" and "0+" are
  // refused at once and OperatorCode is left alone. Otherwise a match sets OperatorCode to the
  // row's code, no match sets it to -1.
  static bool IsOperator(TInterpreter& interpreter, std::string_view text, bool allowUnaryForms);

  // True if text is the name of one of the built-in functions.
  static bool IsFunctionName(const TInterpreter& interpreter, std::string_view text);

  // Where the token that a NextToken call at position would read begins (0-based), skipping
  // blanks and tabs.
  static std::size_t TokenStart(std::string_view line, int position);
};

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
