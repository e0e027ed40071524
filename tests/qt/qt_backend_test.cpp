#include "forms/qt/qt_backend.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "base/errors.h"
#include "forms/application.h"
#include "forms/button.h"
#include "forms/check_box.h"
#include "forms/edit.h"
#include "forms/file_dialog.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/main_menu.h"
#include "forms/memo.h"
#include "forms/paint_box.h"
#include "forms/qt/form_window.h"
#include "forms/radio_group.h"
#include "forms/raster/image_canvas.h"
#include "forms/status_bar.h"

namespace forms::qt {
namespace {

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "qt_backend_tests";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // lives until the process ends: widgets of every test die before it
  new QApplication(argc, argv);
}

// An edit whose exit check refuses the text "bad", as a numeric field
// refuses text that is no number.
class CheckedEdit : public Edit {
 public:
  using Edit::Edit;
  void ExitCheck() override {
    if (text() == "bad") throw base::InvalidNumberError(text());
  }
};

class MainForm : public Form {
 public:
  explicit MainForm(Application& app)
      : Form(app, "Form1", "Principal"),
        log(Add<Memo>("Memo1")),
        menu(Add<MainMenu>("MainMenu1")),
        save(Add<FileDialog>(
            "SaveDialog1", FileDialogKind::Save,
            std::vector<FileFilter>{{"Polinômios (*.n; *.d)", "*.n; *.d"}, {"Tabelas (*.tab)", "*.tab"}})) {
    SetClientSize(420, 240);
    log.SetReadOnly(true);
    log.SetAlign(Align::Client);
    MenuEntry& entry = menu.AddEntry("Menu1", "Menu");
    menu.AddItem(entry, "Iniciar1", "Iniciar", [this] { ++started; });
    menu.AddItem(entry, "Falhar1", "Falhar", [] { throw base::RangeCheckError(7); });
    menu.AddItem(entry, "Estourar1", "Estourar", [] { throw std::runtime_error("broken"); });
  }
  Memo& log;
  MainMenu& menu;
  FileDialog& save;
  int started = 0;
};

class PromptForm : public Form {
 public:
  explicit PromptForm(Application& app)
      : Form(app, "Form2", "Real"),
        prompt(Add<Label>("Label1", "Valor")),
        field(Add<CheckedEdit>("NEdit1", "1")),
        apply(Add<Button>("Button1", "Aplicar")) {
    SetBorderStyle(BorderStyle::Dialog);
    SetPlacement(Placement::OwnerCenter);
    apply.on_click = [this] {
      ++clicks;
      SetModalResult(kModalOk);
    };
  }
  Label& prompt;
  CheckedEdit& field;
  Button& apply;
  int clicks = 0;
};

struct Stroke {
  std::optional<int> key;
  std::optional<char> character;
  ShiftState shift;
};

struct MouseCall {
  char kind;  // 'd'own, 'm'ove, 'u'p
  MouseButton button;
  bool shift;
  int x, y;
};

class PlotForm : public Form {
 public:
  explicit PlotForm(Application& app)
      : Form(app, "Form3", "Raízes"), status(Add<StatusBar>("StatusBar1")), box(Add<PaintBox>("PaintBox1")) {
    box.SetAlign(Align::Client);
    SetClientSize(300, 200);
    box.on_paint = [this] {
      ++paints;
      box.canvas().SetBrushColor(kBlack);
      box.canvas().SetPenColor(kBlack);
      box.canvas().Rectangle(0, 0, box.width(), box.height());
    };
    on_key_down = [this](int& key, ShiftState shift) { strokes.push_back({key, std::nullopt, shift}); };
    on_key_press = [this](char& key) {
      if (!strokes.empty() && !strokes.back().character) strokes.back().character = key;
    };
    box.on_mouse_down = [this](MouseButton b, ShiftState s, int x, int y) { mouse.push_back({'d', b, s.shift, x, y}); };
    box.on_mouse_move = [this](ShiftState s, int x, int y) {
      mouse.push_back({'m', MouseButton::Left, s.shift, x, y});
    };
    box.on_mouse_up = [this](MouseButton b, ShiftState s, int x, int y) { mouse.push_back({'u', b, s.shift, x, y}); };
  }
  StatusBar& status;
  PaintBox& box;
  int paints = 0;
  std::vector<Stroke> strokes;
  std::vector<MouseCall> mouse;
};

class ChoiceForm : public Form {
 public:
  explicit ChoiceForm(Application& app)
      : Form(app, "Form4", "Operações"),
        group(Add<RadioGroup>("RGmenu", "Operação", std::vector<std::string>{"um", "dois", "três", "quatro"}, -1, 2)),
        list(Add<ListBox>("ListBox1")),
        check(Add<CheckBox>("CBlog", "Escala logarítmica")),
        first(Add<Edit>("Edit1")),
        second(Add<Edit>("Edit2")) {
    for (const char* item : {"Q(w)", "F(s)", "P(s)"}) list.AddItem(item);
    list.SetItemIndex(0);
    group.on_click = [this] { ++group_clicks; };
    list.on_click = [this] { ++list_clicks; };
    check.on_click = [this] { ++check_clicks; };
    second.SetTabOrder(0);
    first.SetTabOrder(1);
  }
  RadioGroup& group;
  ListBox& list;
  CheckBox& check;
  Edit& first;
  Edit& second;
  int group_clicks = 0, list_clicks = 0, check_clicks = 0;
};

struct Message {
  std::string caption, text;
};

class QtBackendTest : public ::testing::Test {
 protected:
  QtBackendTest() {
    backend_.message_box_hook = [this](const std::string& caption, const std::string& text) {
      messages_.push_back({caption, text});
    };
    app_.SetTitle("Teste");
    main_ = &app_.CreateForm<MainForm>();
    prompt_ = &app_.CreateForm<PromptForm>();
    plot_ = &app_.CreateForm<PlotForm>();
    choice_ = &app_.CreateForm<ChoiceForm>();
    main_->Show();
  }

