#include "tools/brcc32/ScriptCheck.h"
#include "platform/NativeName.h"
#include "tools/common/Toolbox.h"

#include <QDir>
#include <QRegularExpression>
#include <QtEndian>

namespace tolvane::tools {

QString ScriptCheck::stripComments(const QString &text)
{
    QString out;
    out.reserve(text.size());
    bool inString = false, inBlock = false, inLine = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (c == QLatin1Char('\n')) {
            inLine = false;
            inString = false; // strings do not run over lines
            out += c;
            continue;
        }
        if (inLine) {
            if (c == QLatin1Char('\r'))
                out += c; // the line keeps its ending
            continue;
        }
        if (inBlock) {
            out += c;
            if (c == QLatin1Char('*') && next == QLatin1Char('/')) {
                out += next;
                ++i;
                inBlock = false;
            }
            continue;
        }
        if (inString) {
            out += c;
            if (c == QLatin1Char('"'))
                inString = false; // "" reopens at once, which is the escaped quote
            continue;
        }
        if (c == QLatin1Char(';')) {
            inLine = true;
            continue;
        }
        if (c == QLatin1Char('"'))
            inString = true;
        else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            out += c;
            out += next;
            ++i;
            inBlock = true;
            continue;
        }
        out += c;
    }
    return out;
}

namespace {

struct Token
{
    QString text; // a quoted string without its quotes, "" read as "
    bool quoted = false;
    int start = 0; // where the token stands in its line, quotes included
    int end = 0;
};

// Words and quoted strings of one line; C comments are blanked first by the caller.
QList<Token> tokens(const QString &line)
{
    QList<Token> out;
    int i = 0;
    while (i < line.size()) {
        const QChar c = line.at(i);
        if (c.isSpace() || c == QLatin1Char(',')) {
            ++i;
            continue;
        }
        Token t;
        t.start = i;
        if (c == QLatin1Char('"')) {
            t.quoted = true;
            ++i;
            while (i < line.size()) {
                if (line.at(i) == QLatin1Char('"')) {
                    if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                        t.text += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                t.text += line.at(i++);
            }
        } else {
            while (i < line.size() && !line.at(i).isSpace() && line.at(i) != QLatin1Char('"') &&
                   line.at(i) != QLatin1Char(','))
                t.text += line.at(i++);
        }
        t.end = i;
        out << t;
    }
    return out;
}

// Blanks out C comments so that only statements are left, keeping the line count.
QStringList statementLines(const QString &text)
{
    QString t = text;
    bool inBlock = false, inString = false;
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        const QChar next = i + 1 < t.size() ? t.at(i + 1) : QChar();
        if (inBlock) {
            if (c == QLatin1Char('*') && next == QLatin1Char('/')) {
                t[i] = t[i + 1] = QLatin1Char(' ');
                inBlock = false;
                ++i;
            } else if (c != QLatin1Char('\n')) {
                t[i] = QLatin1Char(' ');
            }
            continue;
        }
        if (c == QLatin1Char('\n'))
            inString = false;
        if (c == QLatin1Char('"'))
            inString = !inString;
        if (inString)
            continue;
        if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            t[i] = t[i + 1] = QLatin1Char(' ');
            inBlock = true;
            ++i;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
            while (i < t.size() && t.at(i) != QLatin1Char('\n'))
                t[i++] = QLatin1Char(' ');
        }
    }
    return t.split(QLatin1Char('\n'));
}

const QStringList &fileTypes()
{
    static const QStringList types = {"BITMAP",  "ICON", "CURSOR", "FONT",   "RCDATA",  "CABFILE",
                                      "EXEFILE", "FON",  "TTF",    "ANICUR", "AVI",     "GIF",
                                      "JPEG",    "WAVE", "PNG",    "HTML",   "MANIFEST"};
    return types;
}

const QStringList &memoryOptions()
{
    static const QStringList options = {"PRELOAD",  "LOADONCALL",  "FIXED",
                                        "MOVEABLE", "DISCARDABLE", "PURE",
                                        "IMPURE",   "SHARED",      "NONSHARED"};
    return options;
}

