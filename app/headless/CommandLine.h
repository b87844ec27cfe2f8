#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tolvane::headless {

// What `tolvane-build` was asked for. A value left unset comes from the registry file's settings.
struct CommandLine
{
    QStringList inputs; // one project file, or resource files
    QString destination;
    QString registryFile; // empty: the user's own
    bool yes = false;
    bool quiet = false;
    int timeoutMs = 0; // how long a compiler may run; 0: without a limit
    std::optional<bool> scriptsOnly;
    std::optional<QString> scriptName;
    std::optional<QString> libraryName;
    std::optional<QString> resName;
    std::optional<int> prefixPosition; // position in the identifier prefix list
    std::optional<bool> fileInfo;
    std::optional<bool> keepProject;
    std::optional<bool> classes, windowsUnit, dialogs;

    // The inputs are one project file (by its .tpf extension).
    bool isProject() const;
};

struct ParseResult
{
    CommandLine line;
    QString error; // empty when the line is good
    bool helpShown = false;
    bool versionShown = false;
};

// Reads the arguments (the program name first). --help and --version fill in helpText.
ParseResult parseCommandLine(const QStringList &arguments, QString *helpText = nullptr);

// The text of --help: every option, the questions, the exit statuses.
QString helpText();

} // namespace tolvane::headless
