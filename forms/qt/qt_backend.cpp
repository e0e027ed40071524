#include "forms/qt/qt_backend.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <QWindow>
#include <algorithm>
#include <exception>

#include "forms/application.h"
#include "forms/file_dialog.h"
#include "forms/memo.h"
#include "forms/qt/file_filters.h"
#include "forms/qt/focus_guard.h"
#include "forms/qt/fonts.h"
#include "forms/qt/form_window.h"
#include "forms/qt/memo_view.h"
#include "forms/qt/placement.h"
#include "forms/qt/widget_canvas.h"

namespace forms::qt {

namespace {

// Qt's own dialogs and buttons speak the programs' language.
const char* const kQtTranslations = "qtbase";

// A size at which Qt's own file dialog shows its columns (name, size, type,
// date) uncut; a native dialog of the desktop sizes itself.
constexpr int kFileDialogWidth = 800;
constexpr int kFileDialogHeight = 500;

// A plot that finds no place clear of what the user needs opens smaller, in
// these steps, down to half its size.
constexpr int kSmallestPlotPercent = 50;
constexpr int kPlotPercentStep = 10;

// A dialog of Qt's own in the return of the keyboard: owned by the window
// the user was in, it takes the keyboard once it is on the screen (without
// a window manager nobody else gives it), and gives it back when it closes.
class DialogTurn {
 public:
  DialogTurn(FocusReturn& focus_return, QDialog& dialog)
      : focus_return_(focus_return), dialog_(dialog), owner_(focus_return_.Begin(&dialog_)) {
    if (owner_) dialog_.setParent(owner_, dialog_.windowFlags());
    QTimer::singleShot(0, &dialog_, [&dialog = dialog_] {
      dialog.raise();
      dialog.activateWindow();
    });
  }
  ~DialogTurn() { focus_return_.End(&dialog_); }
  QWidget* owner() const { return owner_; }
  DialogTurn(const DialogTurn&) = delete;
  DialogTurn& operator=(const DialogTurn&) = delete;

