// The test's user at the workbench's modal dialogs, playing one step per
// dialog: the item to click in a selection, "sim" or "não" at a question, or
// the text to type into a number prompt (empty: take the default).  It notes
// every number prompt as "label=shown default".  An item of a selection is
// named by its text or by the start of it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "forms/form.h"
#include "frame/number_prompt_form.h"
#include "frame/question_form.h"
#include "frame/selection_form.h"

namespace workbench_test {

struct Step {
  std::string answer;
  // Runs once the dialog is answered, before the program goes on.
  std::function<void()> then = {};
};

class StepPlayer {
 public:
  void Load(const std::vector<Step>& steps) { steps_.assign(steps.begin(), steps.end()); }
  // Fails the test unless every step was used.
  void ExpectAllPlayed() const {
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " steps left, next: " << steps_.front().answer;
  }

  // The modal hook.
  void Play(forms::Form& form) {
    // left open: the fixture closes it by its close box, and the root finder
    // goes on as it was
    if (pass_rescues && form.name() == "Form11") return;
    if (steps_.empty()) {
      ADD_FAILURE() << "unexpected dialog " << form.name();
      return;
    }
    const Step step = steps_.front();
    steps_.pop_front();
    if (auto* selection = dynamic_cast<frame::SelectionForm*>(&form)) {
      const std::vector<std::string>& items = selection->list.items();
      auto found = std::find(items.begin(), items.end(), step.answer);
      // an item may be named by the start of its text
      if (found == items.end())
        found = std::find_if(items.begin(), items.end(),
                             [&](const std::string& item) { return item.starts_with(step.answer); });
      ASSERT_NE(found, items.end()) << step.answer;
      selection->list.UserClickItem(static_cast<int>(found - items.begin()));
    } else if (auto* number = dynamic_cast<frame::NumberPromptForm*>(&form)) {
      // a real or an integer
      prompts.push_back(number->label.caption() + "=" + number->field.text());
      if (!step.answer.empty()) number->field.UserType(step.answer);
      number->button.UserClick();
    } else if (auto* question = dynamic_cast<frame::QuestionForm*>(&form)) {
      ASSERT_TRUE(step.answer == "sim" || step.answer == "não") << step.answer;
      (step.answer == "sim" ? question->yes : question->no).UserClick();
    } else {
      ADD_FAILURE() << "unexpected dialog " << form.name();
    }
    if (step.then) step.then();
  }

  std::vector<std::string> prompts;  // "label=default" of every number prompt, in order
  // Whether the root finder's rescue dialog, which takes no step, may appear.
  bool pass_rescues = false;

 private:
  std::deque<Step> steps_;
};

}  // namespace workbench_test
