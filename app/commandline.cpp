#include "commandline.h"

#include "startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

// The options Qt's application objects take for themselves, accepted here
// unlisted so that they reach them.
const char *const QtOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "name", "visual", "geometry", "icon", "title", "style", "stylesheet",
};
const char *const QtSwitches[] = {"reverse", "nograb", "dograb", "widgetcount"};

}

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    if (argc < 2)
        return std::nullopt;
    const QCoreApplication reader(argc, argv);
    nameApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Works out a Body Mass Index and weight status in a window of its own.\n"
                                                    "The options below print their answer and end the program; Qt's own\n"
                                                    "options for windows (-platform, -style, -display ...) are taken too."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const auto addHidden = [&parser](const char *name, const QString &valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char *name : QtOptions)
        addHidden(name, QStringLiteral("value"));
    for (const char *name : QtSwitches)
        addHidden(name, QString());
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty() ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())
                                                           : parser.errorText();
        std::fprintf(stderr, "verided-dar-uzed: %s\n%s", qPrintable(error), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(version) || parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        parser.process(QCoreApplication::arguments());  // prints, and ends the program
    return std::nullopt;
}
