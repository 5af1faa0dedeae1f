#include "interpreter/VariablesGrid.h"

#include "interpreter/NumberText.h"

namespace zuvar {

std::vector<TGridRow> VariablesGrid::Rows(const TInterpreter& interpreter, bool separateIndexes) {
  std::vector<TGridRow> rows;
  rows.push_back({"Nazwa zmiennej", "Wartość"});
  for (const TInterpreter::variables* var = interpreter.Variables; var; var = var->Next) {
    if (var->Count == 0) {
      rows.push_back({var->Name, var->Values.empty() ? std::string() : var->Values[0]});
    } else if (separateIndexes) {
      for (uint32_t i = 0; i < var->Count; ++i) {
        std::string name = var->Name;
        name.push_back('[');
        NumberText::AppendInteger(static_cast<int32_t>(i), name);
        name.push_back(']');
        rows.push_back({std::move(name), var->Values[i]});
      }
    } else {
      std::string value = "{";
      for (uint32_t i = 0; i < var->Count; ++i) {
        if (i > 0) value.append(", ");
        value.append(var->Values[i]);
      }
      value.push_back('}');
      rows.push_back({var->Name, std::move(value)});
    }
  }
  if (rows.size() < 2) rows.push_back({});
  return rows;
}

}  // namespace zuvar
