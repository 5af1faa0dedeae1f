#pragma once

namespace zuvar {

class THost;
class TInterpreter;
class TSchemat;
struct TSimulationOptions;

// The code check pass: with the option "Sprawdź składnię kodu przed wykonaniem algorytmu"
// checked, every code line of every reached calculation, input/output and decision block is
// checked by the statement interpreter in check mode, in list order.
class TCodeCheck {
 public:
  TCodeCheck(TInterpreter& interpreter, TSchemat& diagram, THost& host,
             const TSimulationOptions& options);

  // True if all code is valid or the pass is switched off. A statement error has been reported
  // by the interpreter; an exception escaping a line is reported here as a critical fault and
  // marks the context Faulted.
  bool CheckCode();

 private:
  bool CheckBlockLines();

  TInterpreter& interpreter_;
  TSchemat& diagram_;
  THost& host_;
  const TSimulationOptions& options_;
};

}  // namespace zuvar
