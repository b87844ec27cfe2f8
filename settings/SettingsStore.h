#pragma once

#include "platform/Registry.h"
#include "settings/SettingsRecord.h"

#include <QStringList>
#include <QVariant>

namespace tolvane {

// Where a sequence takes values from and puts them: the windows implement it over their controls.
class SettingsTarget
{
  public:
    virtual ~SettingsTarget() = default;
    virtual void apply(const SequenceItem &item, const QVariant &value) = 0;
    virtual QVariant current(const SequenceItem &item) const = 0;
};

// The program's settings on top of the registry layer: the settings key and its typed values,
// the destination history, the mirror of the recent folders, the Windows and compiler readings
// and the removal of the program's keys.
class SettingsStore
{
  public:
    explicit SettingsStore(Registry &registry);

    static QString settingsKeyPath() { return QStringLiteral("\\SOFTWARE\\Kelvadore\\Tolvane"); }
    static QString companyKeyPath() { return QStringLiteral("\\SOFTWARE\\Kelvadore"); }
    static QString mirrorKeyPath()
    {
        return QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Tolvane");
    }
    static QString historyKeyPath() { return QStringLiteral("Tolvane\\History"); }
    static QString historyRemovalKeyPath() { return QStringLiteral(".Default\\Tolvane"); }

    Registry &registry() { return m_registry; }

    // Asked afresh every time: its answer is the set-up state.
    bool settingsKeyExists();
    // With create set a missing key is made; false when the key cannot be had.
    bool openSettingsKey(bool create);
    // Error texts: "Failed to create key <path>".
    bool createSettingsKey(QString *error = nullptr);

    // Values by their row of the settings record. A missing text reads as empty; a number where
    // text is expected is a type error.
    bool readText(Setting key, QString &out, QString *error = nullptr);
    // "Failed to get data for '<name>'" when missing, "Invalid data type for '<name>'" when not a
    // number.
    bool readInteger(Setting key, qint32 &out, QString *error = nullptr);
    bool readFlag(Setting key, bool &out, QString *error = nullptr);
    bool readColour(Setting key, quint32 &out, QString *error = nullptr);
    // "Failed to set data for '<name>'".
    bool writeText(Setting key, const QString &value, QString *error = nullptr);
    bool writeInteger(Setting key, qint32 value, QString *error = nullptr);
    bool writeFlag(Setting key, bool value, QString *error = nullptr);
    bool writeColour(Setting key, quint32 value, QString *error = nullptr);
    // The value in the form of its type: a text, an integer, a flag or a colour value.
    bool read(Setting key, QVariant &out, QString *error = nullptr);
    bool write(Setting key, const QVariant &value, QString *error = nullptr);

    // Reads the sequence's values into the target in order. Stops at the first value that cannot
    // be read and returns its error text; empty when all went in. Nothing happens without the key.
    QString load(const Sequence &sequence, SettingsTarget &target);
    // Writes the target's values in order; stops at the first failure and returns its text.
    QString save(const Sequence &sequence, const SettingsTarget &target);

    // Destination history under the current user: n0, n1, ... Errors are swallowed.
    QStringList loadHistory();
    void saveHistory(const QStringList &entries);
    bool removeHistory();

    // Copy of a recent folder (RecentAddFolder or RecentProjectFolder) outside the settings key,
    // under the same name. False when it cannot be written.
    bool writeMirror(Setting key, const QString &text);

    // Uninstall: the company key tree when the settings key exists.
    bool removeCompanyKey();

    // Readings of Windows and of compiler installations; empty when missing.
    QString systemRoot();
    QString bootFolder();
    QString delphiRoot(int version);

  private:
    bool readNumber(const QString &name, quint32 &out, QString *error);
    bool setNumber(const QString &name, quint32 value, QString *error);
    QString readTextRaw(RegRoot root, const QString &key, const QString &name);

    Registry &m_registry;
};

} // namespace tolvane
