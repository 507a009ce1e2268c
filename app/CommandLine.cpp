#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace velmora::app {
namespace {

// The options QGuiApplication and QApplication take out of the arguments
// themselves; the window's application object sees them later.
void acceptQtOptions(QCommandLineParser& parser)
{
    const auto add = [&parser](const char* name, const QString& valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"})
        add(name, QStringLiteral("value"));
    for (const char* name : {"reverse", "widgetcount"})
        add(name, QString());
}

} // namespace

std::optional<int> answerCommandLine(int& argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes a private certificate authority and the keys and certificates for running SSL on one web site.\n"
        "Opens its window when started without options."));
    // Qt's options are single-dash words (-platform xcb); ours then read either way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all would list the options of Qt's core
    // alone, none of them of use here.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    acceptQtOptions(parser);
    const QString program = QCoreApplication::applicationName();
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(program), qUtf8Printable(parser.errorText()));
        return EXIT_FAILURE;
    }
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty()) {
        std::fprintf(stderr, "%s: Unexpected argument '%s'.\n", qUtf8Printable(program), qUtf8Printable(extra.first()));
        return EXIT_FAILURE;
    }
    // Both print (in a message box where a Windows program has no console) and exit.
    if (parser.isSet(version))
        parser.showVersion();
    if (parser.isSet(help))
        parser.showHelp();
    return std::nullopt;
}

} // namespace velmora::app
