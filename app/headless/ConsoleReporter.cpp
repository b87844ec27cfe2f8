#include "app/headless/ConsoleReporter.h"

#include "platform/NativeName.h"

namespace tolvane::headless {

namespace {
// The progress panel's texts that name a stage of the build, as the windows show them.
const QStringList stageTexts = {
    QStringLiteral("Loading File List"),    QStringLiteral("Script complete"),
    QStringLiteral("Writing .dpr File"),    QStringLiteral("Porting Data (Brcc32)"),
    QStringLiteral("Porting Data (Dcc32)"), QStringLiteral("Compilation Successful"),
    QStringLiteral("Exporting Files"),      QStringLiteral("Moving Files"),
    QStringLiteral("Cleaning up"),          QStringLiteral("Document Complete"),
};

QString oneLine(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}
} // namespace

ConsoleReporter::ConsoleReporter(bool yes, bool quiet, FILE *stream)
    : m_yes(yes), m_quiet(quiet), m_stream(stream)
{
}

void ConsoleReporter::say(const QString &text)
{
    fprintf(m_stream, "tolvane-build: %s\n", nativename::display(text).toUtf8().constData());
    fflush(m_stream);
}

QString ConsoleReporter::stage(const QString &text)
{
    // Spaces and dots at either edge go: "Writing .dpr File" keeps its inner dot, and a trailing
    // "..." is trimmed. Called for every line of progress, so without a copy until it matches.
    auto edge = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('.'); };
    qsizetype from = 0, to = text.size();
    while (from < to && edge(text.at(from)))
        ++from;
    while (to > from && edge(text.at(to - 1)))
        --to;
    const QStringView t = QStringView(text).mid(from, to - from);
    for (const QString &stage : stageTexts)
        if (t == stage)
            return stage;
    return QString();
}

void ConsoleReporter::progress(const QString &text)
{
    const QString s = stage(text);
    if (s.isEmpty() || s == m_lastStage)
        return;
    m_lastStage = s;
    if (!m_quiet)
        say(s);
}

void ConsoleReporter::done()
{
    if (!m_quiet)
        say(QStringLiteral("Task Complete"));
}

void ConsoleReporter::setLine(Line, const QString &text)
{
    progress(text);
}

void ConsoleReporter::setTitle(const QString &title)
{
    progress(title);
}

void ConsoleReporter::clearLast()
{
    m_lastStop.reset();
    m_lastQuestion.reset();
    m_lastAnswer = Ok;
}

BuildReporter::Answer ConsoleReporter::ask(const Message &message)
{
    const QString caption =
        message.caption.isEmpty() ? QString() : message.caption + QStringLiteral(": ");
    const bool question = message.buttons & (Message::Yes | Message::No);
    if (!question) {
        say(caption + oneLine(message.text));
        if (message.icon == Message::Icon::Error || message.icon == Message::Icon::Warning ||
            message.buttons & Message::Abort)
            m_lastStop = message.id;
        return message.buttons & Message::Abort ? Abort : Ok;
    }
    m_lastQuestion = message.id;
    // Every question of the build goes on with "Yes"; "No" or "Abort" stops it.
    if (m_yes && (message.buttons & Message::Yes)) {
        say(caption + oneLine(message.text) + QStringLiteral(" [Yes: --yes]"));
        return m_lastAnswer = Yes;
    }
    say(caption + oneLine(message.text));
    say(QStringLiteral("stopped at this question; --yes answers it with \"Yes\""));
    m_lastStop = message.id;
    return m_lastAnswer = (message.buttons & Message::No) ? No : Abort;
}

} // namespace tolvane::headless
