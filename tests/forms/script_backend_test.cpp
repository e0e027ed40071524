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
  EXPECT_EQ(run.transcript,
            kPreset + "before the fault\n[message Tester] Floating point division by zero.\nresult 1 committed start\n");
}

TEST(ScriptBackend, FileDialogTakesTheNextLine) {
  const Played run = Play("menu Open\nfile poles.r\nmenu Open\nfile cancel\n", true);
  EXPECT_EQ(run.fault_line, 0) << run.fault;
  EXPECT_EQ(run.transcript,
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

}  // namespace
}  // namespace forms::script