  template <typename W>
  W* WidgetOf(const Control& control) {
    return dynamic_cast<W*>(backend_.WidgetOf(control));
  }

  // Show the form modally, run the steps inside its loop, and end the loop
  // with the close box if the steps did not.
  int RunModal(Form& form, const std::function<void()>& steps) {
    QTimer::singleShot(0, [&] {
      EXPECT_TRUE(QTest::qWaitForWindowExposed(backend_.WindowOf(form)));
      steps();
      if (form.modal() && form.modal_result() == kModalNone) form.Close();
    });
    return form.ShowModal();
  }

  static void Settle() { QTest::qWait(10); }

  // A user's typing: the old text selected and typed over.
  static void TypeInto(QLineEdit* line, const QString& text) {
    line->selectAll();
    QTest::keyClicks(line, text);
  }

  struct ApplicationFirst {
    ApplicationFirst() { EnsureApplication(); }
  } application_first_;
  QtBackend backend_;
  Application app_{backend_};
  std::vector<Message> messages_;
  MainForm* main_ = nullptr;
  PromptForm* prompt_ = nullptr;
  PlotForm* plot_ = nullptr;
  ChoiceForm* choice_ = nullptr;
};

TEST_F(QtBackendTest, WindowsTakeCaptionSizeAndMenuFromTheModel) {
  FormWindow* window = backend_.WindowOf(*main_);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle().toStdString(), "Principal");
  EXPECT_EQ(window->client()->size(), QSize(420, 240));
  const auto* bar = window->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 1);
  EXPECT_EQ(bar->actions().front()->text().toStdString(), "Menu");
  EXPECT_EQ(bar->actions().front()->menu()->actions().size(), 3);
  EXPECT_EQ(WidgetOf<QPlainTextEdit>(main_->log)->geometry(), QRect(0, 0, 420, 240));
}

TEST_F(QtBackendTest, MenuItemsRunUnderTheGuard) {
  const QList<QAction*> items = backend_.WindowOf(*main_)->findChild<QMenuBar*>()->actions().front()->menu()->actions();
  items[0]->trigger();
  EXPECT_EQ(main_->started, 1);
  EXPECT_TRUE(messages_.empty());
  items[1]->trigger();
  items[2]->trigger();
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[0].caption, "Teste");
  EXPECT_EQ(messages_[0].text, "Range check error.");
  EXPECT_EQ(messages_[1].caption, "Teste");
  EXPECT_EQ(messages_[1].text, "broken.");
}

TEST_F(QtBackendTest, ShowModalReturnsAfterTheButtonSetsTheResult) {
  const int result =
      RunModal(*prompt_, [&] { QTest::mouseClick(WidgetOf<QPushButton>(prompt_->apply), Qt::LeftButton); });
  EXPECT_EQ(result, kModalOk);
  EXPECT_EQ(prompt_->clicks, 1);
  EXPECT_FALSE(prompt_->visible());
  EXPECT_FALSE(backend_.WindowOf(*prompt_)->isVisible());
  EXPECT_EQ(backend_.WindowOf(*prompt_)->windowModality(), Qt::NonModal);
}

TEST_F(QtBackendTest, ModalFormClosedByTheModelOrTheCloseBoxGivesCancel) {
  EXPECT_EQ(RunModal(*prompt_, [&] { prompt_->Close(); }), kModalCancel);
  EXPECT_EQ(RunModal(*prompt_, [&] { backend_.WindowOf(*prompt_)->close(); }), kModalCancel);
  EXPECT_EQ(prompt_->clicks, 0);
  EXPECT_FALSE(backend_.WindowOf(*prompt_)->isVisible());
}

TEST_F(QtBackendTest, RefusedExitCheckShowsTheMessageAndTheButtonDoesNotAct) {
  QLineEdit* line = WidgetOf<QLineEdit>(prompt_->field);
  QPushButton* button = WidgetOf<QPushButton>(prompt_->apply);
  bool stayed_open = false;
  const int result = RunModal(*prompt_, [&] {
    TypeInto(line, "bad");
    QTest::mouseClick(button, Qt::LeftButton);
    stayed_open = prompt_->modal_result() == kModalNone;
    EXPECT_EQ(prompt_->active_control(), &prompt_->field);
    EXPECT_EQ(backend_.WindowOf(*prompt_)->focusWidget(), line);
    EXPECT_EQ(line->selectedText(), "bad") << "typing replaces what was refused";
    TypeInto(line, "2");
    QTest::mouseClick(button, Qt::LeftButton);
  });
  EXPECT_TRUE(stayed_open);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].caption, "Teste");
  EXPECT_EQ(messages_[0].text, "bad is not a valid number.");
  EXPECT_EQ(prompt_->clicks, 1);
  EXPECT_EQ(result, kModalOk);
  EXPECT_EQ(prompt_->field.text(), "2");
}

