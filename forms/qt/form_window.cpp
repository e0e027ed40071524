#include "forms/qt/form_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "forms/application.h"
#include "forms/edit.h"
#include "forms/label.h"
#include "forms/main_menu.h"
#include "forms/qt/focus_guard.h"
#include "forms/qt/key_translation.h"
#include "forms/qt/memo_view.h"
#include "forms/qt/paint_box_view.h"
#include "forms/qt/placement.h"
#include "forms/qt/qt_backend.h"
#include "forms/qt/view_factory.h"

namespace forms::qt {

namespace {

// The automatic layout of forms whose controls have no bounds, in pixels:
// the margin around the controls, the gap between a label and the field
// below it, the gap between other rows.
constexpr int kDialogMargin = 10;
constexpr int kLabelGap = 3;
constexpr int kRowGap = 8;
// The least width of a dialog's button: buttons with short captions ("OK",
// "Sim", "Não") share one width and stay easy to hit.
constexpr int kButtonMinWidth = 75;
// A dialog laid out automatically is at least this wide, so that a short
// prompt does not give a cramped window.
constexpr int kMinimumDialogWidth = 280;
// The log lines at the end of the main window's log that a new window leaves
// in view: they tell what the program has just done or asks.
constexpr int kLastLogLines = 3;

Qt::WindowFlags FlagsOf(const Form& form) {
  return form.border_style() == BorderStyle::Dialog ? Qt::Dialog : Qt::Window;
}

std::string MenuSignature(const MainMenu& menu) {
  std::string signature;
  for (const MenuEntry& entry : menu.entries()) {
    signature += entry.caption + '\n';
    for (const MenuItem& item : entry.items) signature += '\t' + item.caption + '\n';
  }
  return signature;
}

}  // namespace

FormWindow::FormWindow(Form& form, QtBackend& backend)
    : QWidget(nullptr, FlagsOf(form)),
      form_(form),
      backend_(backend),
      frame_layout_(new QVBoxLayout(this)),
      client_(new QWidget(this)) {
  setFocusPolicy(Qt::NoFocus);
  frame_layout_->setContentsMargins(0, 0, 0, 0);
  frame_layout_->setSpacing(0);
  frame_layout_->addWidget(client_, 1);
  client_->installEventFilter(this);
  setWindowTitle(QString::fromStdString(form_.caption()));
  BuildMenu();
  BuildViews();
  BuildAutoLayout();
  ApplyTabOrder();
  ApplyClientSize();
  ArrangeControls();
}

FormWindow::~FormWindow() {
  client_->removeEventFilter(this);
  // the model may be gone already: no widget may call into it while dying
  for (QObject* child : findChildren<QObject*>()) child->blockSignals(true);
}

ControlView* FormWindow::ViewOf(const Control& control) const {
  const auto it = view_of_.find(&control);
  return it == view_of_.end() ? nullptr : it->second;
}

Control* FormWindow::ControlAt(const QWidget* widget) const {
  for (; widget && widget != this; widget = widget->parentWidget()) {
    const auto it = control_of_.find(widget);
    if (it != control_of_.end()) return it->second;
  }
  return nullptr;
}

QWidget* FormWindow::FocusTargetOf(const Control* control) const {
  const ControlView* view = control ? ViewOf(*control) : nullptr;
  return view ? view->FocusTarget() : nullptr;
}

void FormWindow::BuildViews() {
  for (const auto& control : form_.controls()) {
    std::unique_ptr<ControlView> view = CreateView(*this, *control, client_);
    if (!view) continue;
    view_of_[control.get()] = view.get();
    control_of_[view->widget()] = control.get();
    for (QWidget* widget : view->PressWidgets()) backend_.focus_guard().Watch(widget);
    views_.push_back(std::move(view));
  }
}

std::vector<ControlView*> FormWindow::UnplacedViews() {
  std::vector<ControlView*> unplaced;
  bool any_placed = false;
  for (const auto& view : views_) {
    const Control& control = view->control();
    if (control.bounds() || control.align() != Align::None)
      any_placed = true;
    else if (view->auto_place() == AutoPlace::Hidden)
      view->widget()->hide();
    else
      unplaced.push_back(view.get());
  }
  auto_sized_ = !any_placed && !unplaced.empty();
  return unplaced;
}

void FormWindow::BuildAutoLayout() {
  const std::vector<ControlView*> unplaced = UnplacedViews();
  if (unplaced.empty()) return;
  auto_layout_ = new QVBoxLayout(client_);
  auto_layout_->setContentsMargins(kDialogMargin, kDialogMargin, kDialogMargin, kDialogMargin);
  auto_layout_->setSpacing(0);
  QHBoxLayout* button_row = nullptr;
  bool grows = false;
  const ControlView* previous = nullptr;
  for (ControlView* view : unplaced) {
    const AutoPlace place = view->auto_place();
    if (place == AutoPlace::Button) view->widget()->setMinimumWidth(kButtonMinWidth);
    if (place == AutoPlace::Button && button_row) {
      button_row->addWidget(view->widget());
      continue;
    }
    // a label sits close above the field it names
    const bool names_next = previous && dynamic_cast<const Label*>(&previous->control()) && place != AutoPlace::Button;
    if (previous) auto_layout_->addSpacing(names_next ? kLabelGap : kRowGap);
    button_row = place == AutoPlace::Button ? AddButtonRow() : nullptr;
    AddAutoRow(*view, button_row);
    grows = grows || place == AutoPlace::Grow;
    previous = view;
  }
  if (!grows) auto_layout_->addStretch(1);
}

QHBoxLayout* FormWindow::AddButtonRow() {
  auto* row = new QHBoxLayout;
  row->setSpacing(kRowGap);
  row->addStretch(1);
  auto_layout_->addLayout(row);
  return row;
}

void FormWindow::AddAutoRow(ControlView& view, QHBoxLayout* button_row) {
  QWidget* widget = view.widget();
  switch (view.auto_place()) {
    case AutoPlace::Button: button_row->addWidget(widget); break;
    case AutoPlace::Natural: auto_layout_->addWidget(widget, 0, Qt::AlignLeft); break;
    case AutoPlace::Grow: auto_layout_->addWidget(widget, 1); break;
    case AutoPlace::Full:
    case AutoPlace::Hidden: auto_layout_->addWidget(widget); break;
  }
}

void FormWindow::BuildMenu() {
  const MainMenu* menu = form_.menu();
  if (!menu) return;
  const std::string signature = MenuSignature(*menu);
  if (menu_bar_ && signature == menu_signature_) return;
  menu_signature_ = signature;
  if (!menu_bar_) {
    menu_bar_ = new QMenuBar(this);
    menu_bar_->setNativeMenuBar(false);
    frame_layout_->setMenuBar(menu_bar_);
    // F10 reaches the menu as Alt does (the arrows and Enter then choose)
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this, [this] { FocusMenuBar(); });
    f10->setContext(Qt::WindowShortcut);
  }
  menu_bar_->clear();
  for (std::size_t e = 0; e < menu->entries().size(); ++e) {
    const MenuEntry& entry = menu->entries()[e];
    QMenu* drop_down = menu_bar_->addMenu(QString::fromStdString(entry.caption));
    for (std::size_t i = 0; i < entry.items.size(); ++i) {
      QAction* action = drop_down->addAction(QString::fromStdString(entry.items[i].caption));
      connect(action, &QAction::triggered, this, [this, e, i] { RunMenuItem(e, i); });
    }
  }
}

