#include "settings/SettingsStore.h"

#include <algorithm>

namespace tolvane {

namespace {
QString gotNothing(const QString &name)
{
    return QStringLiteral("Failed to get data for '%1'").arg(name);
}
QString wrongType(const QString &name)
{
    return QStringLiteral("Invalid data type for '%1'").arg(name);
}
QString notSet(const QString &name)
{
    return QStringLiteral("Failed to set data for '%1'").arg(name);
}
bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}
} // namespace

SettingsStore::SettingsStore(Registry &registry) : m_registry(registry) {}

bool SettingsStore::settingsKeyExists()
{
    return m_registry.keyExists(RegRoot::LocalMachine, settingsKeyPath());
}

bool SettingsStore::openSettingsKey(bool create)
{
    if (settingsKeyExists())
        return true;
    return create && createSettingsKey();
}

bool SettingsStore::createSettingsKey(QString *error)
{
    if (m_registry.createKey(RegRoot::LocalMachine, settingsKeyPath()))
        return true;
    return fail(error, QStringLiteral("Failed to create key %1").arg(settingsKeyPath()));
}

namespace {
const QString &nameOf(Setting key)
{
    return SettingsRecord::row(key).name;
}
} // namespace

bool SettingsStore::readText(Setting key, QString &out, QString *error)
{
    const QString &name = nameOf(key);
    const auto v = m_registry.value(RegRoot::LocalMachine, settingsKeyPath(), name);
    if (!v) {
        out.clear();
        return true;
    }
    if (v->type != RegValue::Text)
        return fail(error, wrongType(name));
    out = v->text;
    return true;
}

bool SettingsStore::readNumber(const QString &name, quint32 &out, QString *error)
{
    const auto v = m_registry.value(RegRoot::LocalMachine, settingsKeyPath(), name);
    if (!v)
        return fail(error, gotNothing(name));
    if (v->type != RegValue::Dword)
        return fail(error, wrongType(name));
    out = v->dword;
    return true;
}

bool SettingsStore::readInteger(Setting key, qint32 &out, QString *error)
{
    quint32 n = 0;
    if (!readNumber(nameOf(key), n, error))
        return false;
    out = static_cast<qint32>(n);
    return true;
}

bool SettingsStore::readFlag(Setting key, bool &out, QString *error)
{
    quint32 n = 0;
    if (!readNumber(nameOf(key), n, error))
        return false;
    out = n != 0;
    return true;
}

bool SettingsStore::readColour(Setting key, quint32 &out, QString *error)
{
    return readNumber(nameOf(key), out, error);
}

bool SettingsStore::writeText(Setting key, const QString &value, QString *error)
{
    const QString &name = nameOf(key);
    if (m_registry.setText(RegRoot::LocalMachine, settingsKeyPath(), name, value))
        return true;
    return fail(error, notSet(name));
}

bool SettingsStore::setNumber(const QString &name, quint32 value, QString *error)
{
    if (m_registry.setDword(RegRoot::LocalMachine, settingsKeyPath(), name, value))
        return true;
    return fail(error, notSet(name));
}

bool SettingsStore::writeInteger(Setting key, qint32 value, QString *error)
{
    return setNumber(nameOf(key), static_cast<quint32>(value), error);
}

bool SettingsStore::writeFlag(Setting key, bool value, QString *error)
{
    return writeInteger(key, value ? 1 : 0, error);
}

bool SettingsStore::writeColour(Setting key, quint32 value, QString *error)
{
    return setNumber(nameOf(key), value, error);
}

bool SettingsStore::read(Setting key, QVariant &out, QString *error)
{
    switch (SettingsRecord::row(key).type) {
    case ValueType::Text: {
        QString text;
        if (!readText(key, text, error))
            return false;
        out = text;
        return true;
    }
    case ValueType::Integer: {
        qint32 n = 0;
        if (!readInteger(key, n, error))
            return false;
        out = n;
        return true;
    }
    case ValueType::Flag: {
        bool on = false;
        if (!readFlag(key, on, error))
            return false;
        out = on;
        return true;
    }
    case ValueType::Colour: {
        quint32 c = 0;
        if (!readColour(key, c, error))
            return false;
        out = c;
        return true;
    }
    }
    return false;
}

