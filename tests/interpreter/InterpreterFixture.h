#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interpreter/ExpressionEvaluator.h"
#include "interpreter/Interpreter.h"
#include "interpreter/StatementInterpreter.h"
#include "model/NewShape.h"
#include "model/OutputLines.h"
#include "tests/support/RecordingHost.h"

namespace zuvar::test {

inline bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

// A context with one block of a chosen type, an output panel and a recording host.
class InterpreterFixture : public ::testing::Test {
 protected:
  InterpreterFixture() {
    block.SetShape(nstCalc);
    in.CurrentBlock = &block;
    in.OutputLines = &output;
  }

  void UseBlock(TNewShapeType shape) {
    block.SetShape(shape);
    in.BlockStatementCount = 0;
  }

  // Runs one code line of the block in execute (or check) mode.
  int Run(const std::string& line, TEvalMode mode = TEvalMode::Execute) {
    block.Code = {line};
    in.Line = 1;
    return mode == TEvalMode::Execute ? ExecuteLine(in) : CheckLine(in);
  }

  // Runs each line in a calculation block and expects success.
  void Declare(const std::string& line) {
    const TNewShapeType shape = block.Shape;
    UseBlock(nstCalc);
    ASSERT_EQ(Run(line), 1) << line << " : " << LastMessage();
    UseBlock(shape);
  }

  std::string Eval(const std::string& text, TEvalMode mode = TEvalMode::Execute) {
    int position = 1;
    return EvaluateExpression(in, text, position, mode);
  }

  std::string Value(const std::string& name, std::size_t index = 0) {
    const auto* var = in.FindVariable(name);
    if (var == nullptr) return "<undefined>";
    return var->Values.at(index);
  }

  std::string LastMessage() const {
    return host.messages.empty() ? std::string("<none>") : host.messages.back().text;
  }
  std::string LastCaption() const {
    return host.messages.empty() ? std::string("<none>") : host.messages.back().caption;
  }

  TRecordingHost host;
  TInterpreter in{host};
  TNewShape block;
  TOutputLines output;
};

}  // namespace zuvar::test
