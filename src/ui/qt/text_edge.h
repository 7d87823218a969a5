#pragma once
// The edge between the terminal's text (UTF-8) and Qt's QString. A multi-line box holds its
// line breaks as CR LF, as the terminal sends and counts them; the widget shows them as
// line breaks.
#include <QString>
#include <string>
#include <string_view>

namespace shortmsg::qtui {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToModelText(const QString& text) {
    return text.toUtf8().toStdString();
}

// Model text -> what a multi-line widget shows: CR LF and a lone CR or LF are line breaks.
QString ToMultiLine(std::string_view text);
// A multi-line widget's text -> model text: each line break is CR LF.
std::string FromMultiLine(const QString& text);

}  // namespace shortmsg::qtui
