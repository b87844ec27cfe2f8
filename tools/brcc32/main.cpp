// brcc32 SCRIPT.rc: compiles a resource script into SCRIPT.res beside it.
// The heavy work is llvm-rc's; this keeps the command line and the messages of a resource
// compiler: one "SCRIPT(LINE): Error: ..." per problem on standard output, exit code 1, and no
// new .res left behind.
#include "tools/brcc32/ScriptCheck.h"
#include "tools/common/SignalCleanup.h"
#include "tools/common/Toolbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace tolvane::tools;

namespace {

QString resPathFor(const QString &script)
{
    const QFileInfo info(script);
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(base + QStringLiteral(".res"));
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    tolvane::signalcleanup::install();
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        say(QStringLiteral("Resource compiler (Tolvane stand-in)"));
        say(QStringLiteral("Syntax: brcc32 SCRIPT.rc"));
        return 2;
    }
    const QString script = args.first();
    const QString scriptName = QFileInfo(script).fileName();
    const QString target = resPathFor(script);
    if (sameFile(script, target)) {
        say(QStringLiteral("%1: Error: the compiled resources would replace the script itself; "
                           "name the script with the extension .rc")
                .arg(scriptName));
        return 1;
    }
    const QString scriptProblem = regularFileProblem(script);
    if (!scriptProblem.isEmpty()) {
        say(QStringLiteral("%1: Error: %2").arg(script, scriptProblem));
        return 1;
    }
    QFile in(script);
    if (!in.open(QIODevice::ReadOnly)) {
        say(QStringLiteral("%1: Error: cannot open file").arg(script));
        return 1;
    }
    const QString text = QString::fromUtf8(in.readAll());
    in.close();

    const QString stripped = ScriptCheck::stripComments(text);
    const QStringList folders = {QFileInfo(script).absolutePath(), QDir::currentPath()};
    CheckedScript checked = ScriptCheck::check(stripped, folders);
    for (const ScriptFile &file : checked.files)
        if (sameFile(file.path, target))
            checked.problems << ScriptProblem{
                file.line, file.written + QStringLiteral(": is the output file of this script")};
    if (!checked.problems.isEmpty()) {
        for (const ScriptProblem &p : checked.problems)
            say(QStringLiteral("%1(%2): Error: %3")
                    .arg(scriptName, QString::number(p.line), p.message));
        return 1;
    }

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
    const QString workFolder = QDir(work.path()).canonicalPath();
    // Each file reaches llvm-rc through a link with a plain name in the work folder, where it
    // runs: the real names may hold quotes, backslashes and any other character.
    for (int i = 0; i < checked.files.size(); ++i) {
        if (!QFile::link(checked.files.at(i).path,
                         QDir(workFolder).filePath(ScriptCheck::linkName(i)))) {
            say(QStringLiteral("%1(%2): Error: cannot prepare %3 in the temporary folder %4")
                    .arg(scriptName, QString::number(checked.files.at(i).line),
                         checked.files.at(i).written, workFolder));
            return 1;
        }
    }
    const QString strippedPath = QDir(workFolder).filePath(QStringLiteral("script.rc"));
    // llvm-rc writes beside the target under a passing name, which is renamed into place only
    // when all went well: no copy of a large file, and never half a .res under the real name.
    const QString outPath =
        target + QStringLiteral(".partial-%1").arg(QCoreApplication::applicationPid());
    tolvane::signalcleanup::removeOnSignal(QFile::encodeName(outPath).toStdString());
    {
        QFile f(strippedPath);
        if (!f.open(QIODevice::WriteOnly) || f.write(checked.compilable.toUtf8()) < 0 ||
            !f.flush()) {
            say(QStringLiteral("%1: Error: cannot write a work file").arg(scriptName));
            return 1;
        }
    }
    // Every path goes in a relative form: llvm-rc reads a leading '/' as an option, and the
    // temporary or the user's folder may start with one that it knows (/dev/shm, /usr ...).
    QStringList rcArgs = {QStringLiteral("-no-preprocess"), QStringLiteral("-C"),
                          QStringLiteral("65001")};
    for (const QString &folder : folders)
        rcArgs << QStringLiteral("-I") << argumentPath(folder, workFolder);
    rcArgs << QStringLiteral("-fo") << argumentPath(outPath, workFolder)
           << argumentPath(strippedPath, workFolder);
    QString output;
    const int code = runProgram(rc, rcArgs, &output, workFolder);
    if (code != 0 || !QFileInfo::exists(outPath)) {
        QFile::remove(outPath);
        for (int i = 0; i < checked.files.size(); ++i)
            output.replace(ScriptCheck::linkName(i), checked.files.at(i).written);
        reportCompilerText(scriptName,
                           output.isEmpty() ? QStringLiteral("compilation failed") : output,
                           checked.lineOfId);
        return 1;
    }

    QFile::remove(target);
    if (!QFile::rename(outPath, target)) {
        QFile::remove(outPath);
        say(QStringLiteral("%1: Error: cannot write %2").arg(scriptName, target));
        return 1;
    }
    return 0;
}