TEST_F(QtBackendTest, RefusedTabPutsTheFocusBack) {
  QLineEdit* line = WidgetOf<QLineEdit>(prompt_->field);
  RunModal(*prompt_, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*prompt_)));
    ASSERT_EQ(QApplication::focusWidget(), line);
    TypeInto(line, "bad");
    QTest::keyClick(line, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), line);
    EXPECT_EQ(prompt_->active_control(), &prompt_->field);
    EXPECT_EQ(line->selectedText(), "bad");
    EXPECT_EQ(messages_.size(), 1u);
    TypeInto(line, "3");
    QTest::keyClick(line, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), WidgetOf<QPushButton>(prompt_->apply));
    EXPECT_EQ(prompt_->active_control(), &prompt_->apply);
  });
  EXPECT_EQ(messages_.size(), 1u);
  EXPECT_EQ(prompt_->clicks, 0);
}

TEST_F(QtBackendTest, ActivatingAnotherWindowRunsNoCheck) {
  choice_->Show();
  QLineEdit* line = WidgetOf<QLineEdit>(choice_->second);
  ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*choice_)));
  ASSERT_EQ(QApplication::focusWidget(), line);
  choice_->second.UserEdited("bad");
  backend_.WindowOf(*main_)->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*main_)));
  backend_.WindowOf(*choice_)->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*choice_)));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(choice_->active_control(), &choice_->second);
  EXPECT_EQ(QApplication::focusWidget(), line);
}

// After a modal prompt the keyboard goes back to the window the user was
// in (here the choice window, as the operations window would be), also
// when a second prompt follows at once; a window the program shows after
// the prompt keeps the front instead.
TEST_F(QtBackendTest, ClosingAPromptGivesTheKeyboardBackToTheUsersWindow) {
  FormWindow* user = backend_.WindowOf(*choice_);
  const auto prompt_once = [&] {
    RunModal(*prompt_, [&] { QTest::mouseClick(WidgetOf<QPushButton>(prompt_->apply), Qt::LeftButton); });
  };
  struct Case {
    const char* what;
    std::function<void()> act;
    QWidget* active_after;
  };
  const Case cases[] = {
      {"one prompt", prompt_once, user},
      {"two prompts in a row",
       [&] {
         prompt_once();
         prompt_once();
       },
       user},
      {"a prompt, then a window shown",
       [&] {
         prompt_once();
         plot_->Show();
       },
       backend_.WindowOf(*plot_)},
  };
  for (const Case& c : cases) {
    plot_->Hide();
    choice_->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(user)) << c.what;
    c.act();
    EXPECT_TRUE(QTest::qWaitForWindowActive(c.active_after)) << c.what;
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), c.active_after) << c.what;
  }
  EXPECT_EQ(prompt_->clicks, 4);
}

// A dialog opened from a plot opens beside it, clear of the main window's
// menu, and gives the plot back the keyboard and the front when it closes.
TEST_F(QtBackendTest, ADialogFromAPlotOpensBesideItAndGivesItBackTheFront) {
  FormWindow* plot = backend_.WindowOf(*plot_);
  FormWindow* main = backend_.WindowOf(*main_);
  plot_->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(plot));
  // the user moved the plot over the middle of the main window, where a
  // dialog centred on it would cover the plot
  plot->move(main->frameGeometry().center() - QPoint(100, 60));
  Settle();
  const QRect menu(main->findChild<QMenuBar*>()->mapToGlobal(QPoint(0, 0)), main->findChild<QMenuBar*>()->size());
  QRect dialog;
  RunModal(*prompt_, [&] { dialog = backend_.WindowOf(*prompt_)->frameGeometry(); });
  EXPECT_FALSE(dialog.intersects(plot->frameGeometry()));
  EXPECT_FALSE(dialog.intersects(menu));
  EXPECT_TRUE(plot->screen()->availableGeometry().contains(dialog));
  EXPECT_TRUE(QTest::qWaitForWindowActive(plot));
}

// A plot window sets its colours when it becomes active; an error there is
// reported like any other action's.
TEST_F(QtBackendTest, ActivationRunsTheHandlerOfTheWindowThatBecomesActive) {
  int plot_activations = 0;
  plot_->on_activate = [&] {
    ++plot_activations;
    if (plot_activations == 2) throw base::RangeCheckError(3);
  };
  plot_->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*plot_)));
  Settle();
  EXPECT_EQ(plot_activations, 1);
  backend_.WindowOf(*main_)->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*main_)));
  Settle();
  EXPECT_EQ(plot_activations, 1);
  backend_.WindowOf(*plot_)->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*plot_)));
  Settle();
  EXPECT_EQ(plot_activations, 2);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "Range check error.");
}

