#include "app/headless/CommandLine.h"
#include "core/Identifiers.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace tolvane::headless {

namespace {

struct Options
{
    QCommandLineOption dest{{QStringLiteral("d"), QStringLiteral("dest")},
                            QStringLiteral("Folder the outputs go to (required; it must exist)."),
                            QStringLiteral("DIR")};
    QCommandLineOption registry{QStringLiteral("registry"),
                                QStringLiteral("Settings file to read instead of the user's own "
                                               "(~/.config/Tolvane/registry.reg); it is only "
                                               "read, and must exist."),
                                QStringLiteral("FILE")};
    QCommandLineOption timeout{QStringLiteral("timeout"),
                               QStringLiteral("Stop a compiler that runs longer than SECONDS "
                                              "(without it, there is no limit)."),
                               QStringLiteral("SECONDS")};
    QCommandLineOption yes{{QStringLiteral("y"), QStringLiteral("yes")},
                           QStringLiteral("Answer every question so that the build goes on.")};
    QCommandLineOption quiet{{QStringLiteral("q"), QStringLiteral("quiet")},
                             QStringLiteral("No progress lines; questions and failures still "
                                            "print.")};
    QCommandLineOption scriptsOnly{QStringLiteral("scripts-only"),
                                   QStringLiteral("Write the script and the .res only.")};
    QCommandLineOption compile{QStringLiteral("compile"),
                               QStringLiteral("Also write the library project and the DLL, even "
                                              "where the settings say scripts only.")};
    QCommandLineOption scriptName{QStringLiteral("script-name"),
                                  QStringLiteral("Base name of the script and the .res."),
                                  QStringLiteral("NAME")};
    QCommandLineOption libraryName{QStringLiteral("library-name"),
                                   QStringLiteral("Base name of the library project and the DLL."),
                                   QStringLiteral("NAME")};
    QCommandLineOption resName{QStringLiteral("res-name"),
                               QStringLiteral("Identifier of the resource when there is only "
                                              "one file."),
                               QStringLiteral("NAME")};
    QCommandLineOption prefix{QStringLiteral("prefix"),
                              QStringLiteral("ResName identifiers: this letter and the file's "
                                             "position (A1, A2 ...); one of A-S, U-X."),
                              QStringLiteral("LETTER")};
    QCommandLineOption resId{QStringLiteral("resid"),
                             QStringLiteral("ResId identifiers: the file's position alone (1, 2 "
                                            "...).")};
    QCommandLineOption fileInfo{QStringLiteral("file-info"),
                                QStringLiteral("Write each file's size and date beside its line.")};
    QCommandLineOption noFileInfo{QStringLiteral("no-file-info"),
                                  QStringLiteral("Write the resource lines alone.")};
    QCommandLineOption units{QStringLiteral("units"),
                             QStringLiteral("Units the library project uses: a comma-separated "
                                            "list of classes, windows, dialogs (\"\" for none)."),
                             QStringLiteral("LIST")};
    QCommandLineOption keepProject{QStringLiteral("keep-project"),
                                   QStringLiteral("Keep the library project (.dpr) in DIR.")};
    QCommandLineOption noKeepProject{QStringLiteral("no-keep-project"),
                                     QStringLiteral("Leave the library project out of DIR.")};

    QList<QCommandLineOption> all() const
    {
        return {dest,     registry,   timeout,     yes,         quiet,        scriptsOnly,
                compile,  scriptName, libraryName, resName,     prefix,       resId,
                fileInfo, noFileInfo, units,       keepProject, noKeepProject};
    }
};

const char *const description =
    "Builds resources without windows: the windowed program's build engine, with no pauses.\n"
    "With scripts only, DIR receives the .res beside the script (the windows move the script "
    "alone).\n"
    "\n"
    "INPUT is one project file (.tpf) or a list of resource files. Every file is built, in the\n"
    "file list's order (sorted without regard to case). Settings come from the settings file;\n"
    "the options below override them for this build only and are never saved. The compilers are\n"
    "those of the settings, or the stand-ins that come with the program. Without a settings\n"
    "file, a fresh installation's settings apply: scripts only, and the script and the library\n"
    "both named \"Untitled\". The settings file is only read: a file that cannot be read, or\n"
    "is not in settings syntax, stops the build.\n"
    "\n"
    "The outputs are made in a hidden working folder of their own in DIR, removed at the end,\n"
    "and moved into place only when whole: the script NAME.rc, NAME.res and, unless scripts\n"
    "only, the library LIB.dll (and LIB.dpr with --keep-project). A file already in DIR is kept;\n"
    "the new one is named \"NAME (2).EXT\". Progress goes to standard error, one line per\n"
    "stage; the files made go to standard output.\n"
    "\n"
    "A question the windows would ask (a file of zero bytes, equal script and library names)\n"
    "stops the build with its text on standard error, unless --yes answers it so the build goes\n"
    "on (a file of zero bytes is then left out). Every failure prints the windows' message.\n"
    "\n"
    "SIGTERM, SIGINT and SIGHUP stop the build: the compiler gets the signal too, and the\n"
    "working folder is removed. A working folder left by a build that was killed is removed by\n"
    "the next build into the same DIR.\n"
    "\n"
    "Exit status:\n"
    "   0  built\n"
    "   2  the command line is wrong\n"
    "   3  the project file does not exist or cannot be read\n"
    "   4  the project file is empty\n"
    "   5  no working folder could be made\n"
    "   6  the settings file cannot be read or is not in settings syntax\n"
    "   7  the settings file given with --registry does not exist\n"
    "  10  a file of the list is missing (\"Invalid file link...!\")\n"
    "  11  a file of the list is empty and --yes was not given\n"
    "  12  script and library names are equal and --yes was not given\n"
    "  13  DIR does not exist\n"
    "  14  a name or path the script cannot hold\n"
    "  15  the folder of the project file is gone (\"Invalid location...\")\n"
    "  16  an INPUT is a folder, not a resource file\n"
    "  20  the script could not be written\n"
    "  21  a compiler is not where the settings say (\"Configuration problem\")\n"
    "  22  the library project could not be written\n"
    "  23  the resource compiler could not be started (-714)\n"
    "  24  the resource compiler reported an error (737)\n"
    "  25  the library compiler could not be started (-810D)\n"
    "  26  the library compiler reported an error (834D)\n"
    "  27  not enough space in DIR\n"
    "  28  the outputs could not be moved into DIR (none is left there)\n"
    "  29  another stop of the build\n"
    "  30  a compiler ran longer than --timeout SECONDS and was stopped";

} // namespace

