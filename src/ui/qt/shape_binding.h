#pragma once
// A filled shape as a coloured circle.
#include <QWidget>

#include "ui/qt/control_binding.h"

namespace shortmsg::qtui {

class CircleWidget final : public QWidget {
  public:
    CircleWidget();
    void SetFill(const QColor& colour);
    const QColor& Fill() const { return fill_; }
    QSize sizeHint() const override { return {22, 22}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fill_;
};

class ShapeBinding final : public ControlBinding {
  public:
    explicit ShapeBinding(Shape& model);
    QWidget* Widget() const override { return circle_; }
    void Sync() override;

  private:
    Shape& model_;
    CircleWidget* circle_;
};

}  // namespace shortmsg::qtui
