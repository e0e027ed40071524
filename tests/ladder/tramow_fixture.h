// A freshly started tramow on the script backend, whose user the test plays
// through the backend's hooks: the answers to the prompts and the names for
// the file dialogs wait in queues, in the order the program asks.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "base/number_parse.h"
#include "base/text_file.h"
#include "formats/polynomial_file.h"
#include "forms/application.h"
#include "forms/file_dialog.h"
#include "forms/main_menu.h"
#include "forms/script/script_backend.h"
#include "frame/console_main_form.h"
#include "frame/number_prompt_form.h"
#include "frame/operations_form.h"
#include "frame/plot/scales_form.h"
#include "frame/question_form.h"
#include "frame/text_prompt_form.h"
#include "ladder/initialization_form.h"
#include "ladder/operations.h"
#include "ladder/tramow.h"
#include "ladder/transformation_form.h"
#include "tests/base/scratch_folder.h"
#include "tests/ladder/network_evaluator.h"

namespace ladder_test {

using ladder::Operation;
using enum ladder::Operation;

// The lines after "Síntese completa.": the estimate of the element values'
// error, and the warning above its bound.
inline constexpr const char* kEstimateHeading = "Erro relativo estimado dos valores dos elementos:";
inline constexpr const char* kUntrusted =
    "* Rede mal condicionada por este caminho de síntese: os valores dos elementos não são confiáveis.";

// The line after "Síntese completa." in a log; empty when there is none.
inline std::string EstimateLine(const std::vector<std::string>& log) {
  const auto done = std::find(log.begin(), log.end(), "Síntese completa.");
  return done != log.end() && done + 1 != log.end() ? *(done + 1) : std::string();
}

// The estimate such a line gives, read by the suite's parser (the process
// may run under a locale with a decimal comma); none when it is undetermined.
inline std::optional<base::Extended> EstimateOf(const std::string& line) {
  return base::ParseReal(line.substr(std::string(kEstimateHeading).size()));
}

// Coefficients a(0), a(1), .. in ascending powers.
using Coefficients = std::vector<long double>;

class TramowFixture : public ::testing::Test {
 protected:
  // The preset text's line count: the program's own lines follow it.
  static constexpr int kPresetLines = 20;
  // A dialog answered with this closes with its default value.
  static constexpr const char* kKeep = "=";
  // A 64-bit significand needs at most this many decimals below 1 for its
  // decimal text to read back to the same extended real.
  static constexpr int kExactDecimals = 40;

  TramowFixture() {
    backend.Attach(app);
    backend.modal_hook = [this](forms::Form& form) { Answer(form); };
    backend.file_dialog_hook = [this](forms::FileDialog& dialog) {
      dialogs.push_back(dialog.subject());
      if (files.empty()) return false;
      const std::string name = files.front();
      files.pop_front();
      if (name == "cancel") return false;
      dialog.SetFileName(name);
      return true;
    };
    backend.message_box_hook = [this](const std::string& caption, const std::string& text) {
      messages.push_back(caption + ": " + text);
    };
  }

  ~TramowFixture() override {
    EXPECT_TRUE(answers.empty()) << answers.size() << " answers left, the first " << answers.front();
  }

  // What the user types or clicks in each modal dialog, in order: the text
  // of a number or text prompt, "Sim" or "Não" for a question, an item of
  // the transformation window; kKeep closes the dialog as it stands.
  std::deque<std::string> answers;
  // The names the file dialogs confirm; "cancel" (or none left) cancels.
  std::deque<std::string> files;
  // The answer to a yes/no question that finds no answer waiting; empty, such
  // a question fails the test.
  std::string unqueued_question_answer;
  std::vector<std::string> dialogs;   // the subject of every file dialog shown
  std::vector<std::string> messages;  // "caption: text" of each message box
  // What the user does in the plot's scales dialog; it is closed by its
  // close box unless this applies it.
  std::function<void(frame::plot::ScalesForm&)> on_scales;

  forms::script::Script script = forms::script::Script::FromText("");
  std::ostringstream transcript;
  forms::script::ScriptBackend backend{script, transcript, false};
  forms::Application app{backend};
  ladder::Tramow tramow{app};
  test_support::ScratchFolder folder{"ladder_tests"};

  const frame::ConsoleWindows& console_windows() const { return tramow.console_windows(); }
  const ladder::Tramow::Windows& windows() const { return tramow.windows(); }
  ladder::ImmittanceModel& model() { return tramow.model(); }
  ladder::Network& network() { return tramow.network(); }

