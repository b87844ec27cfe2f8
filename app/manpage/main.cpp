// manpage PROGRAM NAME VERSION PAGE OUT [COMPLETION-TEMPLATE COMPLETION-OUT]
//
// Makes a program's manual page from what it prints for --help (synopsis, description, exit
// statuses, options, arguments) and a page of its own (examples, files, see also), so the
// options are written once, in the program. With a template, also the bash completion of the
// same options.
//
// PAGE holds paragraphs separated by empty lines; a line "# TITLE" starts a section, a paragraph
// indented by four blanks is a command shown as it is.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>

namespace {

struct Entry
{
    QString names; // "-d, --dest <DIR>"
    QString text;
};

struct Help
{
    QString synopsis;
    QStringList paragraphs; // each a list of lines joined by '\n'
    QList<Entry> statuses, options, arguments;
};

QString roff(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    text.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

// "-d, --dest <DIR>" in bold, its value in italics.
QString optionNames(const QString &names)
{
    QStringList out;
    for (const QString &part : names.split(QStringLiteral(", "))) {
        const qsizetype value = part.indexOf(QStringLiteral(" <"));
        QString shown = QStringLiteral("\\fB") + roff(part.left(value)) + QStringLiteral("\\fR");
        if (value >= 0)
            shown += QStringLiteral(" \\fI") + roff(part.mid(value + 2).chopped(1)) +
                     QStringLiteral("\\fR");
        out << shown;
    }
    return out.join(QStringLiteral(", "));
}

Help parse(const QString &text, const QString &name)
{
    Help help;
    const QStringList lines = text.split(QLatin1Char('\n'));
    static const QRegularExpression usage(QStringLiteral("^Usage: \\S+ ?(.*)$"));
    static const QRegularExpression entry(QStringLiteral("^  (\\S.*?)(?: {2,}(\\S.*))?$"));
    static const QRegularExpression more(QStringLiteral("^ {3,}(\\S.*)$"));
    static const QRegularExpression status(QStringLiteral("^ *(\\d+)  (\\S.*)$"));
    QList<Entry> *list = nullptr;
    QString paragraph;
    bool inStatuses = false;
    const auto endParagraph = [&] {
        if (!paragraph.isEmpty())
            help.paragraphs << paragraph;
        paragraph.clear();
    };
    for (const QString &line : lines) {
        const QRegularExpressionMatch u = usage.match(line);
        if (u.hasMatch() && help.synopsis.isEmpty()) {
            help.synopsis = name + QLatin1Char(' ') + u.captured(1);
            continue;
        }
        if (line == QLatin1String("Options:") || line == QLatin1String("Arguments:")) {
            endParagraph();
            list = line.startsWith(QLatin1Char('O')) ? &help.options : &help.arguments;
            continue;
        }
        if (list) {
            const QRegularExpressionMatch m = more.match(line);
            if (m.hasMatch() && !list->isEmpty())
                list->last().text += QLatin1Char(' ') + m.captured(1);
            else if (const QRegularExpressionMatch e = entry.match(line); e.hasMatch())
                list->append({e.captured(1), e.captured(2)});
            continue;
        }
        if (line == QLatin1String("Exit status:")) {
            endParagraph();
            inStatuses = true;
            continue;
        }
        if (inStatuses) {
            const QRegularExpressionMatch s = status.match(line);
            if (s.hasMatch()) {
                help.statuses.append({s.captured(1), s.captured(2)});
                continue;
            }
            inStatuses = false;
        }
        if (line.trimmed().isEmpty())
            endParagraph();
        else
            paragraph += (paragraph.isEmpty() ? QString() : QStringLiteral("\n")) + line;
    }
    endParagraph();
    return help;
}

QString section(const QString &title)
{
    return QStringLiteral(".SH ") + title + QLatin1Char('\n');
}

QString entries(const QList<Entry> &list, bool bold)
{
    QString out;
    for (const Entry &e : list)
        out += QStringLiteral(".TP\n") +
               (bold ? optionNames(e.names)
                     : QStringLiteral("\\fI") + roff(e.names) + QStringLiteral("\\fR")) +
               QLatin1Char('\n') + roff(e.text) + QLatin1Char('\n');
    return out;
}

// The program's own page: sections, text paragraphs and commands.
QString ownPage(const QString &text)
{
    QString out;
    for (const QString &block : text.split(QRegularExpression(QStringLiteral("\\n\\s*\\n")))) {
        QStringList lines = block.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        while (!lines.isEmpty() && lines.first().startsWith(QStringLiteral("# "))) {
            out += section(lines.takeFirst().mid(2));
            if (lines.isEmpty())
                break;
        }
        if (lines.isEmpty())
            continue;
        if (lines.first().startsWith(QStringLiteral("    "))) {
            out += QStringLiteral(".PP\n.RS 4\n.nf\n");
            for (const QString &line : lines)
                out += roff(line.mid(4)) + QLatin1Char('\n');
            out += QStringLiteral(".fi\n.RE\n");
        } else {
            out += QStringLiteral(".PP\n") + roff(lines.join(QLatin1Char(' '))) + QLatin1Char('\n');
        }
    }
    return out;
}

QString manual(const Help &help, const QString &name, const QString &version, const QString &own)
{
    QString out = QStringLiteral(".TH %1 1 \"\" \"Tolvane %2\" \"User Commands\"\n")
                      .arg(name.toUpper(), version);
    // The first sentence names the program; what follows it describes it.
    QStringList paragraphs = help.paragraphs;
    QString first = paragraphs.value(0);
    const QString line = first.section(QLatin1Char('\n'), 0, 0);
    const qsizetype stop = line.indexOf(QStringLiteral(". "));
    QString summary = stop < 0 ? line : line.left(stop + 1);
    if (!paragraphs.isEmpty())
        paragraphs.first() = first.mid(summary.size()).trimmed();
    if (summary.endsWith(QLatin1Char('.')))
        summary.chop(1);
    out += section(QStringLiteral("NAME")) + roff(name) + QStringLiteral(" \\- ") + roff(summary) +
           QLatin1Char('\n');
    out += section(QStringLiteral("SYNOPSIS")) + QStringLiteral(".B ") + roff(name) +
           QLatin1Char('\n') + roff(help.synopsis.mid(name.size() + 1)) + QLatin1Char('\n');
    out += section(QStringLiteral("DESCRIPTION"));
    for (QString p : paragraphs) {
        if (p.startsWith(QLatin1Char('.')))
            p.remove(0, 1);
        p = p.trimmed();
        if (!p.isEmpty())
            out += QStringLiteral(".PP\n") +
                   roff(p.split(QLatin1Char('\n')).join(QLatin1Char(' '))) + QLatin1Char('\n');
    }
    out += section(QStringLiteral("OPTIONS")) + entries(help.options, true);
    if (!help.arguments.isEmpty())
        out += section(QStringLiteral("ARGUMENTS")) + entries(help.arguments, false);
    if (!help.statuses.isEmpty()) {
        out += section(QStringLiteral("EXIT STATUS"));
        for (const Entry &e : help.statuses)
            out += QStringLiteral(".TP\n.B ") + e.names + QLatin1Char('\n') + roff(e.text) +
                   QLatin1Char('\n');
    }
    return out + ownPage(own);
}

// The options as completion words, and the patterns of those that take a folder, a file or
// another value.
QString completion(QString text, const Help &help)
{
    QStringList words, folders, files, values;
    for (const Entry &e : help.options) {
        for (const QString &part : e.names.split(QStringLiteral(", "))) {
            const QString option = part.section(QLatin1Char(' '), 0, 0);
            words << option;
            if (part.endsWith(QLatin1String("<DIR>")))
                folders << option;
            else if (part.endsWith(QLatin1String("<FILE>")))
                files << option;
            else if (part.endsWith(QLatin1Char('>')))
                values << option;
        }
    }
    text.replace(QStringLiteral("@OPTIONS@"), words.join(QLatin1Char(' ')));
    text.replace(QStringLiteral("@FOLDER_OPTIONS@"), folders.join(QLatin1Char('|')));
    text.replace(QStringLiteral("@FILE_OPTIONS@"), files.join(QLatin1Char('|')));
    text.replace(QStringLiteral("@VALUE_OPTIONS@"), values.join(QLatin1Char('|')));
    return text;
}

bool save(const QString &path, const QString &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0 &&
           f.flush();
}

QString load(const QString &path, bool &ok)
{
    QFile f(path);
    ok = f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6 && args.size() != 8) {
        fputs("usage: manpage PROGRAM NAME VERSION PAGE OUT [COMPLETION-TEMPLATE COMPLETION-OUT]\n",
              stderr);
        return 2;
    }
    QProcess program;
    program.start(args.at(1), {QStringLiteral("--help")});
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit ||
        program.exitCode() != 0) {
        fprintf(stderr, "manpage: %s --help failed\n", qPrintable(args.at(1)));
        return 1;
    }
    const Help help = parse(QString::fromUtf8(program.readAllStandardOutput()), args.at(2));
    if (help.synopsis.isEmpty() || help.options.isEmpty()) {
        fprintf(stderr, "manpage: %s --help printed no usage or no options\n",
                qPrintable(args.at(1)));
        return 1;
    }
    bool ok = false;
    const QString own = load(args.at(4), ok);
    if (!ok || !save(args.at(5), manual(help, args.at(2), args.at(3), own))) {
        fprintf(stderr, "manpage: cannot read %s or write %s\n", qPrintable(args.at(4)),
                qPrintable(args.at(5)));
        return 1;
    }
    if (args.size() == 8) {
        const QString templ = load(args.at(6), ok);
        if (!ok || !save(args.at(7), completion(templ, help))) {
            fprintf(stderr, "manpage: cannot read %s or write %s\n", qPrintable(args.at(6)),
                    qPrintable(args.at(7)));
            return 1;
        }
    }
    return 0;
}
