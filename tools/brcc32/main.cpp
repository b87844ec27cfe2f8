// brcc32 SCRIPT.rc: compiles a resource script into SCRIPT.res beside it.
// The heavy work is llvm-rc's; this keeps the command line and the messages of a resource
// compiler: one "SCRIPT(LINE): Error: ..." per problem on standard output, exit code 1, and no
// new .res left behind.
#include "tools/brcc32/ScriptCheck.h"
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
        say(lineNo > 0 ? QStringLiteral("%1(%2): Error: %3").arg(scriptName).arg(lineNo).arg(line)
                       : QStringLiteral("%1: Error: %2").arg(scriptName, line));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        say(QStringLiteral("Resource compiler (Tolvane stand-in)"));
        say(QStringLiteral("Syntax: brcc32 SCRIPT.rc"));
        return 2;
    }
    const QString script = args.first();
    const QString scriptName = QFileInfo(script).fileName();
    QFile in(script);
    if (!in.open(QIODevice::ReadOnly)) {
        say(QStringLiteral("%1: Error: cannot open file").arg(script));
        return 1;
    }
    const QString text = QString::fromUtf8(in.readAll());
    in.close();

    const QString stripped = ScriptCheck::stripComments(text);
    const QStringList folders = {QFileInfo(script).absolutePath(), QDir::currentPath()};
    QMap<QString, int> lineOfId;
    const QList<ScriptProblem> problems = ScriptCheck::check(stripped, folders, &lineOfId);
    if (!problems.isEmpty()) {
        for (const ScriptProblem &p : problems)
            say(QStringLiteral("%1(%2): Error: %3").arg(scriptName).arg(p.line).arg(p.message));
        return 1;
    }

    const QString rc = findProgram({QStringLiteral("llvm-rc"), QStringLiteral("llvm-rc-16"),
                                    QStringLiteral("llvm-rc-15"), QStringLiteral("llvm-rc-14")});
    if (rc.isEmpty()) {
        say(QStringLiteral("%1: Error: llvm-rc is not installed").arg(scriptName));
        return 1;
    }
    QTemporaryDir work;
    const QString strippedPath = work.filePath(QStringLiteral("script.rc"));
    // llvm-rc writes beside the target under a passing name, which is renamed into place only
    // when all went well: no copy of a large file, and never half a .res under the real name.
    const QString target = resPathFor(script);
    const QString outPath =
        target + QStringLiteral(".partial-%1").arg(QCoreApplication::applicationPid());
    {
        QFile f(strippedPath);
        if (!f.open(QIODevice::WriteOnly) || f.write(stripped.toUtf8()) < 0) {
            say(QStringLiteral("%1: Error: cannot write a work file").arg(scriptName));
            return 1;
        }
    }
    QStringList rcArgs = {QStringLiteral("-no-preprocess"), QStringLiteral("-C"),
                          QStringLiteral("65001")};
    for (const QString &folder : folders)
        rcArgs << QStringLiteral("-I") << folder;
    rcArgs << QStringLiteral("-fo") << outPath << strippedPath;
    QString output;
    const int code = runProgram(rc, rcArgs, &output);
    if (code != 0 || !QFileInfo::exists(outPath)) {
        QFile::remove(outPath);
        reportCompilerText(
            scriptName, output.isEmpty() ? QStringLiteral("compilation failed") : output, lineOfId);
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