 private:
  FocusReturn& focus_return_;
  QDialog& dialog_;
  QWidget* owner_;
};

}  // namespace

QtBackend::QtBackend()
    : focus_guard_(std::make_unique<FocusGuard>(*this)),
      focus_return_([this]() -> QWidget* { return main_form_ ? WindowOf(*main_form_) : nullptr; }) {
  // the model ends the program (Terminate), never Qt on its own
  QApplication::setQuitOnLastWindowClosed(false);
  UseDialogFont();
  // without the translations installed, Qt's texts stay in English
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (translator_.load(QLocale(QLocale::Portuguese, QLocale::Brazil), kQtTranslations, "_", folder))
    QCoreApplication::installTranslator(&translator_);
}

QtBackend::~QtBackend() {
  QCoreApplication::removeTranslator(&translator_);
  // the focus guard first: dying widgets move the focus
  focus_guard_.reset();
  windows_.clear();
  canvases_.clear();
}

bool QtBackend::Dispatch(Form& form, const std::function<void()>& action) {
  Application& app = form.app();
  try {
    return app.Guard(action);
  } catch (const std::exception& error) {
    MessageBox(app.title(), error.what());
  } catch (...) {
    MessageBox(app.title(), "Unknown error");
  }
  return false;
}

FormWindow* QtBackend::WindowOf(const Form& form) const {
  const auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second.get();
}

QWidget* QtBackend::WidgetOf(const Control& control) const {
  const FormWindow* window = WindowOf(control.form());
  const ControlView* view = window ? window->ViewOf(control) : nullptr;
  return view ? view->widget() : nullptr;
}

ImageCanvas* QtBackend::ExistingCanvasOf(const PaintBox& box) const {
  const auto it = canvases_.find(&box);
  return it == canvases_.end() ? nullptr : it->second.get();
}

void QtBackend::FormCreated(Form& form) {
  if (!main_form_) main_form_ = &form;
  auto window = std::make_unique<FormWindow>(form, *this);
  for (const auto& [box, canvas] : canvases_)
    if (&box->form() == &form) canvas->ShowOn(window->ViewOf(*box)->widget());
  windows_[&form] = std::move(window);
}

void QtBackend::FormChanged(Form& form) {
  if (FormWindow* window = WindowOf(form)) window->FormChanged();
}

void QtBackend::WindowActivated(FormWindow& window) { focus_return_.Activated(&window, window.form().modal()); }

QRect QtBackend::PlaceNewWindow(const QWidget& window, const QSize& frame, QWidget* owner, bool dialog) {
  FormWindow* main = main_form_ ? WindowOf(*main_form_) : nullptr;
  const QScreen* screen = main ? main->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), frame);
  if (!main || main == &window || !main->isVisible())
    return {WithinScreen(area.center() - QPoint(frame.width() / 2, frame.height() / 2), frame, area), frame};
  std::vector<Obstacle> obstacles;
  bool beside_main = false;
  for (const auto& [form, other] : windows_) {
    if (other.get() == &window || !other->isVisible()) continue;
    beside_main = beside_main || other.get() != main;
    other->AddObstacles(obstacles, dialog);
  }
  const QRect main_frame = main->frameGeometry();
  auto* owner_window = dynamic_cast<FormWindow*>(owner);
  if (dialog && owner_window && owner_window->isVisible() && owner_window->IsPlot()) {
    // beside the plot it sets, which stays in view
    const QRect plot = owner_window->frameGeometry();
    obstacles.push_back({plot, kGuarded});
    return {PlaceFree(frame, QPoint(plot.right() + 1, plot.top()), plot, obstacles, area), frame};
  }
  if (dialog) {
    const QPoint centred = main_frame.center() - QPoint(frame.width() / 2, frame.height() / 2);
    return {PlaceFree(frame, centred, main_frame, obstacles, area), frame};
  }
  const auto* form_window = dynamic_cast<const FormWindow*>(&window);
  const bool plot = form_window && form_window->IsPlot();
  const QPoint beside(main_frame.right() + 1, main_frame.top());
  const auto guarded = [](std::vector<Obstacle> all) {
    std::erase_if(all, [](const Obstacle& o) { return o.weight <= kCovered; });
    return all;
  };
  if (!beside_main && !plot) {
    if (const std::optional<SidePlacement> side = PlaceBeside(main_frame, frame, area)) {
      if (side->owner != main_frame.topLeft()) main->move(side->owner);
      return {side->window, frame};
    }
    // no room beside it: the main window goes up to the screen's top, if the
    // window then covers less of what the user needs
    const QPoint rise(0, main_frame.top() - area.top());
    const QPoint here = PlaceFree(frame, beside, main_frame, obstacles, area);
    std::vector<Obstacle> raised = obstacles;
    for (Obstacle& o : raised) o.area.translate(-rise);
    const QPoint there = PlaceFree(frame, beside - rise, main_frame.translated(-rise), raised, area);
    if (CoveredWeight(QRect(there, frame), guarded(raised)) >= CoveredWeight(QRect(here, frame), guarded(obstacles)))
      return {here, frame};
    main->move(main_frame.topLeft() - rise);
    return {there, frame};
  }
  if (plot) {
    // a plot draws at any size: smaller, it may find a place that covers
    // nothing the user needs
    const std::vector<Obstacle> needed = guarded(obstacles);
    for (int percent = 100; percent >= kSmallestPlotPercent; percent -= kPlotPercentStep) {
      const QSize size = frame * (percent / 100.0);
      const QPoint corner = PlaceFree(size, beside, main_frame, obstacles, area);
      if (CoveredWeight(QRect(corner, size), needed) == 0) return {corner, size};
    }
  }
  return {PlaceFree(frame, beside, main_frame, obstacles, area), frame};
}

