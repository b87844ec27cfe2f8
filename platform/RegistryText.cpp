#include "platform/Registry.h"

#include <cctype>

// The registry file's text: what a line means, and the text written for the keys.
namespace tolvane {

namespace {

const char header[] = "Windows Registry Editor Version 5.00";
const char olderHeader[] = "REGEDIT4";

QString normalisedPath(QString path)
{
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return parts.join(QLatin1Char('\\'));
}

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

void skipBlanks(QStringView line, qsizetype &pos)
{
    while (pos < line.size() &&
           (line.at(pos) == QLatin1Char(' ') || line.at(pos) == QLatin1Char('\t')))
        ++pos;
}

// After a value only blanks and a comment may follow.
bool nothingMore(QStringView line, qsizetype pos)
{
    skipBlanks(line, pos);
    return pos == line.size() || line.at(pos) == QLatin1Char(';');
}

// Reads a quoted string starting at pos (on the opening quote); pos ends after the closing quote.
bool readQuoted(QStringView line, qsizetype &pos, QString &out)
{
    if (pos >= line.size() || line.at(pos) != QLatin1Char('"'))
        return false;
    ++pos;
    out.clear();
    while (pos < line.size()) {
        QChar c = line.at(pos++);
        if (c == QLatin1Char('"'))
            return true;
        if (c == QLatin1Char('\\')) {
            if (pos >= line.size())
                return false;
            c = line.at(pos++);
            if (c == QLatin1Char('n'))
                c = QLatin1Char('\n');
            else if (c == QLatin1Char('r'))
                c = QLatin1Char('\r');
        }
        out += c;
    }
    return false;
}

// Exports of the registry editor come in UTF-16 with a byte order mark; ours and most hand-made
// files are UTF-8, some editors put a mark in front of that too.
QString decoded(const QByteArray &data)
{
    if (data.startsWith("\xFF\xFE"))
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(data.constData() + 2),
                                  (data.size() - 2) / 2);
    if (data.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(data.constData() + 3, data.size() - 3);
    return QString::fromUtf8(data);
}

std::optional<RegRoot> rootNamed(const QString &name)
{
    for (RegRoot root : {RegRoot::LocalMachine, RegRoot::CurrentUser, RegRoot::Users})
        if (name.compare(Registry::rootName(root), Qt::CaseInsensitive) == 0)
            return root;
    return std::nullopt;
}

} // namespace

Registry::Entry *Registry::Key::find(const QString &name)
{
    const auto it = index.constFind(name.toCaseFolded());
    return it == index.constEnd() ? nullptr : &values[*it];
}

void Registry::Key::set(const QString &name, const RegValue &value)
{
    if (Entry *e = find(name)) {
        e->value = value;
        return;
    }
    index.insert(name.toCaseFolded(), values.size());
    values.append(Entry{name, value});
}

bool Registry::Key::remove(const QString &name)
{
    const auto it = index.find(name.toCaseFolded());
    if (it == index.end())
        return false;
    const qsizetype at = *it;
    index.erase(it);
    values.removeAt(at);
    for (qsizetype &i : index)
        if (i > at)
            --i;
    return true;
}

QString Registry::fullPath(RegRoot root, const QString &path)
{
    QString rest = normalisedPath(path);
    if (root == RegRoot::Users) {
        // The default profile is the one user of this desktop.
        const QString def = QStringLiteral(".Default");
        if (rest.compare(def, Qt::CaseInsensitive) == 0) {
            root = RegRoot::CurrentUser;
            rest.clear();
        } else if (rest.startsWith(def + QLatin1Char('\\'), Qt::CaseInsensitive)) {
            root = RegRoot::CurrentUser;
            rest = rest.mid(def.size() + 1);
        }
    }
    return rest.isEmpty() ? rootName(root) : rootName(root) + QLatin1Char('\\') + rest;
}

// The key and every missing parent below its root, as the registry itself has them.
Registry::Key &Registry::addKey(KeyMap &keys, const QString &full)
{
    qsizetype cut = full.indexOf(QLatin1Char('\\'));
    cut = cut < 0 ? full.size() : full.indexOf(QLatin1Char('\\'), cut + 1); // the root is not one
    if (cut < 0)
        cut = full.size();
    for (;;) {
        const QString walk = full.left(cut);
        Key &key = keys[walk.toLower()];
        if (key.path.isEmpty())
            key.path = walk;
        if (cut >= full.size())
            return key;
        cut = full.indexOf(QLatin1Char('\\'), cut + 1);
        if (cut < 0)
            cut = full.size();
    }
}

bool Registry::parse(const QByteArray &data, KeyMap &keys, QString &error)
{
    const QString text = decoded(data);
    Key *current = nullptr;
    bool removedKey = false; // values below a "[-...]" line go with the key
    bool sawHeader = false;
    int number = 0;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype stop = text.indexOf(QLatin1Char('\n'), start);
        if (stop < 0)
            stop = text.size();
        const QStringView line = QStringView(text).mid(start, stop - start).trimmed();
        start = stop + 1;
        ++number;
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        const QString where = QStringLiteral("line %1").arg(number);
        if (!sawHeader) {
            if (line != QLatin1String(header) && line != QLatin1String(olderHeader)) {
                error = where + QStringLiteral(": the header is missing");
                return false;
            }
            sawHeader = true;
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']'))) {
                error = where + QStringLiteral(": a key line must end with ']'");
                return false;
            }
            // A blank before "]" belongs to the key's name, as the registry keeps it: trimmed,
            // "[...\\Key ]" would name another key than the one written.
            QStringView inner = line.mid(1, line.size() - 2);
            while (!inner.isEmpty() &&
                   (inner.front() == QLatin1Char(' ') || inner.front() == QLatin1Char('\t')))
                inner = inner.mid(1);
            const bool removal = inner.startsWith(QLatin1Char('-'));
            if (removal)
                inner = inner.mid(1);
            const QString path = normalisedPath(inner.toString());
            const QString rootText = path.section(QLatin1Char('\\'), 0, 0);
            const std::optional<RegRoot> root = rootNamed(rootText);
            if (!root) {
                error = where + QStringLiteral(": unknown root key '%1'").arg(rootText);
                return false;
            }
            const QString full = fullPath(*root, path.section(QLatin1Char('\\'), 1));
            if (removal) {
                const QString lower = full.toLower();
                const QString prefix = lower + QLatin1Char('\\');
                // Keys that start with the path lie together; "Key 2" may lie between "Key"
                // and "Key\Sub", so skip rather than stop.
                for (auto it = keys.lowerBound(lower);
                     it != keys.end() && it.key().startsWith(lower);) {
                    if (it.key() == lower || it.key().startsWith(prefix))
                        it = keys.erase(it);
                    else
                        ++it;
                }
                current = nullptr;
                removedKey = true;
                continue;
            }
            current = &addKey(keys, full);
            removedKey = false;
            continue;
        }
        if (!current) {
            if (removedKey)
                continue;
            error = where + QStringLiteral(": a value outside of any key");
            return false;
        }
        qsizetype pos = 0;
        QString name; // "@" is the key's default value, which has no name
        if (line.startsWith(QLatin1Char('@')))
            pos = 1;
        else if (!readQuoted(line, pos, name)) {
            error = where + QStringLiteral(": expected \"Name\"=value");
            return false;
        }
        skipBlanks(line, pos);
        if (pos >= line.size() || line.at(pos) != QLatin1Char('=')) {
            error = where + QStringLiteral(": expected \"Name\"=value");
            return false;
        }
        ++pos;
        skipBlanks(line, pos);
        const QStringView rest = line.mid(pos);
        RegValue value;
        if (rest.startsWith(QLatin1Char('"'))) {
            if (!readQuoted(line, pos, value.text) || !nothingMore(line, pos)) {
                error = where + QStringLiteral(": a text value must be one quoted string");
                return false;
            }
        } else if (rest.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            pos += 6;
            const qsizetype first = pos;
            while (pos < line.size() && pos - first <= 8 && isxdigit(line.at(pos).toLatin1()))
                ++pos;
            bool ok = false;
            value.type = RegValue::Dword;
            value.dword = line.mid(first, pos - first).toUInt(&ok, 16);
            if (!ok || pos - first > 8 || !nothingMore(line, pos)) {
                error = where + QStringLiteral(": a number must be dword: and eight hex digits");
                return false;
            }
        } else if (rest.startsWith(QLatin1Char('-')) && nothingMore(line, pos + 1)) {
            current->remove(name);
            continue;
        } else {
            error = where + QStringLiteral(": unknown value type");
            return false;
        }
        current->set(name, value);
    }
    if (!sawHeader && !text.trimmed().isEmpty()) {
        error = QStringLiteral("the header is missing");
        return false;
    }
    return true;
}

QByteArray Registry::serialise() const
{
    QString out = QLatin1String(header) + QLatin1String("\n");
    for (const Key &key : m_keys) {
        out += QLatin1String("\n[") + key.path + QLatin1String("]\n");
        for (const Entry &e : key.values) {
            if (e.name.isEmpty())
                out += QLatin1String("@=");
            else
                out += QLatin1Char('"') + escaped(e.name) + QLatin1String("\"=");
            if (e.value.type == RegValue::Text)
                out += QLatin1Char('"') + escaped(e.value.text) + QLatin1Char('"');
            else
                out += QStringLiteral("dword:%1").arg(e.value.dword, 8, 16, QLatin1Char('0'));
            out += QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

} // namespace tolvane
