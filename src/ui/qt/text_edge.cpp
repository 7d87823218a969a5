#include "ui/qt/text_edge.h"

namespace shortmsg::qtui {

QString ToMultiLine(std::string_view text) {
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

std::string FromMultiLine(const QString& text) {
    QString model = text;
    model.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToModelText(model);
}

}  // namespace shortmsg::qtui
