#include "ui/qt/shape_binding.h"

#include <QPainter>

#include "ui/qt/model_colour.h"

namespace shortmsg::qtui {

CircleWidget::CircleWidget() {
    setFixedSize(sizeHint());
}

void CircleWidget::SetFill(const QColor& colour) {
    if (colour == fill_) return;
    fill_ = colour;
    update();
}

void CircleWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill_);
    painter.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}

ShapeBinding::ShapeBinding(Shape& model) : model_(model), circle_(new CircleWidget) {}

void ShapeBinding::Sync() {
    circle_->SetFill(ModelColour(model_.FillColor()));
}

}  // namespace shortmsg::qtui
