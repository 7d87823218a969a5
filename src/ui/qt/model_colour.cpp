#include "ui/qt/model_colour.h"

namespace shortmsg::qtui {

QColor ModelColour(int rgb) {
    const unsigned value = static_cast<unsigned>(rgb);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace shortmsg::qtui
