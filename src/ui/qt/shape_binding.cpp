#include "ui/qt/shape_binding.h"

#include <QPainter>
#include <QRadialGradient>

#include "ui/qt/model_colour.h"

namespace shortmsg::qtui {

LampWidget::LampWidget() {
    setFixedSize(sizeHint());
    // Reached by Tab, so that its state can be heard.
    setFocusPolicy(Qt::TabFocus);
}

void LampWidget::SetFill(const QColor& colour) {
    if (colour == fill_) return;
    fill_ = colour;
    update();
}

// A lit glass bulb: light near the top left, the colour itself further out, a darker rim.
void LampWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bulb = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    QRadialGradient glow(bulb.center(), bulb.width() / 2,
                         bulb.center() - QPointF(bulb.width() / 5, bulb.height() / 5));
    glow.setColorAt(0, fill_.lighter(170));
    glow.setColorAt(0.6, fill_);
    glow.setColorAt(1, fill_.darker(140));
    painter.setPen(QPen(fill_.darker(250), 1));
    painter.setBrush(glow);
    painter.drawEllipse(bulb);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75));
    }
}

ShapeBinding::ShapeBinding(Shape& model) : model_(model), lamp_(new LampWidget) {}

void ShapeBinding::Sync() {
    lamp_->SetFill(ModelColour(model_.FillColor()));
    const QString state =
        lamp_->accessibleName() +
        (model_.FillColor() == kGreen ? QStringLiteral(": yes") : QStringLiteral(": no"));
    lamp_->setToolTip(state);
    lamp_->setAccessibleDescription(state);
}

}  // namespace shortmsg::qtui