void QtBackend::ShowWindow(FormWindow& window, QWidget* owner) {
  window.PrepareShow(owner);
  Form& form = window.form();
  const bool modal = form.modal();
  FormWindow* main = WindowOf(form.app().main_form());
  // secondary windows stay above the main window, a modal one above the
  // window it was opened from
  if (!owner) owner = main;
  if (!form.IsMain() && owner && owner != &window) {
    owner->winId();
    window.winId();
    window.windowHandle()->setTransientParent(owner->windowHandle());
  }
  if (modal)
    window.setWindowModality(Qt::ApplicationModal);
  else
    focus_return_.Shown();
  window.show();
  window.raise();
  window.activateWindow();
  focus_guard_->FollowShown(window);
  SchedulePaints();
}

void QtBackend::ShowForm(Form& form) {
  if (FormWindow* window = WindowOf(form)) ShowWindow(*window, nullptr);
}

void QtBackend::HideForm(Form& form) {
  const auto loop = modal_loops_.find(&form);
  if (loop != modal_loops_.end()) loop->second->quit();
  FormWindow* window = WindowOf(form);
  if (!window) return;
  window->hide();
  if (window->windowModality() == Qt::NonModal) return;
  window->setWindowModality(Qt::NonModal);
  focus_return_.End(window);
}

void QtBackend::RunModal(Form& form) {
  FormWindow* window = WindowOf(form);
  if (!window || terminated_) return;
  // a window cannot turn modal while it is shown
  if (window->isVisible()) window->hide();
  ShowWindow(*window, focus_return_.Begin(window));
  QEventLoop loop;
  modal_loops_[&form] = &loop;
  if (form.modal_result() == kModalNone && form.visible() && !terminated_) loop.exec();
  modal_loops_.erase(&form);
}

void QtBackend::EndModal(Form& form) {
  const auto loop = modal_loops_.find(&form);
  if (loop != modal_loops_.end()) loop->second->quit();
}

void QtBackend::ControlChanged(Control& control) {
  if (FormWindow* window = WindowOf(control.form())) window->ControlChanged(control);
}

void QtBackend::MemoAppended(Memo& memo, const std::string& line) {
  FormWindow* window = WindowOf(memo.form());
  if (auto* view = window ? dynamic_cast<MemoView*>(window->ViewOf(memo)) : nullptr) view->Append(line);
}

void QtBackend::FocusChanged(Form& form) {
  if (FormWindow* window = WindowOf(form)) focus_guard_->Follow(*window);
}

void QtBackend::MessageBox(const std::string& caption, const std::string& text) {
  if (message_box_hook) {
    message_box_hook(caption, text);
    return;
  }
  QMessageBox box(QMessageBox::Critical, QString::fromStdString(caption), QString::fromStdString(text),
                  QMessageBox::Ok);
  const DialogTurn turn(focus_return_, box);
  box.exec();
}

bool QtBackend::ExecuteFileDialog(FileDialog& dialog) {
  return file_dialog_hook ? file_dialog_hook(dialog) : RealFileDialog(dialog);
}