TEST_F(QtBackendTest, PaintHandlerRunsOncePerCoalescedInvalidateAndOnlyWhileShown) {
  plot_->Show();
  Settle();
  EXPECT_EQ(plot_->paints, 1);
  plot_->box.Invalidate();
  plot_->box.Invalidate();
  plot_->Invalidate();
  EXPECT_EQ(plot_->paints, 1);
  Settle();
  EXPECT_EQ(plot_->paints, 2);
  plot_->Hide();
  plot_->box.Invalidate();
  Settle();
  EXPECT_EQ(plot_->paints, 2);
  plot_->Show();
  Settle();
  EXPECT_EQ(plot_->paints, 3);
}

TEST_F(QtBackendTest, DrawingOutsideThePaintHandlerShowsOnTheWidget) {
  plot_->Show();
  Settle();
  Canvas& canvas = plot_->box.canvas();
  canvas.SetPenMode(PenMode::Xor);
  canvas.SetPenColor(kYellow);
  canvas.SetBrushColor(kRed);
  canvas.Polygon({{20, 20}, {32, 20}, {29, 23}, {32, 26}, {26, 32}, {23, 29}, {20, 32}});
  canvas.SetPenMode(PenMode::Copy);
  const QImage shown = WidgetOf<QWidget>(plot_->box)->grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(20, 20)), QColor(255, 255, 0));
  EXPECT_EQ(QColor(shown.pixel(24, 24)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(shown.pixel(60, 60)), QColor(0, 0, 0));
}

TEST_F(QtBackendTest, AlignedControlsAndTheCanvasFollowTheWindowSize) {
  plot_->Show();
  Settle();
  QWidget* area = WidgetOf<QWidget>(plot_->box);
  EXPECT_EQ(area->geometry(), QRect(0, 0, 300, 200 - kStatusBarHeight));
  EXPECT_EQ(WidgetOf<QLabel>(plot_->status)->geometry(), QRect(0, 200 - kStatusBarHeight, 300, kStatusBarHeight));
  backend_.WindowOf(*plot_)->resize(500, 350);
  Settle();
  EXPECT_EQ(plot_->client_width(), 500);
  EXPECT_EQ(plot_->client_height(), 350);
  EXPECT_EQ(area->geometry(), QRect(0, 0, 500, 350 - kStatusBarHeight));
  EXPECT_EQ(plot_->box.width(), 500);
  const auto* canvas = backend_.ExistingCanvasOf(plot_->box);
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(canvas->width(), 500);
  EXPECT_EQ(canvas->height(), 350 - kStatusBarHeight);
  plot_->status.SetText("Raiz: -0.5000 0.8660j");
  EXPECT_EQ(WidgetOf<QLabel>(plot_->status)->text().toStdString(), "Raiz: -0.5000 0.8660j");
}

TEST_F(QtBackendTest, KeysReachTheFormAsVirtualKeysAndCharacters) {
  // a key given by its character carries that text, as a keyboard's would
  struct Case {
    Qt::Key key;
    char typed;
    Qt::KeyboardModifiers modifiers;
    int virtual_key;
    std::optional<char> character;
  };
  const Case cases[] = {
      {Qt::Key_Left, 0, Qt::NoModifier, kKeyLeft, std::nullopt},
      {Qt::Key_PageDown, 0, Qt::NoModifier, kKeyPageDown, std::nullopt},
      {Qt::Key_A, 'a', Qt::NoModifier, 'A', 'a'},
      {Qt::Key_A, 'A', Qt::ShiftModifier, 'A', 'A'},
      {Qt::Key_Plus, '+', Qt::NoModifier, kKeyOemPlus, '+'},
      {Qt::Key_Period, '.', Qt::NoModifier, kKeyOemPeriod, '.'},
      {Qt::Key_Return, 0, Qt::NoModifier, kKeyReturn, kCharEnter},
      {Qt::Key_Backspace, 0, Qt::NoModifier, kKeyBack, kCharBackspace},
      {Qt::Key_Space, ' ', Qt::NoModifier, kKeySpace, ' '},
  };
  plot_->Show();
  FormWindow* window = backend_.WindowOf(*plot_);
  for (const Case& c : cases) {
    plot_->strokes.clear();
    if (c.typed)
      QTest::keyClick(window, c.typed, c.modifiers);
    else
      QTest::keyClick(window, c.key, c.modifiers);
    ASSERT_EQ(plot_->strokes.size(), 1u) << c.key;
    EXPECT_EQ(plot_->strokes[0].key, c.virtual_key) << c.key;
    EXPECT_EQ(plot_->strokes[0].character, c.character) << c.key;
    EXPECT_EQ(plot_->strokes[0].shift.shift, c.modifiers.testFlag(Qt::ShiftModifier)) << c.key;
  }
}

TEST_F(QtBackendTest, TypingIntoALineEditStaysInTheEdit) {
  int presses = 0;
  choice_->on_key_press = [&](char&) { ++presses; };
  choice_->Show();
  QLineEdit* line = WidgetOf<QLineEdit>(choice_->first);
  QTest::keyClicks(line, "1.5");
  EXPECT_EQ(choice_->first.text(), "1.5");
  EXPECT_EQ(presses, 0);
}

