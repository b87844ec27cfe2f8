#include "tools/dcc32/LibraryProject.h"

namespace tolvane::tools {

namespace {

// The language's blanks: the space and every control character, so a tab or a line break
// separates as a space does.
bool isBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

struct Token
{
    enum Kind
    {
        Word,
        Symbol,
        Directive,
        End
    } kind = End;
    QString text;
    int line = 0;
};

class Lexer
{
  public:
    explicit Lexer(const QString &text) : m_text(text) {}

    bool next(Token &t, QString &error)
    {
        skip();
        t = Token();
        t.line = m_line;
        if (m_pos >= m_text.size())
            return true;
        const QChar c = m_text.at(m_pos);
        const bool brace = c == QLatin1Char('{') && peek(1) == QLatin1Char('$');
        if (brace ||
            (c == QLatin1Char('(') && peek(1) == QLatin1Char('*') && peek(2) == QLatin1Char('$'))) {
            const int open = brace ? 2 : 3;
            const QString closer = brace ? QStringLiteral("}") : QStringLiteral("*)");
            const int close = directiveEnd(m_pos + open, closer);
            if (close < 0) {
                error = QStringLiteral("Unterminated compiler directive");
                return false;
            }
            t.kind = Token::Directive;
            t.text = m_text.mid(m_pos + open, close - m_pos - open);
            advanceTo(close + closer.size());
            return true;
        }
        if (c.isLetter() || c == QLatin1Char('_')) {
            int end = m_pos;
            while (end < m_text.size() &&
                   (m_text.at(end).isLetterOrNumber() || m_text.at(end) == QLatin1Char('_')))
                ++end;
            t.kind = Token::Word;
            t.text = m_text.mid(m_pos, end - m_pos);
            m_pos = end;
            return true;
        }
        t.kind = Token::Symbol;
        t.text = c;
        ++m_pos;
        return true;
    }

    int line() const { return m_line; }
    bool unterminatedComment() const { return m_openComment; }

  private:
    // Where a directive closes: a closer inside a quoted file name does not count, unless the
    // quotes never close (an apostrophe in an unquoted name).
    int directiveEnd(int from, const QString &closer) const
    {
        bool quoted = false;
        for (int i = from; i < m_text.size(); ++i) {
            if (m_text.at(i) == QLatin1Char('\''))
                quoted = !quoted;
            else if (!quoted && QStringView(m_text).mid(i).startsWith(closer))
                return i;
        }
        return m_text.indexOf(closer, from);
    }
    QChar peek(int ahead) const
    {
        return m_pos + ahead < m_text.size() ? m_text.at(m_pos + ahead) : QChar();
    }
    void advanceTo(int pos)
    {
        for (int i = m_pos; i < pos && i < m_text.size(); ++i)
            if (m_text.at(i) == QLatin1Char('\n'))
                ++m_line;
        m_pos = pos;
    }
    void skip()
    {
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos);
            if (isBlank(c)) {
                advanceTo(m_pos + 1);
            } else if (c == QLatin1Char('{') && peek(1) != QLatin1Char('$')) {
                const int close = m_text.indexOf(QLatin1Char('}'), m_pos);
                if (close < 0) {
                    m_openComment = true;
                    advanceTo(m_text.size());
                } else {
                    advanceTo(close + 1);
                }
            } else if (c == QLatin1Char('(') && peek(1) == QLatin1Char('*') &&
                       peek(2) != QLatin1Char('$')) {
                const int close = m_text.indexOf(QLatin1String("*)"), m_pos + 2);
                if (close < 0) {
                    m_openComment = true;
                    advanceTo(m_text.size());
                } else {
                    advanceTo(close + 2);
                }
            } else if (c == QLatin1Char('/') && peek(1) == QLatin1Char('/')) {
                const int eol = m_text.indexOf(QLatin1Char('\n'), m_pos);
                advanceTo(eol < 0 ? m_text.size() : eol);
            } else {
                return;
            }
        }
    }

    const QString &m_text;
    int m_pos = 0;
    int m_line = 1;
    bool m_openComment = false;
};

// The file of {$R FILE}: the rest after the name of the switch, or a quoted name with '' for '.
// Empty when there is none.
QString directiveFile(const QString &rest)
{
    if (!rest.startsWith(QLatin1Char('\'')))
        return rest;
    QString file;
    for (int i = 1; i < rest.size(); ++i) {
        if (rest.at(i) != QLatin1Char('\'')) {
            file += rest.at(i);
        } else if (i + 1 < rest.size() && rest.at(i + 1) == QLatin1Char('\'')) {
            file += QLatin1Char('\'');
            ++i;
        } else {
            return file;
        }
    }
    return rest; // no closing quote: the apostrophe is part of the name
}

