#pragma once

#include <string>
#include <vector>

#include "cli/CaseResult.h"

namespace zuvar {

// The report of a grading run, as a summary table for the teacher and as one JSON document.
namespace GradeReport {

// One row per file: the file, the cases passed of all, and for the first failed case its name
// and why it failed; then a line of totals.
std::string Table(const std::vector<TFileResult>& results);

// {"tests": ..., "passed": bool, "files": [{"file", "passed", "total", "cases": [{"name",
// "status", "steps", "time", "output", "message"}]}]}
std::string Json(const std::string& testsFile, const std::vector<TFileResult>& results);

// The status of a case as the JSON report names it ("passed", "wrong-output", ...).
const char* StatusName(TCaseStatus status);

}  // namespace GradeReport

}  // namespace zuvar