TEST_F(QtBackendTest, MouseOnThePaintBoxReportsButtonShiftAndPosition) {
  plot_->Show();
  QWidget* area = WidgetOf<QWidget>(plot_->box);
  QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
  QTest::mouseMove(area, QPoint(40, 30));
  QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, QPoint(41, 31));
  QTest::mousePress(area, Qt::RightButton, Qt::ShiftModifier, QPoint(7, 8));
  ASSERT_GE(plot_->mouse.size(), 4u);
  const MouseCall& down = plot_->mouse.front();
  EXPECT_EQ(down.kind, 'd');
  EXPECT_EQ(down.button, MouseButton::Left);
  EXPECT_EQ(QPoint(down.x, down.y), QPoint(5, 6));
  const auto move =
      std::find_if(plot_->mouse.begin(), plot_->mouse.end(), [](const MouseCall& c) { return c.kind == 'm'; });
  ASSERT_NE(move, plot_->mouse.end());
  EXPECT_EQ(QPoint(move->x, move->y), QPoint(40, 30));
  const auto up =
      std::find_if(plot_->mouse.begin(), plot_->mouse.end(), [](const MouseCall& c) { return c.kind == 'u'; });
  ASSERT_NE(up, plot_->mouse.end());
  EXPECT_EQ(QPoint(up->x, up->y), QPoint(41, 31));
  const MouseCall& right = plot_->mouse.back();
  EXPECT_EQ(right.kind, 'd');
  EXPECT_EQ(right.button, MouseButton::Right);
  EXPECT_TRUE(right.shift);
}

TEST_F(QtBackendTest, MemoAppendShowsTheLineAndScrollsToIt) {
  EXPECT_EQ(WidgetOf<QPlainTextEdit>(main_->log)->toPlainText().toStdString(), "");
  main_->log.Append("Versão 2.7a de 26/4/2019");
  main_->log.Append("");
  main_->log.Append("Raízes:");
  QPlainTextEdit* text = WidgetOf<QPlainTextEdit>(main_->log);
  EXPECT_EQ(text->toPlainText().toStdString(), "Versão 2.7a de 26/4/2019\n\nRaízes:");
  for (int i = 0; i < 200; ++i) main_->log.Append("linha " + std::to_string(i));
  Settle();
  EXPECT_GT(text->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(text->verticalScrollBar()->value(), text->verticalScrollBar()->maximum());
  main_->log.Clear();
  EXPECT_TRUE(text->toPlainText().isEmpty());
  EXPECT_TRUE(text->isReadOnly());
}

TEST_F(QtBackendTest, UserEditsOfAMemoReachTheModel) {
  main_->log.SetReadOnly(false);
  main_->Hide();
  main_->Show();
  QPlainTextEdit* text = WidgetOf<QPlainTextEdit>(main_->log);
  main_->log.SetLines({"a", "b"});
  QTest::mouseClick(text->viewport(), Qt::LeftButton);
  text->moveCursor(QTextCursor::End);
  QTest::keyClicks(text, "c");
  QTest::keyClick(text, Qt::Key_Return);
  QTest::keyClicks(text, "d");
  EXPECT_EQ(main_->log.lines(), (std::vector<std::string>{"a", "bc", "d"}));
}

TEST_F(QtBackendTest, RadioGroupShowsNoneAndReportsTheUsersChoice) {
  choice_->Show();
  auto* box = WidgetOf<QGroupBox>(choice_->group);
  const QList<QRadioButton*> radios = box->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 4);
  for (const QRadioButton* radio : radios) EXPECT_FALSE(radio->isChecked());
  // two columns, filled column by column
  EXPECT_EQ(radios[0]->x(), radios[1]->x());
  EXPECT_GT(radios[2]->x(), radios[0]->x());
  EXPECT_EQ(radios[2]->y(), radios[0]->y());
  // on the indicator: the button spans its column, wider than its text
  QTest::mouseClick(radios[2], Qt::LeftButton, Qt::NoModifier, QPoint(6, radios[2]->height() / 2));
  EXPECT_EQ(choice_->group.item_index(), 2);
  EXPECT_EQ(choice_->group_clicks, 1);
  EXPECT_EQ(choice_->active_control(), &choice_->group);
  choice_->group.SetItemIndex(-1);
  for (const QRadioButton* radio : radios) EXPECT_FALSE(radio->isChecked());
  choice_->group.SetItemIndex(1);
  EXPECT_TRUE(radios[1]->isChecked());
  EXPECT_EQ(choice_->group_clicks, 1);
}

// The keyboard moves the highlight without picking, so that it reaches the
// preselected first item too; Return or Space picks the highlighted item,
// once however long the key is held; a click picks, on the selected item
// as well.
TEST_F(QtBackendTest, ListBoxPicksOnAClickOrReturnOrSpaceOnly) {
  choice_->Show();
  auto* list = WidgetOf<QListWidget>(choice_->list);
  EXPECT_EQ(list->count(), 3);
  EXPECT_EQ(list->currentRow(), 0);
  const auto click = [&](int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    int clicks, index;
  };
  QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  const Step steps[] = {
      {"Return on the preselected item", [&] { QTest::keyClick(list, Qt::Key_Return); }, 1, 0},
      {"Down moves", [&] { QTest::keyClick(list, Qt::Key_Down); }, 1, 1},
      {"End moves", [&] { QTest::keyClick(list, Qt::Key_End); }, 1, 2},
      {"a letter moves", [&] { QTest::keyClicks(list, "f"); }, 1, 1},
      {"Return held down", [&] { QApplication::sendEvent(list, &repeated); }, 1, 1},
      {"Space", [&] { QTest::keyClick(list, Qt::Key_Space); }, 2, 1},
      {"a click", [&] { click(2); }, 3, 2},
      {"a click on the selected item", [&] { click(2); }, 4, 2},
      {"Up after a click", [&] { QTest::keyClick(list, Qt::Key_Up); }, 4, 1},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(choice_->list_clicks, step.clicks) << step.what;
    EXPECT_EQ(choice_->list.item_index(), step.index) << step.what;
    EXPECT_EQ(list->currentRow(), step.index) << step.what;
  }
  EXPECT_EQ(choice_->active_control(), &choice_->list);
  choice_->list.Clear();
  choice_->list.AddItem("E(s)");
  EXPECT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text().toStdString(), "E(s)");
  EXPECT_EQ(choice_->list_clicks, 4);
}

