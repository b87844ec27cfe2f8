// brcc32 SCRIPT.rc: compiles a resource script into SCRIPT.res beside it.
// The heavy work is llvm-rc's; this keeps the command line and the messages of a resource
// compiler: one "SCRIPT(LINE): Error: ..." per problem on standard output, exit code 1, and no
// new .res left behind.
#include "platform/NativeName.h"
#include "tools/brcc32/ScriptCheck.h"
#include "tools/common/SignalCleanup.h"
#include "tools/common/Toolbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace tolvane::tools;
namespace nativename = tolvane::nativename;

namespace {

QString resPathFor(const QString &script)
{
    const QString name = fileNameOf(script);
    const int dot = int(name.lastIndexOf(QLatin1Char('.')));
    const QString base = dot > 0 ? name.left(dot) : name;
    return folderOf(script) + QLatin1Char('/') + base + QStringLiteral(".res");
}

// llvm-rc names a failing statement by type and id; find its line again.
void reportCompilerText(const QString &scriptName, const QString &text,
                        const QMap<QString, int> &lineOfId)
{
    static const QRegularExpression statement(
        QStringLiteral("Error in (\\S+) statement \\(ID ([^)]*)\\)"));
    QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i).trimmed();
        line.remove(QRegularExpression(QStringLiteral("^llvm-rc:\\s*")));
        if (line.isEmpty())
            continue;
        int lineNo = 0;
        const QRegularExpressionMatch m = statement.match(line);
        if (m.hasMatch()) {
            lineNo = lineOfId.value(m.captured(1).toUpper() + QLatin1Char(':') +
                                    m.captured(2).toUpper());
            if (line.endsWith(QLatin1Char(':')) && i + 1 < lines.size())
                line += QLatin1Char(' ') + lines.at(++i).trimmed();
        }
        say(lineNo > 0
                ? QStringLiteral("%1(%2): Error: %3").arg(scriptName, QString::number(lineNo), line)
                : QStringLiteral("%1: Error: %2").arg(scriptName, line));
    }
}

