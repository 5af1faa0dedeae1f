#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/OutputLines.h"
#include "model/Schemat.h"
#include "simulation/OutputMark.h"
#include "simulation/SimulationOptions.h"
#include "simulation/SimulationRun.h"
#include "simulation/TraceBuffer.h"
#include "simulation/TraceCsv.h"
#include "simulation/TraceRecorder.h"
#include "tests/simulation/RunSetup.h"
#include "tests/support/DiagramBuilder.h"
#include "tests/support/RecordingHost.h"

namespace zuvar {
namespace {

struct TExpectedRow {
  std::uint64_t step;
  std::string block;
  int line;
  std::string code;
  std::string changed;
  std::string written;
};

// A run of a small diagram with a trace recorder of the given capacity attached.
struct TraceFixture : test::TRunSetup {
  explicit TraceFixture(std::size_t capacity = TTraceRecorder::kDefaultCapacity)
      : recorder(capacity) {
    options.RealTime = true;
    run.AddObserver(ui);
    run.AddObserver(recorder);
    TNewShape* start = build.Add(nstStart);
    TNewShape* scalars = build.Add(nstCalc, {"long a = 1;", "a = a + 2;"});
    TNewShape* arrays = build.Add(nstCalc, {"int t[12];", "t[1] = a;"});
    TNewShape* io =
        build.Add(nstInOut, {"read(a);", "write(a);", "write(\"\\n\");", "write(\"żółw\");"});
    stop = build.Add(nstStop);
    TNewShape* node = build.Add(nstNode);
    build.Chain({start, scalars, node, arrays, io, stop});
    host.entries.push_back("40 + 2");
  }

  // The run tells its observers of its end when it goes, after this fixture's own members.
  ~TraceFixture() { run.RemoveObserver(recorder); }

  void RunAll() {
    ASSERT_TRUE(run.Start(&diagram, &output));
    run.RunToEnd();
  }

