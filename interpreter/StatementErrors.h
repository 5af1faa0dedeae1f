#pragma once

#include <string_view>

#include "model/Host.h"

namespace zuvar {

class TInterpreter;

// The classes of statement failures, each with its caption and log prefix.
enum class TErrorClass { Syntax, NotAllowed, Internal };

// Reports a failure of a statement or a declaration: a message box with the class's caption
// and an OK button, then a log line of the caption's log prefix and the message, then a scroll
// of the log by one page.
namespace StatementErrors {

bool Report(TInterpreter& interpreter, TErrorClass errorClass, std::string_view message,
            TMsgIcon icon = TMsgIcon::None);
// As Report, the message made of a fixed text, Token, " : " and TokenMessage.
bool ReportWithToken(TInterpreter& interpreter, TErrorClass errorClass, std::string_view message);

}  // namespace StatementErrors

inline constexpr std::string_view kMaintainerAddress = "zuvar32pro@example.org";

}  // namespace zuvar