// On this file system a backslash is a character of a file name, so the name as written is looked
// for first; only when no such file exists is a backslash read as a Windows script's separator.
// One look at each candidate, which also tells what the file is.
QString findFile(const QString &name, const QStringList &folders, FileStatus &status)
{
    QStringList forms = {name};
    if (name.contains(QLatin1Char('\\')))
        forms << QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const QString &n : forms) {
        if (n.startsWith(QLatin1Char('/'))) {
            status = statusOf(n);
            if (status.exists)
                return n;
            continue;
        }
        for (const QString &folder : folders) {
            const QString candidate =
                folder.endsWith(QLatin1Char('/')) ? folder + n : folder + QLatin1Char('/') + n;
            status = statusOf(candidate);
            if (status.exists)
                return candidate;
        }
    }
    return QString();
}

} // namespace

QString ScriptCheck::iconProblem(const QByteArray &d, qint64 fileSize, int wantType)
{
    const QString what = wantType == 1 ? QStringLiteral("icon") : QStringLiteral("cursor");
    if (d.size() < 6)
        return QStringLiteral("invalid %1 file (too short)").arg(what);
    const auto *p = reinterpret_cast<const uchar *>(d.constData());
    const quint16 reserved = qFromLittleEndian<quint16>(p);
    const quint16 type = qFromLittleEndian<quint16>(p + 2);
    const quint16 count = qFromLittleEndian<quint16>(p + 4);
    if (reserved != 0 || type != wantType)
        return QStringLiteral("invalid %1 file (not an %1 header)").arg(what);
    if (count == 0)
        return QStringLiteral("invalid %1 file (no images)").arg(what);
    if (6 + 16 * qint64(count) > d.size() || 6 + 16 * qint64(count) > fileSize)
        return QStringLiteral("invalid %1 file (directory runs past the end)").arg(what);
    for (int i = 0; i < count; ++i) {
        const uchar *e = p + 6 + 16 * i;
        const quint32 size = qFromLittleEndian<quint32>(e + 8);
        const quint32 offset = qFromLittleEndian<quint32>(e + 12);
        if (size < 8 || qint64(offset) + size > fileSize)
            return QStringLiteral("invalid %1 file (image %2 runs past the end)")
                .arg(what)
                .arg(i + 1);
    }
    return QString();
}

QString ScriptCheck::bitmapProblem(const QByteArray &d, qint64 fileSize)
{
    if (d.size() < 14 + 12 || fileSize < 14 + 12 || !d.startsWith("BM"))
        return QStringLiteral("invalid bitmap file");
    const quint32 header = qFromLittleEndian<quint32>(d.constData() + 14);
    if (header != 12 && header != 16 && header != 40 && header != 52 && header != 56 &&
        header != 64 && header != 108 && header != 124)
        return QStringLiteral("invalid bitmap file (unknown header size %1)").arg(header);
    if (14 + qint64(header) > fileSize)
        return QStringLiteral("invalid bitmap file (header runs past the end)");
    return QString();
}

QList<ScriptProblem> ScriptCheck::unreadableFiles(const QList<ScriptFile> &files)
{
    QList<ScriptProblem> problems;
    for (const ScriptFile &file : files) {
        const QString why = readProblem(file.path, statusOf(file.path));
        if (!why.isEmpty())
            problems << ScriptProblem{file.line, file.written + QStringLiteral(": ") + why};
    }
    return problems;
}

QString ScriptCheck::linkName(int index)
{
    return QStringLiteral("tolvane-file-%1.dat").arg(index + 1);
}

bool ScriptCheck::needsLink(const QString &path)
{
    if (nativename::hasRawBytes(path) || path.contains(QLatin1String("/*")) ||
        path.contains(QLatin1String("//")))
        return true;
    for (const QChar c : path)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QLatin1Char('"') ||
            c == QLatin1Char('\\'))
            return true;
    return false;
}