  TTraceRecorder recorder;
  TNewShape* stop = nullptr;
};

void ExpectRows(const TTraceBuffer& rows, const std::vector<TExpectedRow>& expected) {
  ASSERT_EQ(rows.Size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("row " + std::to_string(i));
    const TTraceRow& row = rows.At(i);
    EXPECT_EQ(row.Step, expected[i].step);
    EXPECT_EQ(row.Block, expected[i].block);
    EXPECT_EQ(row.Line, expected[i].line);
    EXPECT_EQ(row.Code, expected[i].code);
    EXPECT_EQ(row.Changed, expected[i].changed);
    EXPECT_EQ(row.Written, expected[i].written);
  }
}

TEST(TraceRecorderTest, OneRowPerStepWithChangesAndOutput) {
  TraceFixture f;
  f.RunAll();
  ExpectRows(f.recorder.Rows(),
             {
                 {1, "long a = 1;", 1, "long a = 1;", "a = 1", ""},
                 {2, "long a = 1;", 2, "a = a + 2;", "a = 3", ""},
                 {3, "Węzeł", 0, "", "", ""},
                 {4, "int t[12];", 1, "int t[12];", "t = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, …}", ""},
                 {5, "int t[12];", 2, "t[1] = a;", "t[1] = 3", ""},
                 {6, "read(a);", 1, "read(a);", "a = 42", ""},
                 {7, "read(a);", 2, "write(a);", "", "42"},
                 {8, "read(a);", 3, "write(\"\\n\");", "", "\n"},
                 {9, "read(a);", 4, "write(\"żółw\");", "", "żółw"},
                 {10, "STOP", 0, "", "", ""},
             });
}

TEST(TraceRecorderTest, StepByStepGivesTheSameRows) {
  TraceFixture f;
  ASSERT_TRUE(f.run.Start(&f.diagram, &f.output));
  for (int i = 0; i < 5; ++i) f.run.Step();
  ASSERT_EQ(f.recorder.Rows().Size(), 5u);
  EXPECT_EQ(f.recorder.Rows().At(4).Changed, "t[1] = 3");
  EXPECT_EQ(f.recorder.Rows().At(4).Step, 5u);
}

TEST(TraceRecorderTest, KeepsOnlyTheNewestRows) {
  TraceFixture f(3);
  f.RunAll();
  const TTraceBuffer& rows = f.recorder.Rows();
  ASSERT_EQ(rows.Size(), 3u);
  EXPECT_EQ(rows.Added(), 10u);
  EXPECT_EQ(rows.FirstKept(), 7u);
  EXPECT_EQ(rows.At(0).Step, 8u);
  EXPECT_EQ(rows.At(0).Written, "\n");
  EXPECT_EQ(rows.At(1).Written, "żółw");
  EXPECT_EQ(rows.At(2).Step, 10u);
}

TEST(TraceRecorderTest, KeptAfterARunAndACheckClearedByTheNextRun) {
  TraceFixture f;
  f.RunAll();
  f.run.End();
  ASSERT_EQ(f.recorder.Rows().Size(), 10u);
  EXPECT_TRUE(f.run.Check(&f.diagram));
  EXPECT_EQ(f.recorder.Rows().Size(), 10u);
  const std::uint64_t generation = f.recorder.Rows().Generation();
  ASSERT_TRUE(f.run.Start(&f.diagram, &f.output));
  EXPECT_EQ(f.recorder.Rows().Size(), 0u);
  EXPECT_NE(f.recorder.Rows().Generation(), generation);
  f.run.Step();
  ASSERT_EQ(f.recorder.Rows().Size(), 1u);
  EXPECT_EQ(f.recorder.Rows().At(0).Step, 1u);
}

TEST(TraceRecorderTest, FailingStepIsRecorded) {
  TSchemat diagram;
  test::TDiagramBuilder build(diagram);
  TNewShape* start = build.Add(nstStart);
  TNewShape* calc = build.Add(nstCalc, {"long x = 1;", "y = 2;"});
  TNewShape* stop = build.Add(nstStop);
  build.Chain({start, calc, stop});
  test::TRecordingHost host;
  test::TRecordingSimulationHost ui;
  TSimulationOptions options;
  options.RealTime = true;
  // Declared before the run, which tells it of the run's end when it goes.
  TTraceRecorder recorder;
  TSimulationRun run(host, ui, options);
  run.AddObserver(recorder);
  TOutputLines output;
  ASSERT_TRUE(run.Start(&diagram, &output));
  EXPECT_EQ(run.RunToEnd(), TSimulationRun::TRunEnd::StepFailed);
  ExpectRows(recorder.Rows(), {
                                  {1, "long x = 1;", 1, "long x = 1;", "x = 1", ""},
                                  {2, "long x = 1;", 2, "y = 2;", "", ""},
                              });
}

TEST(OutputMarkTest, TextWrittenSinceTheMark) {
  TOutputLines lines;
  TOutputMark mark;
  std::string text;
  mark.Take(&lines);
  mark.TextSince(&lines, text);
  EXPECT_EQ(text, "");
  lines.AppendText("ab");
  mark.TextSince(&lines, text);
  EXPECT_EQ(text, "ab");
  mark.Take(&lines);
  lines.AppendText("cd");
  lines.AddLine();
  lines.AddLine();
  lines.AppendText("ę");
  mark.TextSince(&lines, text);
  EXPECT_EQ(text, "cd\n\nę");
  // Lines cleared meanwhile: what is there now was all written since.
  mark.Take(&lines);
  lines.Clear();
  lines.AppendText("x");
  mark.TextSince(&lines, text);
  EXPECT_EQ(text, "x");
  mark.TextSince(nullptr, text);
  EXPECT_EQ(text, "");
}

TEST(TraceCsvTest, HeaderRowQuotingAndPolishLetters) {
  TTraceBuffer rows(10);
  TTraceRow& first = rows.Append();
  first = {1, "long a = 1;", 1, "long a = 1;", "a = 1", ""};
  TTraceRow& second = rows.Append();
  second = {2, "pętla", 2, "write(\"ż, \\n\");", "t = {1, 2}; b = 3", "ż, \n\"x\""};
  TTraceRow& third = rows.Append();
  third = {3, "?x?", 0, "", "", ""};
  EXPECT_EQ(TraceCsv::Text(rows),
            "Krok,Blok,Linia,Kod,Zmienione zmienne,Wypisano\r\n"
            "1,long a = 1;,1,long a = 1;,a = 1,\r\n"
            "2,pętla,2,\"write(\"\"ż, \\n\"\");\",\"t = {1, 2}; b = 3\",\"ż, \n\"\"x\"\"\"\r\n"
            "3,?x?,,,,\r\n");
}

TEST(TraceCsvTest, RingOrderAfterWrapping) {
  TTraceBuffer rows(2);
  for (std::uint64_t i = 1; i <= 5; ++i) rows.Append().Step = i;
  std::string text = TraceCsv::Text(rows);
  EXPECT_EQ(text.substr(text.find("\r\n") + 2), "4,,,,,\r\n5,,,,,\r\n");
  rows.Clear();
  EXPECT_EQ(rows.Size(), 0u);
  EXPECT_EQ(rows.Added(), 0u);
  // Cleared rows keep their storage: a new row starts in the first slot again.
  rows.Append().Step = 9;
  EXPECT_EQ(TraceCsv::Text(rows).substr(text.find("\r\n") + 2), "9,,,,,\r\n");
}

}  // namespace
}  // namespace zuvar
