#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace shortmsg {
namespace {

constexpr double kLongestRunSeconds = 86400;

// Seconds (fractions allowed, 0 to a day) as milliseconds; nullopt for anything else.
std::optional<int> Milliseconds(const QString& text) {
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || seconds < 0 || seconds > kLongestRunSeconds) return std::nullopt;
    return static_cast<int>(seconds * 1000);
}

CommandLine::End Refused(const QString& why) {
    return {QStringLiteral("shortmsg: ") + why +
                QStringLiteral("\nTry 'shortmsg --help' for the options.\n"),
            2};
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "An operator terminal for short messages and position tracking over a phone modem."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption reset(QStringLiteral("reset-settings"),
                                   QStringLiteral("Start from the default settings."));
    const QCommandLineOption checkGps(QStringLiteral("demo-check-gps"),
                                      QStringLiteral("Check \"GPS Enable\" at start."));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Press \"Quit\" after <seconds>."),
                                       QStringLiteral("seconds"));
    const QCommandLineOption shots(
        QStringLiteral("screenshots"),
        QStringLiteral("Save pictures of both windows into <folder> (half-way to --quit-after, "
                       "else after 8 seconds)."),
        QStringLiteral("folder"));
    parser.addOptions({reset, checkGps, quitAfter, shots});

    CommandLine line;
    const bool understood = parser.parse(arguments);
    if (parser.isSet(help)) {
        // Before the application object exists the parser does not know the program's name.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), QCoreApplication::applicationName());
        line.end = CommandLine::End{text, 0};
    } else if (parser.isSet(version)) {
        line.end = CommandLine::End{QCoreApplication::applicationName() + QLatin1Char(' ') +
                                        QCoreApplication::applicationVersion() + QLatin1Char('\n'),
                                    0};
    } else if (!understood) {
        line.end = Refused(parser.errorText());
    } else if (!parser.positionalArguments().isEmpty()) {
        line.end =
            Refused(QStringLiteral("unexpected argument: ") + parser.positionalArguments()[0]);
    }
    if (line.end) return line;

    line.resetSettings = parser.isSet(reset);
    line.demoCheckGps = parser.isSet(checkGps);
    if (parser.isSet(quitAfter)) {
        line.quitAfterMs = Milliseconds(parser.value(quitAfter));
        if (!line.quitAfterMs) {
            line.end = Refused(QStringLiteral("--quit-after wants seconds (0 to 86400), not ") +
                               parser.value(quitAfter));
            return line;
        }
        line.screenshotAfterMs = *line.quitAfterMs / 2;
    }
    line.screenshotDir = parser.value(shots);
    return line;
}

}  // namespace shortmsg
