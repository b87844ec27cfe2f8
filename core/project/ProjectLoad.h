#pragma once

#include <QStringList>

namespace tolvane {

class Platform;

// What opening a project file found, before the list is touched.
struct ProjectOpen
{
    enum Outcome
    {
        Loaded,
        NoData,     // 0 bytes: refused before the list changes
        Missing,    // no such file
        Unreadable, // there, but it cannot be read
        NotText     // it holds a zero byte: not a list of paths, refused whole
    };
    Outcome outcome = Missing;
    // The entries as the list takes them, in file order: a relative line is taken in the project
    // file's folder, where whoever wrote it meant it.
    QStringList entries;
    // The lines as the file holds them, one for each entry; a repair writes these back.
    QStringList lines;
};

// Reading a project for the file list. The load command, a dropped project and the headless
// build share it.
class ProjectLoad
{
  public:
    // Refusals in the order the user hears them: no data first, then a missing file.
    static ProjectOpen open(Platform &platform, const QString &path);
    // The list order: ascending without regard to case; equal texts keep the file's order.
    static QStringList sorted(QStringList entries);
    // A line as the list takes it: an absolute path or an empty line as it is, anything else in
    // folder.
    static QString resolve(const QString &folder, const QString &line);
    // The name a project left with no valid entry is renamed to: its extension becomes ".bck"
    // (a name without one gets it added).
    static QString backupName(const QString &path);
    // The folder part of a path, with its separator.
    static QString folderOf(const QString &path);
};

} // namespace tolvane
