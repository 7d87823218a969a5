#pragma once
// A filled shape as a round lamp. Its state is also told in words, as its accessible
// description and tooltip: "<its name>: yes" while green (confirmed), "...: no" otherwise.
#include <QWidget>

#include "ui/qt/control_binding.h"

namespace shortmsg::qtui {

class LampWidget final : public QWidget {
  public:
    LampWidget();
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
    QWidget* Widget() const override { return lamp_; }
    void Sync() override;

  private:
    Shape& model_;
    LampWidget* lamp_;
};

}  // namespace shortmsg::qtui
