#include "forms/qt/paint_box_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "forms/qt/key_translation.h"
#include "forms/qt/qt_backend.h"
#include "forms/qt/widget_canvas.h"

namespace forms::qt {

namespace {

MouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::Left;
  }
}

}  // namespace

PaintBoxWidget::PaintBoxWidget(PaintBox& box, QtBackend& backend, QWidget* parent)
    : QWidget(parent), box_(box), backend_(backend) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // a paint box hears every move, with or without a button held, as in a
  // script: its handler decides what a move means
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

void PaintBoxWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const ImageCanvas* canvas = backend_.ExistingCanvasOf(box_);
  if (!canvas) {
    painter.fillRect(event->rect(), palette().window());
    return;
  }
  const QRect shown = event->rect() & canvas->image().rect();
  // a widget grown ahead of its canvas shows the background beyond it
  if (shown != event->rect()) painter.fillRect(event->rect(), palette().window());
  painter.drawImage(shown.topLeft(), canvas->image(), shown);
}

void PaintBoxWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (ImageCanvas* canvas = backend_.ExistingCanvasOf(box_)) canvas->Resize(width(), height());
  backend_.InvalidatePaintBox(box_);
}

void PaintBoxWidget::mousePressEvent(QMouseEvent* event) {
  const Point at{event->position().toPoint().x(), event->position().toPoint().y()};
  const MouseButton button = ButtonOf(event->button());
  const ShiftState shift = ShiftOf(event->modifiers());
  backend_.Dispatch(box_.form(), [&] { box_.UserMouseDown(button, shift, at.x, at.y); });
}

void PaintBoxWidget::mouseMoveEvent(QMouseEvent* event) {
  const Point at{event->position().toPoint().x(), event->position().toPoint().y()};
  const ShiftState shift = ShiftOf(event->modifiers());
  backend_.Dispatch(box_.form(), [&] { box_.UserMouseMove(shift, at.x, at.y); });
}

void PaintBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
  const Point at{event->position().toPoint().x(), event->position().toPoint().y()};
  const MouseButton button = ButtonOf(event->button());
  const ShiftState shift = ShiftOf(event->modifiers());
  backend_.Dispatch(box_.form(), [&] { box_.UserMouseUp(button, shift, at.x, at.y); });
}

}  // namespace forms::qt