TEST_F(QtBackendTest, CheckBoxClickReachesTheModel) {
  choice_->Show();
  auto* check = WidgetOf<QCheckBox>(choice_->check);
  QTest::mouseClick(check, Qt::LeftButton);
  EXPECT_TRUE(choice_->check.checked());
  EXPECT_EQ(choice_->check_clicks, 1);
  choice_->check.SetChecked(false);
  EXPECT_FALSE(check->isChecked());
}

TEST_F(QtBackendTest, TabOrderFollowsTheModel) {
  choice_->Show();
  std::vector<QWidget*> expected;
  for (const Control* control : choice_->TabOrder()) {
    QWidget* widget = backend_.WidgetOf(*control);
    if (auto* box = qobject_cast<QGroupBox*>(widget))
      for (QRadioButton* radio : box->findChildren<QRadioButton*>()) expected.push_back(radio);
    else
      expected.push_back(widget);
  }
  ASSERT_EQ(expected.front(), backend_.WidgetOf(choice_->second));
  std::vector<QWidget*> chain{expected.front()};
  for (QWidget* w = expected.front()->nextInFocusChain(); w != expected.front() && chain.size() < expected.size();
       w = w->nextInFocusChain())
    if (std::find(expected.begin(), expected.end(), w) != expected.end()) chain.push_back(w);
  EXPECT_EQ(chain, expected);
  EXPECT_EQ(backend_.WindowOf(*choice_)->focusWidget(), backend_.WidgetOf(choice_->second));
}

TEST_F(QtBackendTest, UnplacedControlsGetATidyLayoutInCreationOrder) {
  FormWindow* window = backend_.WindowOf(*prompt_);
  prompt_->Show();
  Settle();
  const QRect label = WidgetOf<QLabel>(prompt_->prompt)->geometry();
  const QRect field = WidgetOf<QLineEdit>(prompt_->field)->geometry();
  const QRect button = WidgetOf<QPushButton>(prompt_->apply)->geometry();
  EXPECT_LT(label.bottom(), field.top());
  EXPECT_LT(field.bottom(), button.top());
  EXPECT_GT(field.width(), label.width());
  EXPECT_GE(button.width(), 75);
  EXPECT_LE(window->height(), 200);
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(prompt_->client_width(), window->client()->width());
  prompt_->Hide();
}

// A field that gets the focus as its window opens, or by Tab, shows its
// text selected: typing replaces the default instead of adding to it.
TEST_F(QtBackendTest, FieldTakingTheFocusShowsItsTextSelected) {
  QLineEdit* line = WidgetOf<QLineEdit>(prompt_->field);
  QPushButton* button = WidgetOf<QPushButton>(prompt_->apply);
  RunModal(*prompt_, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*prompt_)));
    ASSERT_EQ(QApplication::focusWidget(), line);
    EXPECT_EQ(line->selectedText(), "1");
    QTest::keyClicks(line, "7");
    EXPECT_EQ(line->text(), "7");
    QTest::keyClick(line, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), line);
    EXPECT_EQ(line->selectedText(), "7");
    QTest::keyClicks(line, "25");
    QTest::mouseClick(button, Qt::LeftButton);
  });
  EXPECT_EQ(prompt_->field.text(), "25");
  // shown again with a new default: selected again
  prompt_->field.SetText("3");
  RunModal(*prompt_, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*prompt_)));
    EXPECT_EQ(line->selectedText(), "3");
  });
  EXPECT_TRUE(messages_.empty());
}

// Enter or Space on the focused button presses it.
class QtButtonKeyTest : public QtBackendTest, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(QtButtonKeyTest, PressesTheFocusedButton) {
  QLineEdit* line = WidgetOf<QLineEdit>(prompt_->field);
  QPushButton* button = WidgetOf<QPushButton>(prompt_->apply);
  const int result = RunModal(*prompt_, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*prompt_)));
    QTest::keyClick(line, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button);
    QTest::keyClick(button, GetParam());
  });
  EXPECT_EQ(result, kModalOk);
  EXPECT_EQ(prompt_->clicks, 1);
}

INSTANTIATE_TEST_SUITE_P(EnterOrSpace, QtButtonKeyTest,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space));

