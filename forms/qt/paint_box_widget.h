// The widget of a paint box: it shows the box's canvas and passes the mouse
// to the model.  It never runs the paint handler itself (the backend does,
// outside Qt's paint event, since a handler may open a dialog).
#pragma once

#include <QWidget>

#include "forms/paint_box.h"

namespace forms::qt {

class QtBackend;

class PaintBoxWidget : public QWidget {
 public:
  PaintBoxWidget(PaintBox& box, QtBackend& backend, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  PaintBox& box_;
  QtBackend& backend_;
};

}  // namespace forms::qt