bool SettingsStore::write(Setting key, const QVariant &value, QString *error)
{
    switch (SettingsRecord::row(key).type) {
    case ValueType::Text:
        return writeText(key, value.toString(), error);
    case ValueType::Integer:
        return writeInteger(key, value.toInt(), error);
    case ValueType::Flag:
        return writeFlag(key, value.toBool(), error);
    case ValueType::Colour:
        return writeColour(key, value.toUInt(), error);
    }
    return false;
}

QString SettingsStore::load(const Sequence &sequence, SettingsTarget &target)
{
    if (!openSettingsKey(false))
        return QString();
    for (const SequenceItem &item : sequence) {
        QString error;
        QVariant value;
        if (!read(item.key, value, &error))
            return error;
        target.apply(item, value);
    }
    return QString();
}

QString SettingsStore::save(const Sequence &sequence, const SettingsTarget &target)
{
    if (!openSettingsKey(false))
        return QString();
    // The whole sequence reaches the file in one write. When that write fails nothing of it is
    // stored, so the failure names the sequence's first value.
    Registry::Batch batch(m_registry);
    const auto stored = [&](const QString &error) {
        return batch.commit() || sequence.isEmpty() ? error : notSet(nameOf(sequence.first().key));
    };
    for (const SequenceItem &item : sequence) {
        QString error;
        if (!write(item.key, target.current(item), &error))
            return stored(error);
    }
    return stored(QString());
}

QStringList SettingsStore::loadHistory()
{
    QStringList entries = m_registry.valueNames(RegRoot::CurrentUser, historyKeyPath());
    // The list is sorted, so the names arrive in text order: n0, n1, n10, n11, n2 ...
    std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (int i = 0; i < entries.size(); ++i) {
        const auto v =
            m_registry.value(RegRoot::CurrentUser, historyKeyPath(), QStringLiteral("n%1").arg(i));
        if (v && v->type == RegValue::Text && !v->text.isEmpty())
            entries[i] = v->text;
    }
    return entries;
}

void SettingsStore::saveHistory(const QStringList &entries)
{
    Registry::Batch batch(m_registry);
    m_registry.deleteKeyTree(RegRoot::CurrentUser, historyKeyPath());
    if (!m_registry.createKey(RegRoot::CurrentUser, historyKeyPath()))
        return;
    for (int i = 0; i < entries.size(); ++i)
        if (!m_registry.setText(RegRoot::CurrentUser, historyKeyPath(),
                                QStringLiteral("n%1").arg(i), entries.at(i)))
            return;
}

bool SettingsStore::removeHistory()
{
    if (!m_registry.keyExists(RegRoot::Users, historyRemovalKeyPath()))
        return false;
    return m_registry.deleteKeyTree(RegRoot::Users, historyRemovalKeyPath());
}

bool SettingsStore::writeMirror(Setting key, const QString &text)
{
    const QString &name = nameOf(key);
    Registry::Batch batch(m_registry);
    if (!m_registry.keyExists(RegRoot::LocalMachine, mirrorKeyPath()) &&
        !m_registry.createKey(RegRoot::LocalMachine, mirrorKeyPath()))
        return false;
    return m_registry.setText(RegRoot::LocalMachine, mirrorKeyPath(), name, text) && batch.commit();
}

bool SettingsStore::removeCompanyKey()
{
    if (!settingsKeyExists())
        return false;
    return m_registry.deleteKeyTree(RegRoot::LocalMachine, companyKeyPath());
}

QString SettingsStore::readTextRaw(RegRoot root, const QString &key, const QString &name)
{
    const auto v = m_registry.value(root, key, name);
    return v && v->type == RegValue::Text ? v->text : QString();
}

QString SettingsStore::systemRoot()
{
    return readTextRaw(RegRoot::LocalMachine,
                       QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
                       QStringLiteral("SystemRoot"));
}

QString SettingsStore::bootFolder()
{
    return readTextRaw(RegRoot::LocalMachine,
                       QStringLiteral("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup\\"),
                       QStringLiteral("WinBootDir"));
}

QString SettingsStore::delphiRoot(int version)
{
    return readTextRaw(RegRoot::LocalMachine,
                       QStringLiteral("\\SOFTWARE\\Borland\\Delphi\\%1.0").arg(version),
                       QStringLiteral("RootDir"));
}

} // namespace tolvane