QString trimmedBlanks(const QString &s)
{
    int from = 0, to = int(s.size());
    while (from < to && isBlank(s.at(from)))
        ++from;
    while (to > from && isBlank(s.at(to - 1)))
        --to;
    return s.mid(from, to - from);
}

QString shown(const Token &t)
{
    return t.kind == Token::End ? QStringLiteral("end of file")
                                : QLatin1Char('\'') + t.text + QLatin1Char('\'');
}

} // namespace

bool parseLibraryProject(const QString &text, LibraryProject &out, int &errorLine, QString &error)
{
    Lexer lex(text);
    Token t;
    auto fail = [&](const QString &message) {
        errorLine = t.line;
        // A comment that never closes swallows the rest; say so rather than what went missing.
        error = t.kind == Token::End && lex.unterminatedComment()
                    ? QStringLiteral("Unterminated comment")
                    : message;
        return false;
    };
    // Reads the next token; directives are collected wherever they stand.
    auto advance = [&]() -> bool {
        while (true) {
            QString lexError;
            if (!lex.next(t, lexError))
                return fail(lexError);
            if (t.kind != Token::Directive)
                return true;
            const QString d = trimmedBlanks(t.text);
            int headEnd = 0;
            while (headEnd < d.size() && !isBlank(d.at(headEnd)) &&
                   d.at(headEnd) != QLatin1Char('\''))
                ++headEnd;
            const QString head = d.left(headEnd).toUpper();
            if (head == QLatin1String("R") || head == QLatin1String("RESOURCE")) {
                const QString file = directiveFile(trimmedBlanks(d.mid(headEnd)));
                if (file.isEmpty())
                    return fail(QStringLiteral("File name expected in {$R} directive"));
                out.resources << ResourceDirective{file, t.line};
            }
            // Other switches ({$E ...}, {$IFDEF ...}) do not matter for a resource-only library.
        }
    };
    auto expectWord = [&](const QString &word) {
        if (t.kind != Token::Word || t.text.compare(word, Qt::CaseInsensitive) != 0)
            return fail(QStringLiteral("'%1' expected but %2 found").arg(word.toUpper(), shown(t)));
        return advance();
    };
    auto expectSymbol = [&](const QString &symbol) {
        if (t.kind != Token::Symbol || t.text != symbol)
            return fail(QStringLiteral("'%1' expected but %2 found").arg(symbol, shown(t)));
        return advance();
    };

    if (!advance())
        return false;
    if (t.kind == Token::Word && t.text.compare(QLatin1String("program"), Qt::CaseInsensitive) == 0)
        return fail(QStringLiteral("Only a resource-only LIBRARY can be compiled here"));
    if (!expectWord(QStringLiteral("library")))
        return false;
    if (t.kind != Token::Word)
        return fail(QStringLiteral("Identifier expected but %1 found").arg(shown(t)));
    out.name = t.text;
    if (!advance() || !expectSymbol(QStringLiteral(";")))
        return false;
    if (t.kind == Token::Word && t.text.compare(QLatin1String("uses"), Qt::CaseInsensitive) == 0) {
        if (!advance())
            return false;
        while (true) {
            if (t.kind != Token::Word)
                return fail(QStringLiteral("Identifier expected but %1 found").arg(shown(t)));
            out.uses << t.text;
            if (!advance())
                return false;
            if (t.kind == Token::Symbol && t.text == QLatin1String(",")) {
                if (!advance())
                    return false;
                continue;
            }
            if (!expectSymbol(QStringLiteral(";")))
                return false;
            break;
        }
    }
    if (!expectWord(QStringLiteral("begin")))
        return false;
    if (t.kind == Token::End)
        return fail(QStringLiteral("'END' expected but end of file found"));
    if (t.kind != Token::Word || t.text.compare(QLatin1String("end"), Qt::CaseInsensitive) != 0)
        return fail(QStringLiteral("Statements are not allowed in a resource-only library: %1")
                        .arg(shown(t)));
    if (!advance())
        return false;
    if (t.kind != Token::Symbol || t.text != QLatin1String("."))
        return fail(QStringLiteral("'.' expected but %1 found").arg(shown(t)));
    return true; // whatever follows "end." is not read
}

} // namespace tolvane::tools