void FormWindow::FocusMenuBar() {
  // Qt gives the menu bar the keyboard when Alt is pressed and released
  // alone in its window; F10 plays that to the widget that has the focus.
  QWidget* receiver = focusWidget() ? focusWidget() : this;
  QKeyEvent alt_override(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
  QKeyEvent alt_pressed(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
  QKeyEvent alt_released(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  for (QKeyEvent* event : {&alt_override, &alt_pressed, &alt_released}) QCoreApplication::sendEvent(receiver, event);
}

void FormWindow::RunMenuItem(std::size_t entry, std::size_t item) {
  backend_.Dispatch(form_, [&] {
    const MainMenu* menu = form_.menu();
    if (!menu || entry >= menu->entries().size() || item >= menu->entries()[entry].items.size()) return;
    // a copy: the handler may change the menu it came from
    const std::function<void()> on_click = menu->entries()[entry].items[item].on_click;
    if (on_click) on_click();
  });
}

void FormWindow::ApplyTabOrder() {
  std::vector<QWidget*> chain;
  for (const Control* control : form_.TabOrder())
    if (const ControlView* view = ViewOf(*control))
      for (QWidget* widget : view->FocusWidgets()) chain.push_back(widget);
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void FormWindow::ApplyClientSize() {
  QSize client(form_.client_width(), form_.client_height());
  if (auto_layout_) {
    if (auto_sized_)
      client = auto_layout_->sizeHint().expandedTo(QSize(kMinimumDialogWidth, 0));
    else
      client = client.expandedTo(auto_layout_->minimumSize());
  }
  const int menu_height = menu_bar_ ? menu_bar_->sizeHint().height() : 0;
  const QSize outer(client.width(), client.height() + menu_height);
  if (form_.border_style() == BorderStyle::Dialog) {
    setFixedSize(outer);
  } else {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(outer);
  }
}

void FormWindow::ArrangeControls() {
  for (const auto& view : views_) {
    const Control& control = view->control();
    if (!control.bounds() && control.align() == Align::None) continue;
    QWidget* widget = view->widget();
    const Rect place = form_.ClientRectOf(control);
    const QSize hint = widget->sizeHint();
    const bool free = control.align() == Align::None;
    // a position without a size takes the widget's natural size
    int width = free && place.width <= 0 ? hint.width() : place.width;
    const int height = free && place.height <= 0 ? hint.height() : place.height;
    if (view->FitsCaption()) width = std::max(width, hint.width());
    const QRect target(place.left, place.top, width, height);
    if (widget->geometry() != target) widget->setGeometry(target);
  }
}

void FormWindow::ControlChanged(Control& control) {
  if (ControlView* view = ViewOf(control)) view->Sync();
  ArrangeControls();
}

void FormWindow::FormChanged() {
  setWindowTitle(QString::fromStdString(form_.caption()));
  ApplyClientSize();
  ArrangeControls();
}

void FormWindow::PrepareShow(QWidget* owner) {
  if (isVisible()) return;
  if (windowFlags() != FlagsOf(form_)) setWindowFlags(FlagsOf(form_));
  BuildMenu();
  for (const auto& view : views_) view->Sync();
  ApplyTabOrder();
  ApplyClientSize();
  ArrangeControls();
  Place(owner);
}

void FormWindow::Place(QWidget* owner) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect desktop = screen ? screen->availableGeometry() : QRect();
  switch (form_.placement()) {
    case Placement::Fixed:
      // where the program puts it, as far as the screen allows
      if (!placed_) move(WithinScreen(QPoint(form_.left(), form_.top()), FrameSize(), desktop));
      break;
    case Placement::ScreenCenter: CentreOn(desktop); break;
    case Placement::OwnerCenter: MoveTo(backend_.PlaceNewWindow(*this, FrameSize(), owner, true)); break;
    case Placement::Default:
      // the main window goes where the desktop puts it, the others beside it
      if (!form_.IsMain() && !placed_) MoveTo(backend_.PlaceNewWindow(*this, FrameSize(), owner, false));
      break;
  }
  placed_ = true;
}

bool FormWindow::IsPlot() const {
  return std::any_of(views_.begin(), views_.end(),
                     [](const auto& view) { return dynamic_cast<const PaintBoxView*>(view.get()) != nullptr; });
}

void FormWindow::AddObstacles(std::vector<Obstacle>& obstacles, bool for_dialog) const {
  const QRect frame = frameGeometry();
  if (!form_.IsMain()) {
    // an operations window or a list of files is in use all along; a plot
    // may stay covered for a while
    if (!IsPlot())
      obstacles.push_back({frame, kGuarded});
    else if (!for_dialog)
      obstacles.push_back({frame, kCovered});
    return;
  }
  if (!for_dialog) obstacles.push_back({frame, kCovered});
  const int menu_weight = for_dialog ? kMenuUnderDialog : menu_bar_ ? kMenuBarUnderWindow : kGuarded;
  const auto log_view = std::find_if(views_.begin(), views_.end(),
                                     [](const auto& view) { return dynamic_cast<const MemoView*>(view.get()); });
  auto* log = log_view == views_.end() ? nullptr : qobject_cast<QPlainTextEdit*>((*log_view)->widget());
  if (!log) {
    obstacles.push_back({QRect(frame.topLeft(), QPoint(frame.right(), MenuBottom())), menu_weight});
    return;
  }
  // what lies above the log: the menu, or the fields and buttons
  const QWidget* port = log->viewport();
  const int port_top = port->mapToGlobal(QPoint(0, 0)).y();
  obstacles.push_back(
      {QRect(frame.topLeft(), QPoint(frame.right(), log->mapToGlobal(QPoint(0, 0)).y() - 1)), menu_weight});
  // the last lines, and the bottom of the log, where the last lines will
  // stand once the log is full
  QTextCursor end(log->document());
  end.movePosition(QTextCursor::End);
  const int lines = kLastLogLines * log->fontMetrics().lineSpacing();
  const int port_bottom = port_top + port->height();
  const int last = port_top + std::clamp(log->cursorRect(end).bottom() + 1, 0, port->height());
  const QPoint log_corner = log->mapToGlobal(QPoint(0, 0));
  const auto rows = [&](int from, int to) {
    return QRect(QPoint(log_corner.x(), std::max(port_top, from)), QPoint(log_corner.x() + log->width() - 1, to - 1));
  };
  obstacles.push_back({rows(port_bottom - lines, port_bottom), kGuarded});
  if (last < port_bottom - lines) obstacles.push_back({rows(last - lines, last), kGuarded});
}

QSize FormWindow::FrameSize() const {
  const QSize frame = frameGeometry().size();
  if (frame != size()) return frame;
  // never shown, the window has no frame yet: it will get the decorations
  // the main window has
  const FormWindow* main = backend_.WindowOf(form_.app().main_form());
  if (!main || main == this || !main->isVisible()) return frame;
  return size() + (main->frameGeometry().size() - main->geometry().size());
}

int FormWindow::MenuBottom() const {
  if (menu_bar_) return menu_bar_->mapToGlobal(QPoint(0, menu_bar_->height())).y();
  return mapToGlobal(QPoint(0, 0)).y();
}

void FormWindow::MoveTo(const QRect& frame) {
  const QSize decorations = FrameSize() - size();
  if (frame.size() != FrameSize()) resize(frame.size() - decorations);
  move(frame.topLeft());
}

void FormWindow::CentreOn(const QRect& area) {
  if (area.isEmpty()) return;
  const QSize size = frameGeometry().size();
  move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void FormWindow::ClientResized() {
  const QSize size = client_->size();
  if (size.width() != form_.client_width() || size.height() != form_.client_height())
    backend_.Dispatch(form_, [&] { form_.UserResized(size.width(), size.height()); });
  ArrangeControls();
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) ClientResized();
  return QWidget::eventFilter(watched, event);
}

bool FormWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    backend_.WindowActivated(*this);
    backend_.Dispatch(form_, [this] { form_.UserActivated(); });
  }
  return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // the model decides: refuse, hide, end the modal display or end the program
  event->ignore();
  backend_.Dispatch(form_, [this] { form_.Close(); });
}

bool FormWindow::DialogKey(const QKeyEvent& event) {
  if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  const bool escape = event.key() == Qt::Key_Escape && form_.modal();
  if (!enter && !escape) return false;
  // a key held down acts once: its repeats would answer the next prompt
  if (event.isAutoRepeat()) return true;
  if (escape) {
    backend_.Dispatch(form_, [this] { form_.Close(); });
    return true;
  }
  auto* edit = dynamic_cast<Edit*>(ControlAt(focusWidget()));
  const bool done = backend_.Dispatch(form_, [&] {
    if (edit)
      edit->UserEnter();
    else
      form_.UserEnter();
  });
  if (!done && edit && form_.visible()) backend_.focus_guard().Refused(*this);
  return true;
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (!form_.on_key_down && !form_.on_key_press) {
    if (DialogKey(*event))
      event->accept();
    else
      QWidget::keyPressEvent(event);
    return;
  }
  const std::optional<int> key = VirtualKeyOf(*event);
  const std::optional<char> character = KeyCharOf(*event);
  if (!key && !character) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  const ShiftState shift = ShiftOf(event->modifiers());
  if (key) backend_.Dispatch(form_, [&] { form_.UserKeyDown(*key, shift); });
  if (character) backend_.Dispatch(form_, [&] { form_.UserKeyPress(*character); });
}

}  // namespace forms::qt
