#pragma once

#include "core/TextFile.h"

#include <QStringList>

namespace tolvane {

struct LibrarySettings
{
    QString libraryName;
    QString scriptName;
    bool classes = true;
    bool windows = true;
    bool dialogs = false;
    QString programFolder;
};

// The resource-only library project that links the compiled script.
class LibraryProjectWriter
{
  public:
    static QString projectPath(const LibrarySettings &settings);
    static QString usesClause(const LibrarySettings &settings);
    static QStringList lines(const LibrarySettings &settings);
    // {$R NAME.RES} for the script's compiled resources, quoted where the name needs it.
    static QString resourceDirective(const QString &scriptName);
    // The script name upper-cased so that the library compiler still finds the file.
    static QString upperFileName(const QString &name);
    static WriteResult write(Platform &platform, const LibrarySettings &settings);
};

} // namespace tolvane