// A focused default button takes a held Return, or Return with Shift, as
// nothing: each repeat would run the button's action once more.
TEST_F(QtBackendTest, AFocusedDefaultButtonIgnoresAHeldOrModifiedReturn) {
  QLineEdit* line = WidgetOf<QLineEdit>(prompt_->field);
  QPushButton* button = WidgetOf<QPushButton>(prompt_->apply);
  prompt_->SetDefaultButton(&prompt_->apply);
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  int clicks_before_plain = -1;
  const int result = RunModal(*prompt_, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*prompt_)));
    QTest::keyClick(line, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button);
    QApplication::sendEvent(button, &held);
    QApplication::sendEvent(button, &held);
    QTest::keyClick(button, Qt::Key_Return, Qt::ShiftModifier);
    clicks_before_plain = prompt_->clicks;
    QTest::keyClick(button, Qt::Key_Return);
  });
  EXPECT_EQ(clicks_before_plain, 0);
  EXPECT_EQ(result, kModalOk);
  EXPECT_EQ(prompt_->clicks, 1);
}

// Enter in a field does nothing of itself: the button is no default button.
TEST_F(QtBackendTest, EnterInAFieldDoesNothingOfItself) {
  QLineEdit* line = WidgetOf<QLineEdit>(prompt_->field);
  bool stayed_open = false;
  RunModal(*prompt_, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*prompt_)));
    QTest::keyClick(line, Qt::Key_Return);
    stayed_open = prompt_->modal_result() == kModalNone;
  });
  EXPECT_TRUE(stayed_open);
  EXPECT_EQ(prompt_->clicks, 0);
}

// A field that asks for Enter runs its handler, which here presses the
// button: the field's exit check comes first, and a refusal keeps the
// dialog open with the focus in the field.
TEST_F(QtBackendTest, EnterInAFieldThatAsksForItPressesTheButtonAfterTheCheck) {
  QLineEdit* line = WidgetOf<QLineEdit>(prompt_->field);
  prompt_->field.on_enter = [this] { prompt_->apply.UserClick(); };
  bool stayed_open = false;
  const int result = RunModal(*prompt_, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*prompt_)));
    QTest::keyClicks(line, "bad");
    QTest::keyClick(line, Qt::Key_Return);
    stayed_open = prompt_->modal_result() == kModalNone;
    EXPECT_EQ(QApplication::focusWidget(), line);
    line->selectAll();
    QTest::keyClicks(line, "2");
    QTest::keyClick(line, Qt::Key_Enter);
  });
  EXPECT_TRUE(stayed_open);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, "bad is not a valid number.");
  EXPECT_EQ(result, kModalOk);
  EXPECT_EQ(prompt_->clicks, 1);
  EXPECT_EQ(prompt_->field.text(), "2");
}

// Return in a field of a dialog with a default button runs the field's
// check and then presses the button; held down it acts once; Escape closes
// a modal dialog as its close box does, and does nothing elsewhere.
TEST_F(QtBackendTest, ReturnPressesTheDefaultButtonAndEscapeClosesTheDialog) {
  QLineEdit* line = WidgetOf<QLineEdit>(prompt_->field);
  prompt_->SetDefaultButton(&prompt_->apply);
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  bool open_after_refusal = false, open_after_held = false;
  const int entered = RunModal(*prompt_, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*prompt_)));
    EXPECT_TRUE(WidgetOf<QPushButton>(prompt_->apply)->isDefault());
    TypeInto(line, "bad");
    line->deselect();
    QTest::keyClick(line, Qt::Key_Return);
    open_after_refusal = prompt_->modal_result() == kModalNone;
    EXPECT_EQ(line->selectedText(), "bad");
    TypeInto(line, "2");
    QApplication::sendEvent(line, &held);
    open_after_held = prompt_->modal_result() == kModalNone;
    QTest::keyClick(line, Qt::Key_Enter, Qt::KeypadModifier);
  });
  EXPECT_TRUE(open_after_refusal);
  EXPECT_TRUE(open_after_held);
  EXPECT_EQ(entered, kModalOk);
  EXPECT_EQ(prompt_->clicks, 1);
  EXPECT_EQ(prompt_->field.text(), "2");
  ASSERT_EQ(messages_.size(), 1u);

  int closes = 0;
  prompt_->on_close = [&](CloseAction&) { ++closes; };
  const int escaped = RunModal(*prompt_, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*prompt_)));
    QTest::keyClick(line, Qt::Key_Escape);
  });
  EXPECT_EQ(escaped, kModalCancel);
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(prompt_->clicks, 1);

  choice_->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(backend_.WindowOf(*choice_)));
  QTest::keyClick(WidgetOf<QLineEdit>(choice_->second), Qt::Key_Escape);
  EXPECT_TRUE(choice_->visible());
}

