#include "forms/script/script_backend.h"

#include <gtest/gtest.h>

#include <sstream>

#include "forms/script/script_fault.h"
#include "test_program.h"

namespace forms::script {
namespace {

struct Played {
  std::string transcript;
  int fault_line = 0;  // 0: the script ran to its end
  std::string fault;
  std::vector<std::string> activated;
};

Played Play(const std::string& text, bool trace = false, bool preset = true) {
  Script script = Script::FromText(text);
  std::ostringstream out;
  ScriptBackend backend(script, out, trace);
  backend.ShowPreset(preset);
  Application app(backend);
  backend.Attach(app);
  testing::TestProgram program(app);
  Played run;
  try {
    backend.Play();
  } catch (const ScriptFault& fault) {
    run.fault_line = fault.line();
    run.fault = fault.what();
  }
  run.transcript = out.str();
  run.activated = program.activated;
  return run;
}

const std::string kPreset = "preset one\npreset two\n";

TEST(ScriptBackend, ModalDialogRunsUntilItsResultAndCommitsOnFocusMove) {
  const Played run = Play("menu Ask\ntype Form2.Edit1 42\nclick Form2.Button1\n", true);
  EXPECT_EQ(run.fault_line, 0) << run.fault;
  EXPECT_EQ(run.transcript, kPreset + "[show Form1]\n[modal Form2]\n[hide Form2]\nresult 1 committed 42\n");
}

TEST(ScriptBackend, PresetLinesCanBeLeftOutButLaterLinesStay) {
  const Played run = Play("menu Ask\nclick Form2.Button1\n", true, false);
  EXPECT_EQ(run.fault_line, 0) << run.fault;
  EXPECT_EQ(run.transcript, "[show Form1]\n[modal Form2]\n[hide Form2]\nresult 1 committed start\n");
}

TEST(ScriptBackend, RefusedExitCheckReportsAndTheClickDoesNotAct) {
  const Played run = Play("menu Ask\ntype Form2.Edit1 bad\nclick Form2.Button1\nclose Form2\n");
  EXPECT_EQ(run.fault_line, 0) << run.fault;
  EXPECT_EQ(run.transcript, kPreset + "[message Tester] bad is not a valid number.\nresult 2 committed \n");
}

TEST(ScriptBackend, FaultInAnActionIsReportedAndTheLogKept) {
  const Played run = Play("menu Fail\nmenu Ask\nclick Form2.Button1\n");
  EXPECT_EQ(run.fault_line, 0) << run.fault;
  EXPECT_EQ(
      run.transcript,
      kPreset + "before the fault\n[message Tester] Floating point division by zero.\nresult 1 committed start\n");
}

TEST(ScriptBackend, FileDialogTakesTheNextLine) {
  const Played run = Play("menu Open\nfile poles.r\nmenu Open\nfile cancel\n", true);
  EXPECT_EQ(run.fault_line, 0) << run.fault;
  EXPECT_EQ(
      run.transcript,
      kPreset + "[show Form1]\n[dialog open 1 Zeros (*.z)]\nchose poles.r\n[dialog open 1 Zeros (*.z)]\ncancelled\n");
}

TEST(ScriptBackend, RepaintRunsAfterTheLineAndFollowsTheSize) {
  const Played run = Play("menu Plot\nsize Form3 300 219\ndump Form3.PaintBox1\n", true);
  EXPECT_EQ(run.fault_line, 0) << run.fault;
  EXPECT_EQ(run.transcript, kPreset +
                                "[show Form1]\n[show Form3]\n[paint Form3]\npainted 200x100\n[paint Form3]\n"
                                "painted 300x200\n[Form3.PaintBox1]\nsize: 300x200\n");
}

TEST(ScriptBackend, DumpOfAFormAndAControl) {
  const Played run = Play("menu Ask\ntype Form2.Edit1 x\ndump Form2\ndump Form2.Edit1\nclick Form2.Button1\n");
  EXPECT_EQ(run.fault_line, 0) << run.fault;
  EXPECT_EQ(run.transcript, kPreset +
                                "[Form2]\ncaption: Dialog\nvisible: yes\nmodal: yes\nclient: 400x300\nfocus: Edit1\n"
                                "[Form2.Edit1]\ntext: x\nresult 1 committed x\n");
}

TEST(ScriptBackend, FormsBecomeActiveWhenShownWhenAModalAboveClosesAndWhenActivated) {
  const Played run = Play("menu Plot\nactivate Form1\nmenu Ask\nclick Form2.Button1\nactivate Form3\n");
  EXPECT_EQ(run.fault_line, 0) << run.fault;
  EXPECT_EQ(run.activated, (std::vector<std::string>{"Form1", "Form3", "Form1", "Form2", "Form1", "Form3"}));
  EXPECT_EQ(run.transcript, kPreset + "painted 200x100\nresult 1 committed start\n") << "activation prints nothing";
}

struct FaultCase {
  const char* name;
  const char* script;
  int line;
  const char* reason;  // a part of the message
};

TEST(ScriptBackend, FaultsOfTheScriptNameTheirLine) {
  const FaultCase cases[] = {
      {"unknown verb", "menu Plot\njump Form1\n", 2, "unknown verb"},
      {"unknown form", "click Form9.Button1\n", 1, "unknown form"},
      {"unknown control", "click Form2.Button7\n", 1, "unknown control"},
      {"wrong kind", "menu Ask\nclick Form2.Edit1\n", 2, "not a button"},
      {"another form while modal", "menu Ask\nmenu Open\n", 2, "modal form Form2 waits"},
      {"hidden form", "click Form2.Button1\n", 1, "not shown"},
      {"file without dialog", "file x.r\n", 1, "no file dialog"},
      {"script ends in a modal", "menu Ask\ntype Form2.Edit1 1\n", 2, "modal form Form2 waits"},
      {"script ends in a dialog", "menu Open\n", 1, "file dialog waits"},
      {"dialog answered by another verb", "menu Open\nclick Form1.Memo1\n", 2, "file dialog is asking"},
      {"unknown item", "menu Nothing\n", 1, "no menu item"},
      {"lines on a read-only memo", "lines Form1.Memo1 a b\n", 1, "read-only"},
      {"after the end", "menu End\nmenu Ask\n", 1, "program has ended"},
      {"unknown key", "menu Plot\nkey Form3 F13\n", 2, "unknown key"},
      {"activating a hidden form", "activate Form3\n", 1, "not shown"},
      {"activating another form while modal", "menu Ask\nactivate Form1\n", 2, "modal form Form2 waits"},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Played run = Play(c.script);
    EXPECT_EQ(run.fault_line, c.line);
    EXPECT_NE(run.fault.find(c.reason), std::string::npos) << run.fault;
  }
}

// What a paint box drew, with the pen it drew with, from its last repaint on:
// a test reads positions, colours and pen modes instead of pixels.
TEST(ScriptBackend, DrawingIsRecordedFromTheLastRepaintOn) {
  Script script = Script::FromText("");
  std::ostringstream out;
  ScriptBackend backend(script, out, false);
  Application app(backend);
  backend.Attach(app);
  auto& plot = app.CreateForm<testing::PlotWindow>();
  Canvas* canvas = nullptr;
  plot.PaintBox1.on_paint = [&] {
    canvas = &plot.PaintBox1.canvas();
    canvas->SetPenColor(kYellow);
    canvas->MoveTo(1, 2);
    canvas->LineTo(30, 2);
  };
  EXPECT_TRUE(backend.DrawingOf(plot.PaintBox1).empty()) << "a box that never drew";
  plot.Show();
  plot.PaintBox1.Invalidate();
  backend.RunPendingPaints();
  ASSERT_NE(canvas, nullptr);
  canvas->SetPenMode(PenMode::Xor);
  canvas->SetBrushColor(kRed);
  canvas->Polygon({{5, 5}, {9, 5}, {5, 9}});

  const std::vector<DrawCall>& calls = backend.DrawingOf(plot.PaintBox1);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].kind, DrawCall::Kind::Line);
  EXPECT_EQ(calls[0].points, (std::vector<Point>{{1, 2}, {30, 2}}));
  EXPECT_EQ(calls[0].pen, kYellow);
  EXPECT_EQ(calls[0].mode, PenMode::Copy);
  EXPECT_EQ(calls[1].kind, DrawCall::Kind::Polygon);
  EXPECT_EQ(calls[1].brush, kRed);
  EXPECT_EQ(calls[1].mode, PenMode::Xor);

  plot.PaintBox1.Invalidate();
  backend.RunPendingPaints();
  EXPECT_EQ(backend.DrawingOf(plot.PaintBox1).size(), 1u) << "the repaint starts the record afresh";
}

}  // namespace
}  // namespace forms::script
