#include "host/command_line.h"

#include "form/form1_commands.h"
#include "host/startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace zelvanu {

namespace {

// The options QGuiApplication, QApplication and the X11 and Wayland platforms take for
// themselves. They are known here only so that they are not refused; the application reads them.
const char* const kQtOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "geometry",
    "qwindowtitle",
    "title",
    "qwindowicon",
    "icon",
    "session",
    "style",
    "stylesheet",
    "display",
    "name",
    "visual",
    "qmljsdebugger",
};
const char* const kQtFlags[] = {
    "reverse", "testability", "widgetcount", "nograb", "dograb", "qdevel", "qdebug",
};

void addHidden(QCommandLineParser& parser, const char* name, const QString& valueName) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::variant<int, WindowOptions> answerCommandLine(int& argc, char** argv) {
    if (argc <= 1)
        return WindowOptions{}; // the usual start: no need to look

    QCoreApplication core(argc, argv);
    prepareCommandLine(core);

    QCommandLineParser parser;
    // Qt's options are written with one dash (-platform xcb), so every option reads as a word.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("二つの帯分数をたして、答えを既約の帯分数で表示します。\n"
                       "オプションを付けずに起動するとウィンドウが開きます。"
                       "Qt の標準オプション（-platform など）も使えます。"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("この使い方を表示して終了します。"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("バージョンを表示して終了します。"));
    const QCommandLineOption working(
        QString::fromLatin1(kWorkingSwitch.data(), static_cast<qsizetype>(kWorkingSwitch.size())),
        QStringLiteral("途中の式を表示した状態でウィンドウを開きます。"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(working);
    for (const char* name : kQtOptionsWithValue)
        addHidden(parser, name, QStringLiteral("value"));
    for (const char* name : kQtFlags)
        addHidden(parser, name, QString());

    const QString program = QStringLiteral("zelvanu");
    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr,
              QStringLiteral("%1: %2（使い方は %1 --help）\n").arg(program, parser.errorText()));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("%1: 引数は取りません: %2（使い方は %1 --help）\n")
                          .arg(program, parser.positionalArguments().constFirst()));
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        return 0;
    }
    return WindowOptions{parser.isSet(working)};
}

} // namespace zelvanu