// The save dialog, as the user meets it: its title names the offer; it
// asks before it replaces a file, and "no" leaves it open; it starts in the
// folder of the last file, with a name only where the same offer gave one
// of the kind it shows.
TEST_F(QtBackendTest, SaveDialogAsksBeforeReplacingAndProposesOnlyTheSameOffersName) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QFile existing(folder.filePath("a.n"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  FileDialog& save = main_->save;
  save.SetFileName(folder.filePath("elip.val").toStdString());
  struct Seen {
    QString title, proposed, folder;
    bool asked = false;
  };
  // Runs the dialog for the subject and filter; each name is typed and
  // confirmed in turn, a replace question answered "no"; none left cancels.
  const auto run = [&](const std::string& subject, int filter, std::vector<QString> names) {
    save.SetSubject(subject);
    save.SetFilterIndex(filter);
    Seen seen;
    // every step after the first dies with the dialog it was meant for
    const std::function<void()> step = [&] {
      if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen.asked = true;
        QTimer::singleShot(0, question->parentWidget(), step);
        question->button(QMessageBox::No)->click();
        return;
      }
      auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(chooser, nullptr);
      auto* line = chooser->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(line, nullptr);
      if (seen.title.isEmpty()) {
        seen.title = chooser->windowTitle();
        seen.proposed = line->text();
        seen.folder = chooser->directory().absolutePath();
      }
      if (names.empty()) {
        chooser->reject();
        return;
      }
      line->setText(names.front());
      names.erase(names.begin());
      QTimer::singleShot(0, chooser, step);
      QTest::keyClick(line, Qt::Key_Return);
    };
    QTimer::singleShot(0, step);
    const bool confirmed = save.Execute();
    return std::make_pair(confirmed, seen);
  };
  const QString save_as = QCoreApplication::translate("QFileDialog", "Save As");

  const auto [first_confirmed, first] = run("Numerador", 1, {"a.n", "b.n"});
  EXPECT_TRUE(first_confirmed);
  EXPECT_TRUE(first.asked);
  EXPECT_EQ(first.title, save_as + " - Numerador");
  EXPECT_EQ(first.proposed, "");
  EXPECT_EQ(first.folder, QDir(folder.path()).absolutePath());
  EXPECT_EQ(QString::fromStdString(save.file_name()), QDir(folder.path()).absoluteFilePath("b.n"));

  struct Case {
    const char* subject;
    int filter;
    const char* proposed;
  };
  const Case cases[] = {{"Numerador", 1, "b.n"}, {"Denominador", 1, ""}, {"Numerador", 2, ""}};
  for (const Case& c : cases) {
    const auto [confirmed, seen] = run(c.subject, c.filter, {});
    EXPECT_FALSE(confirmed) << c.subject;
    EXPECT_EQ(seen.proposed, c.proposed) << c.subject << " " << c.filter;
    EXPECT_EQ(seen.folder, QDir(folder.path()).absolutePath()) << c.subject;
    EXPECT_FALSE(seen.asked);
  }
  EXPECT_TRUE(messages_.empty());
}

// Logs and number fields line numbers up in a fixed pitch; other fields
// keep the dialog font.
TEST_F(QtBackendTest, LogsAndNumberFieldsUseAFixedPitchFont) {
  choice_->second.SetFixedPitch(true);
  const struct {
    QWidget* widget;
    bool fixed;
  } cases[] = {
      {backend_.WidgetOf(main_->log), true},
      {backend_.WidgetOf(choice_->second), true},
      {backend_.WidgetOf(choice_->first), false},
  };
  for (const auto& c : cases) {
    const QFontInfo font(c.widget->font());
    EXPECT_EQ(font.fixedPitch(), c.fixed) << font.family().toStdString();
    EXPECT_EQ(font.family() == "DejaVu Sans Mono", c.fixed) << font.family().toStdString();
  }
  choice_->second.SetFixedPitch(false);
  EXPECT_FALSE(QFontInfo(backend_.WidgetOf(choice_->second)->font()).fixedPitch());
}

// Qt's own dialogs and buttons speak Portuguese.
TEST_F(QtBackendTest, QtsOwnTextsArePortuguese) {
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Open").toStdString(), "Abrir");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Cancelar");
}

// F10, or Alt alone, gives the menu bar the keyboard; the arrows and Enter
// then run an item.
TEST_F(QtBackendTest, F10OrAltReachesTheMenu) {
  FormWindow* window = backend_.WindowOf(*main_);
  auto* bar = window->findChild<QMenuBar*>();
  QWidget* log = backend_.WidgetOf(main_->log);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  for (const Qt::Key key : {Qt::Key_F10, Qt::Key_Alt}) {
    log->setFocus();
    QTest::keyClick(log, key);
    EXPECT_TRUE(bar->hasFocus()) << key;
    ASSERT_NE(bar->activeAction(), nullptr) << key;
    EXPECT_EQ(bar->activeAction()->text().toStdString(), "Menu");
    QTest::keyClick(bar, Qt::Key_Escape);
  }
  log->setFocus();
  QTest::keyClick(log, Qt::Key_F10);
  QTest::keyClick(bar, Qt::Key_Down);
  QMenu* drop_down = bar->actions().front()->menu();
  ASSERT_TRUE(drop_down->isVisible());
  QTest::keyClick(drop_down, Qt::Key_Return);
  EXPECT_EQ(main_->started, 1);
  EXPECT_TRUE(messages_.empty());
}

TEST(QtBackendTerminate, EndsNestedModalLoops) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        EnsureApplication();
        QtBackend backend;
        Application app(backend);
        MainForm& main = app.CreateForm<MainForm>();
        PromptForm& prompt = app.CreateForm<PromptForm>();
        main.Show();
        QTimer::singleShot(0, [&] { app.Terminate(); });
        const int result = prompt.ShowModal();
        std::exit(app.terminated() && result == kModalNone && !prompt.visible() ? 3 : 1);
      },
      ::testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace forms::qt