bool QtBackend::RealFileDialog(FileDialog& dialog) {
  // the desktop's own dialog where it has one, else Qt's
  QFileDialog chooser;
  const DialogTurn turn(focus_return_, chooser);
  chooser.resize(kFileDialogWidth, kFileDialogHeight);
  // the main window's decorations around it: it gets the same
  const FormWindow* main = main_form_ ? WindowOf(*main_form_) : nullptr;
  const QSize decorations = main ? main->frameGeometry().size() - main->geometry().size() : QSize();
  chooser.move(PlaceNewWindow(chooser, chooser.size() + decorations, turn.owner(), true).topLeft());
  // Qt's own dialog builds its views when shown: then the details columns
  // get the width of their contents and the names the width that is left
  QTimer::singleShot(0, &chooser, [&chooser] {
    for (QTreeView* details : chooser.findChildren<QTreeView*>()) {
      QHeaderView* header = details->header();
      header->setSectionResizeMode(QHeaderView::ResizeToContents);
      header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
  });
  const bool open = dialog.kind() == FileDialogKind::Open;
  // a save dialog asks before it replaces an existing file
  chooser.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  chooser.setFileMode(open && dialog.must_exist() ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!dialog.subject().empty())
    chooser.setWindowTitle(chooser.windowTitle() + " - " + QString::fromStdString(dialog.subject()));
  const QStringList filters = QtFiltersOf(dialog.filters());
  const int count = static_cast<int>(filters.size());
  const int index = dialog.filter_index() >= 1 && dialog.filter_index() <= count ? dialog.filter_index() : 1;
  if (!filters.isEmpty()) {
    chooser.setNameFilters(filters);
    chooser.selectNameFilter(filters.at(index - 1));
  }
  Propose(chooser, dialog, filters.isEmpty() ? nullptr : &dialog.filters()[static_cast<std::size_t>(index - 1)]);
  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return false;
  if (!filters.isEmpty()) dialog.SetFilterIndex(static_cast<int>(filters.indexOf(chooser.selectedNameFilter())) + 1);
  const QString chosen = chooser.selectedFiles().front();
  proposals_[{&dialog, dialog.subject()}] = chosen;
  dialog.SetFileName(chosen.toStdString());
  return true;
}

void QtBackend::Propose(QFileDialog& chooser, const FileDialog& dialog, const FileFilter* filter) const {
  // the folder of the last file, whatever it was
  const QFileInfo last(QString::fromStdString(dialog.file_name()));
  if (!dialog.file_name().empty() && last.dir().exists()) chooser.setDirectory(last.dir());
  // a name only where this same offer gave one before, and only of the
  // kind the dialog shows: never the last name of another offer
  const auto proposal = proposals_.find({&dialog, dialog.subject()});
  if (proposal == proposals_.end()) return;
  const QFileInfo proposed(proposal->second);
  if (filter && !FitsFilter(*filter, proposed.fileName())) return;
  if (proposed.dir().exists()) chooser.setDirectory(proposed.dir());
  chooser.selectFile(proposed.fileName());
}

void QtBackend::InvalidatePaintBox(PaintBox& box) {
  if (std::find(dirty_.begin(), dirty_.end(), &box) == dirty_.end()) dirty_.push_back(&box);
  SchedulePaints();
}

Canvas& QtBackend::CanvasOf(PaintBox& box) {
  auto& canvas = canvases_[&box];
  if (!canvas) {
    QWidget* widget = WidgetOf(box);
    const Rect place = box.form().ClientRectOf(box);
    canvas = widget ? std::make_unique<WidgetCanvas>(widget->width(), widget->height())
                    : std::make_unique<WidgetCanvas>(place.width, place.height);
    canvas->ShowOn(widget);
  }
  return *canvas;
}

bool QtBackend::Paintable(const PaintBox& box) const {
  const FormWindow* window = WindowOf(box.form());
  return window && box.form().visible() && window->isVisible();
}

void QtBackend::SchedulePaints() {
  if (paint_scheduled_ || painting_ || terminated_) return;
  if (std::none_of(dirty_.begin(), dirty_.end(), [this](const PaintBox* box) { return Paintable(*box); })) return;
  paint_scheduled_ = true;
  QTimer::singleShot(0, &context_, [this] {
    paint_scheduled_ = false;
    RunPendingPaints();
  });
}

void QtBackend::RunPendingPaints() {
  if (painting_) return;
  painting_ = true;
  std::vector<PaintBox*> due;
  for (PaintBox* box : dirty_)
    if (Paintable(*box)) due.push_back(box);
  std::erase_if(dirty_, [&](const PaintBox* box) { return std::find(due.begin(), due.end(), box) != due.end(); });
  for (PaintBox* box : due) {
    // the handler draws through the canvas at its current size
    CanvasOf(*box);
    Dispatch(box->form(), [box] { box->Paint(); });
    if (QWidget* widget = WidgetOf(*box)) widget->update();
  }
  painting_ = false;
  // boxes invalidated meanwhile, by a handler or while one waited in a dialog
  SchedulePaints();
}

void QtBackend::Terminate() {
  terminated_ = true;
  for (const auto& [form, loop] : modal_loops_) loop->quit();
  QCoreApplication::exit(0);
}

}  // namespace forms::qt
