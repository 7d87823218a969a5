#pragma once
// The terminal's colours are RGB values with red in the low byte: 255 is red, 65280 green,
// 16777215 white.
#include <QColor>

namespace shortmsg::qtui {

QColor ModelColour(int rgb);

}  // namespace shortmsg::qtui
