// extract CABINET /L FOLDER: expands every file of a cabinet into a folder (through cabextract).
#include "tools/common/SignalCleanup.h"
#include "tools/common/Toolbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace tolvane::tools;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    tolvane::signalcleanup::install();
    const QStringList args = app.arguments().mid(1);
    QString cabinet, folder = QDir::currentPath();
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args.at(i);
        if (a.compare(QLatin1String("/L"), Qt::CaseInsensitive) == 0 && i + 1 < args.size())
            folder = args.at(++i);
        else if (cabinet.isEmpty())
            cabinet = a; // paths start with '/' here, so only "/L" is a switch
    }
    if (cabinet.isEmpty()) {
        say(QStringLiteral("Syntax: extract CABINET /L FOLDER"));
        return 2;
    }
    const QString why = regularFileProblem(cabinet);
    if (!why.isEmpty()) {
        say(QStringLiteral("extract: cannot open cabinet '%1': %2").arg(cabinet, why));
        return 1;
    }
    if (!QDir().mkpath(folder)) {
        say(QStringLiteral("extract: cannot create folder '%1'").arg(folder));
        return 1;
    }
    const QString cab = findProgram({QStringLiteral("cabextract")});
    if (cab.isEmpty()) {
        say(QStringLiteral("extract: cabextract is not installed"));
        return 1;
    }
    QString output;
    const int code =
        // "--": a cabinet whose name starts with '-' is a file, not one of cabextract's options.
        runProgram(
            cab,
            {QStringLiteral("-q"), QStringLiteral("-d"), folder, QStringLiteral("--"), cabinet},
            &output);
    if (code != 0) {
        say(output.trimmed().isEmpty()
                ? QStringLiteral("extract: the cabinet could not be expanded")
                : output.trimmed());
        return 1;
    }
    return 0;
}