bool CommandLine::isProject() const
{
    return inputs.size() == 1 &&
           QFileInfo(inputs.first()).suffix().compare(QLatin1String("tpf"), Qt::CaseInsensitive) ==
               0;
}

QString helpText()
{
    QCommandLineParser parser;
    Options o;
    parser.setApplicationDescription(QString::fromLatin1(description));
    parser.addOptions(o.all());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("INPUT"),
                                 QStringLiteral("A project file, or resource files."),
                                 QStringLiteral("PROJECT.tpf | FILE..."));
    return parser.helpText();
}

ParseResult parseCommandLine(const QStringList &arguments, QString *help)
{
    ParseResult result;
    QCommandLineParser parser;
    Options o;
    parser.addOptions(o.all());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(helpOption) || parser.isSet(versionOption)) {
        result.helpShown = parser.isSet(helpOption);
        result.versionShown = !result.helpShown;
        if (help)
            *help = result.helpShown ? helpText() : QString();
        return result;
    }

    CommandLine &c = result.line;
    c.inputs = parser.positionalArguments();
    c.destination = parser.value(o.dest);
    c.registryFile = parser.value(o.registry);
    c.yes = parser.isSet(o.yes);
    c.quiet = parser.isSet(o.quiet);
    if (parser.isSet(o.timeout)) {
        bool ok = false;
        const double seconds = parser.value(o.timeout).toDouble(&ok);
        // Up to a few weeks: the limit is counted in milliseconds of a 32-bit number.
        if (!ok || !(seconds > 0) || seconds > 2000000)
            result.error = QStringLiteral("--timeout takes a number of seconds above 0, not "
                                          "\"%1\"")
                               .arg(parser.value(o.timeout));
        else
            c.timeoutMs = qMax(1, int(seconds * 1000));
    }
    const auto pair = [&](const QCommandLineOption &on, const QCommandLineOption &off,
                          std::optional<bool> &out) {
        if (parser.isSet(on) && parser.isSet(off))
            return false;
        if (parser.isSet(on) || parser.isSet(off))
            out = parser.isSet(on);
        return true;
    };
    if (!pair(o.scriptsOnly, o.compile, c.scriptsOnly))
        result.error = QStringLiteral("--scripts-only and --compile contradict each other");
    else if (!pair(o.fileInfo, o.noFileInfo, c.fileInfo))
        result.error = QStringLiteral("--file-info and --no-file-info contradict each other");
    else if (!pair(o.keepProject, o.noKeepProject, c.keepProject))
        result.error = QStringLiteral("--keep-project and --no-keep-project contradict each other");
    for (const auto &[option, out] :
         {std::pair{&o.scriptName, &c.scriptName}, std::pair{&o.libraryName, &c.libraryName},
          std::pair{&o.resName, &c.resName}})
        if (parser.isSet(*option))
            *out = parser.value(*option);

    if (parser.isSet(o.prefix) && parser.isSet(o.resId))
        result.error = QStringLiteral("--prefix and --resid contradict each other");
    if (parser.isSet(o.resId))
        c.prefixPosition = Identifiers::numberItem;
    if (parser.isSet(o.prefix)) {
        const QString letter = parser.value(o.prefix).toUpper();
        const int position = Identifiers::items().indexOf(letter);
        if (position < 0 || position == Identifiers::numberItem)
            result.error = QStringLiteral("--prefix takes one of A-S, U, V, W, X, not \"%1\"")
                               .arg(parser.value(o.prefix));
        else
            c.prefixPosition = position;
    }
    if (parser.isSet(o.units)) {
        c.classes = c.windowsUnit = c.dialogs = false;
        for (const QString &unit :
             parser.value(o.units).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString u = unit.trimmed().toLower();
            if (u == QLatin1String("classes"))
                c.classes = true;
            else if (u == QLatin1String("windows"))
                c.windowsUnit = true;
            else if (u == QLatin1String("dialogs"))
                c.dialogs = true;
            else
                result.error = QStringLiteral("--units knows classes, windows and dialogs, not "
                                              "\"%1\"")
                                   .arg(unit.trimmed());
        }
    }

    if (result.error.isEmpty() && c.inputs.isEmpty())
        result.error = QStringLiteral("give a project file or resource files to build");
    else if (result.error.isEmpty() && c.destination.isEmpty())
        result.error = QStringLiteral("--dest DIR is required");
    else if (result.error.isEmpty() && c.inputs.size() > 1) {
        for (const QString &input : c.inputs)
            if (QFileInfo(input).suffix().compare(QLatin1String("tpf"), Qt::CaseInsensitive) == 0)
                result.error = QStringLiteral("a project file is built alone, not with other "
                                              "files: ") +
                               input;
    }
    return result;
}

} // namespace tolvane::headless