CheckedScript ScriptCheck::check(const QString &stripped, const QStringList &folders)
{
    CheckedScript out;
    QStringList lines = statementLines(stripped);
    static const QRegularExpression tableLine(
        QStringLiteral("^\\s*(\\d+|0[xX][0-9a-fA-F]+)[lL]?\\s*,?\\s*\"(?:[^\"]|\"\")*\"\\s*$"));
    enum
    {
        Outside,
        TableHead,
        InTable
    } state = Outside;
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QList<Token> t = tokens(line);
        const QString first = t.value(0).text.toUpper();
        if (state == Outside && first == QLatin1String("STRINGTABLE") && !t.first().quoted) {
            state = TableHead;
            for (const Token &k : t)
                if (!k.quoted && (k.text == QLatin1String("{") ||
                                  k.text.compare(QLatin1String("BEGIN"), Qt::CaseInsensitive) == 0))
                    state = InTable;
            continue;
        }
        if (state == TableHead) {
            if (first == QLatin1String("{") || first == QLatin1String("BEGIN"))
                state = InTable;
            continue;
        }
        if (state == InTable) {
            if (first == QLatin1String("}") || first == QLatin1String("END")) {
                state = Outside;
                continue;
            }
            const QRegularExpressionMatch m = tableLine.match(line);
            if (!m.hasMatch()) {
                out.problems << ScriptProblem{
                    lineNo, QStringLiteral("invalid string table entry: %1").arg(line.trimmed())};
            } else {
                out.lineOfId.insert(QStringLiteral("STRINGTABLE:") + m.captured(1), lineNo);
            }
            continue;
        }
        // NAME TYPE [options] "file": a resource made from a file.
        if (t.size() < 3 || t.at(0).quoted || t.at(1).quoted)
            continue;
        const QString type = t.at(1).text.toUpper();
        if (!fileTypes().contains(type))
            continue;
        bool onlyOptions = true;
        for (int k = 2; k < t.size() - 1; ++k)
            onlyOptions =
                onlyOptions && !t.at(k).quoted && memoryOptions().contains(t.at(k).text.toUpper());
        const Token &file = t.last();
        if (!onlyOptions ||
            (!file.quoted && (file.text == QLatin1String("{") ||
                              file.text.compare(QLatin1String("BEGIN"), Qt::CaseInsensitive) == 0)))
            continue;
        out.lineOfId.insert(type + QLatin1Char(':') + t.at(0).text.toUpper(), lineNo);
        const QString &name = file.text;
        FileStatus status;
        const QString path = findFile(name, folders, status);
        if (path.isEmpty()) {
            out.problems << ScriptProblem{lineNo, name + QStringLiteral(": file not found")};
            continue;
        }
        const bool shaped = type == QLatin1String("ICON") || type == QLatin1String("CURSOR") ||
                            type == QLatin1String("BITMAP");
        // A file whose header is checked is opened here; any other is looked at once and opened
        // by the compiler alone, and only if that fails is it asked why (unreadableFiles).
        QByteArray head;
        const QString why =
            shaped ? readProblem(path, status, &head, headBytes) : kindProblem(status);
        if (!why.isEmpty()) {
            out.problems << ScriptProblem{lineNo, name + QStringLiteral(": ") + why};
            continue;
        }
        // A resource's size is a 32-bit field of the .res format.
        if (status.size > qint64(0xFFFFFFFF)) {
            out.problems << ScriptProblem{
                lineNo, name + QStringLiteral(": is larger than a resource can be (4 GB)")};
            continue;
        }
        if (shaped) {
            const QString bad =
                type == QLatin1String("BITMAP")
                    ? bitmapProblem(head, status.size)
                    : iconProblem(head, status.size, type == QLatin1String("ICON") ? 1 : 2);
            if (!bad.isEmpty()) {
                out.problems << ScriptProblem{lineNo, name + QStringLiteral(": ") + bad};
                continue;
            }
        }
        // The compiler gets the path as found where it reads it as meant, else a plain name for
        // a link to it: no quote, backslash or other character of the real name can be read
        // another way than it was meant.
        ScriptFile found{lineNo, name, path, status, path, needsLink(path)};
        if (found.linked)
            found.handed = linkName(int(out.files.size()));
        lines[i] = lines.at(i).left(file.start) + QLatin1Char('"') + found.handed +
                   QLatin1Char('"') + lines.at(i).mid(file.end);
        out.files << found;
    }
    if (state != Outside)
        out.problems << ScriptProblem{int(lines.size()),
                                      QStringLiteral("STRINGTABLE is not closed")};
    out.compilable = lines.join(QLatin1Char('\n'));
    return out;
}

} // namespace tolvane::tools