// One "SCRIPT(LINE): Error: ..." line per problem; the exit code of a failed compile.
int reportProblems(const QString &scriptName, const QList<ScriptProblem> &problems)
{
    for (const ScriptProblem &p : problems)
        say(QStringLiteral("%1(%2): Error: %3")
                .arg(scriptName, QString::number(p.line), p.message));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    tolvane::signalcleanup::install();
    const QStringList args = nativeArguments(argc, argv).mid(1);
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        say(QStringLiteral("Resource compiler (Tolvane stand-in)"));
        say(QStringLiteral("Syntax: brcc32 SCRIPT.rc"));
        return 2;
    }
    const QString script = args.first();
    const QString scriptName = fileNameOf(script);
    const QString target = resPathFor(script);
    if (sameFile(script, target)) {
        say(QStringLiteral("%1: Error: the compiled resources would replace the script itself; "
                           "name the script with the extension .rc")
                .arg(scriptName));
        return 1;
    }
    QByteArray bytes;
    QString scriptProblem;
    if (!readWhole(script, bytes, scriptProblem)) {
        say(QStringLiteral("%1: Error: %2").arg(script, scriptProblem));
        return 1;
    }
    // Read as the bytes they are: a file name in the script that is not UTF-8 still names its file.
    const QString text = nativename::decode(bytes);

    const QString stripped = ScriptCheck::stripComments(text);
    const QStringList folders = {folderOf(script), QDir::currentPath()};
    CheckedScript checked = ScriptCheck::check(stripped, folders);
    const FileStatus targetStatus = statusOf(target);
    for (const ScriptFile &file : checked.files)
        if (file.status.sameAs(targetStatus))
            checked.problems << ScriptProblem{
                file.line, file.written + QStringLiteral(": is the output file of this script")};
    if (!checked.problems.isEmpty())
        return reportProblems(scriptName, checked.problems);

    const QString rc = findProgram({QStringLiteral("llvm-rc"), QStringLiteral("llvm-rc-16"),
                                    QStringLiteral("llvm-rc-15"), QStringLiteral("llvm-rc-14")});
    if (rc.isEmpty()) {
        say(QStringLiteral("%1: Error: llvm-rc is not installed").arg(scriptName));
        return 1;
    }
    QTemporaryDir work;
    if (!work.isValid()) {
        say(QStringLiteral("%1: Error: cannot make a work folder in the temporary folder (%2)")
                .arg(scriptName, work.errorString()));
        return 1;
    }
    tolvane::signalcleanup::removeOnSignal(QFile::encodeName(work.path()).toStdString());
    // Runs before the folder's own removal: after a signal, the watcher removes it alone.
    const auto leaveToWatcher = qScopeGuard([&work] {
        if (tolvane::signalcleanup::stopping())
            work.setAutoRemove(false);
    });
    const QString workFolder = work.path();
    const auto inWork = [&](const QString &name) { return workFolder + QLatin1Char('/') + name; };
    // A file whose path the compiler would misread reaches it through a link with a plain name in
    // the work folder, where it runs; every other file is handed as it is.
    for (const ScriptFile &file : checked.files) {
        if (file.linked && !makeLink(file.path, inWork(file.handed))) {
            say(QStringLiteral("%1(%2): Error: cannot prepare %3 in the temporary folder %4")
                    .arg(scriptName, QString::number(file.line), file.written, workFolder));
            return 1;
        }
    }
    // The folders the compiler searches and writes into reach it through links too: any of them
    // may hold bytes that are not UTF-8, or start with a '/' that it takes for an option.
    const QString targetFolder = folderOf(target);
    const QStringList folderLinks = {QStringLiteral("folder-1"), QStringLiteral("folder-2"),
                                     QStringLiteral("target")};
    const QStringList linkedFolders = {folders.at(0), folders.at(1), targetFolder};
    for (int i = 0; i < folderLinks.size(); ++i) {
        if (!makeLink(linkedFolders.at(i), inWork(folderLinks.at(i)))) {
            say(QStringLiteral("%1: Error: cannot prepare the folder %2 in the temporary folder %3")
                    .arg(scriptName, linkedFolders.at(i), workFolder));
            return 1;
        }
    }
    {
        QFile f(inWork(QStringLiteral("script.rc")));
        // What is not a file name keeps its text; a byte that is not UTF-8 there shows as such.
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(nativename::display(checked.compilable).toUtf8()) < 0 || !f.flush()) {
            say(QStringLiteral("%1: Error: cannot write a work file").arg(scriptName));
            return 1;
        }
    }
    // llvm-rc writes beside the target under a passing name, which is renamed into place only
    // when all went well: no copy of a large file, and never half a .res under the real name.
    const QString partialName =
        QStringLiteral(".tolvane-%1.res.partial").arg(QCoreApplication::applicationPid());
    const QString outPath = targetFolder + QLatin1Char('/') + partialName;
    tolvane::signalcleanup::removeOnSignal(nativename::encode(outPath).toStdString());
    const QStringList rcArgs = {QStringLiteral("-no-preprocess"),
                                QStringLiteral("-C"),
                                QStringLiteral("65001"),
                                QStringLiteral("-I"),
                                QStringLiteral("./folder-1"),
                                QStringLiteral("-I"),
                                QStringLiteral("./folder-2"),
                                QStringLiteral("-fo"),
                                QStringLiteral("./target/") + partialName,
                                QStringLiteral("./script.rc")};
    QString output;
    const int code = runProgram(rc, rcArgs, &output, workFolder);
    if (code != 0 || !statusOf(outPath).exists) {
        removeFile(outPath);
        const QList<ScriptProblem> unreadable = ScriptCheck::unreadableFiles(checked.files);
        if (!unreadable.isEmpty())
            return reportProblems(scriptName, unreadable);
        for (const ScriptFile &file : checked.files)
            output.replace(file.handed, file.written);
        reportCompilerText(scriptName,
                           output.isEmpty() ? QStringLiteral("compilation failed") : output,
                           checked.lineOfId);
        return 1;
    }

    if (!replaceFile(outPath, target)) {
        removeFile(outPath);
        say(QStringLiteral("%1: Error: cannot write %2").arg(scriptName, target));
        return 1;
    }
    return 0;
}