  void ChooseMenu(const std::string& caption) {
    const forms::MenuItem* item = console_windows().main->menu.FindItem(caption);
    ASSERT_NE(item, nullptr) << caption;
    app.Guard(item->on_click);
  }

  void RunOperation(Operation operation) {
    console_windows().operations->group.UserChoose(static_cast<int>(operation));
    app.Guard([&] { console_windows().operations->button.UserClick(); });
  }

  // The lines logged since start-up, and since the first `mark` of them.
  std::vector<std::string> Logged() const {
    const std::vector<std::string>& all = console_windows().main->log.lines();
    return {all.begin() + kPresetLines, all.end()};
  }
  std::vector<std::string> LoggedSince(std::size_t mark) const {
    const std::vector<std::string> all = Logged();
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(mark, all.size())), all.end()};
  }

  // A polynomial file in the scratch folder, every real with enough decimals
  // to be read back exactly; gives its path.
  std::string WritePolynomial(const std::string& name, const Coefficients& a, long double constant = 1) {
    formats::PolynomialFile file;
    file.degree = static_cast<std::int32_t>(a.size()) - 1;
    file.a.assign(a.begin(), a.end());
    file.constant = constant;
    base::TextWriter out(folder.PathOf(name));
    formats::WritePolynomialFile(out, file, formats::RealFormat{0, kExactDecimals});
    out.Close();
    return folder.PathOf(name);
  }

  // "Iniciar" without root tables, then the immittance n/d from two
  // polynomial files; the operations window is then shown.
  void StartWith(bool admittance, const Coefficients& n, const Coefficients& d) {
    answers.push_back(admittance ? "Não" : "Sim");
    files.insert(files.end(), {"cancel", "cancel"});
    ChooseMenu("Iniciar");
    files.push_back(WritePolynomial("entry.n", n));
    files.push_back(WritePolynomial("entry.d", d));
    app.Guard([&] { windows().initialization->apply.UserClick(); });
  }

  // The network as a value list, for the evaluator.
  std::vector<LadderElement> Ladder() {
    std::vector<LadderElement> ladder;
    for (std::int32_t i = 1; i <= network().count; ++i) {
      const ladder::TNetworkElement& e = network().elements[static_cast<std::size_t>(i)];
      ladder.push_back({e.name, ladder::ConnectionText(e.kind).substr(4), e.value.raw()});
    }
    return ladder;
  }

  // The names and values of the network, "L2=2" and so on, values rounded
  // to `digits` significant digits.
  std::vector<std::string> NamesAndValues(int digits = 12) {
    std::vector<std::string> out;
    for (const LadderElement& e : Ladder()) {
      std::ostringstream text;
      text.precision(digits);
      text << e.name << '=' << e.value;
      out.push_back(text.str());
    }
    return out;
  }

 private:
  void Answer(forms::Form& form) {
    if (auto* scales = dynamic_cast<frame::plot::ScalesForm*>(&form)) {
      if (on_scales) on_scales(*scales);
      return;
    }
    if (answers.empty() && !unqueued_question_answer.empty() && dynamic_cast<frame::QuestionForm*>(&form))
      answers.push_back(unqueued_question_answer);
    if (answers.empty()) {
      ADD_FAILURE() << "no answer left for " << form.name() << " (" << form.caption() << ")";
      return;
    }
    const std::string answer = answers.front();
    answers.pop_front();
    if (auto* question = dynamic_cast<frame::QuestionForm*>(&form)) {
      (answer == "Sim" ? question->yes : question->no).UserClick();
    } else if (auto* number = dynamic_cast<frame::NumberPromptForm*>(&form)) {
      if (answer != kKeep) number->field.UserType(answer);
      number->button.UserClick();
    } else if (auto* text = dynamic_cast<frame::TextPromptForm*>(&form)) {
      if (answer != kKeep) text->field.UserType(answer);
      text->button.UserClick();
    } else if (auto* choice = dynamic_cast<ladder::TransformationForm*>(&form)) {
      const std::vector<std::string>& items = choice->choice.items();
      const auto item = std::find(items.begin(), items.end(), answer);
      if (item != items.end()) choice->choice.UserChoose(static_cast<int>(item - items.begin()));
      choice->apply.UserClick();
    } else {
      ADD_FAILURE() << "unexpected modal form " << form.name();
    }
  }
};

}  // namespace ladder_test
