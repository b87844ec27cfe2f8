#pragma once

#include "core/TextFile.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <QLocale>
#include <QStringList>
#include <functional>

namespace tolvane {

struct ListEntry
{
    QString path;
    bool selected = false;
};

struct ScriptSettings
{
    QString scriptName;
    QString resName;
    int prefixPosition = 0;
    bool fileInfo = false;
    bool autoSort = false;
    QString programFolder;
    bool settingsKeyExists = false;
    QString tempFolder;
    bool unselectedNote = false;
};

// What the progress panel shows for one resource line; the windows apply it and pause.
struct ScriptProgress
{
    int position = 0; // 0-based list position of the entry
    bool barVisible = false;
    QString title;
    int pauseMs = 0;
    int barMaximum = 0;
    QString msg2;
    QString msg3;
    int advance = 1;
};

// Writes the resource script of a build: the banner, the string table, the script name comment
// and one resource line per selected entry.
class ScriptWriter
{
  public:
    using ProgressFn = std::function<void(const ScriptProgress &)>;

    ScriptWriter(Platform &platform, const Clock &clock, const QLocale &locale = QLocale());

    static QString scriptPath(const ScriptSettings &settings);
    // The line of one entry; a quote in the path is doubled so the script still compiles.
    QString resourceLine(const QString &path, const QString &identifier, int selectedCount,
                         bool fileInfo) const;
    QStringList lines(const QList<ListEntry> &entries, const QStringList &stringTable,
                      const ScriptSettings &settings, const ProgressFn &progress = {}) const;
    // Writes the script to scriptPath(); writes nothing when no entry is selected.
    WriteResult write(const QList<ListEntry> &entries, const QStringList &stringTable,
                      const ScriptSettings &settings, const ProgressFn &progress = {}) const;

    static ScriptProgress progressFor(int position, int selectedCount, bool allSelected,
                                      const ScriptSettings &settings);

  private:
    Platform &m_platform;
    const Clock &m_clock;
    QLocale m_locale;
};

} // namespace tolvane
