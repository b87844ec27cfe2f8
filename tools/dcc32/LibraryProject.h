#pragma once

#include <QString>
#include <QStringList>

namespace tolvane::tools {

struct ResourceDirective
{
    QString file; // as written in {$R ...}
    int line = 0;
};

struct LibraryProject
{
    QString name;
    QStringList uses;
    QList<ResourceDirective> resources;
};

// Reads a resource-only library project: "library NAME;", an optional uses clause, {$R FILE}
// or (*$R FILE*) directives (FILE plain or quoted, '' for a quote), and an empty "begin end."
// block; comments in braces, (* *) and //. Anything else is an error with its line.
bool parseLibraryProject(const QString &text, LibraryProject &out, int &errorLine, QString &error);

} // namespace tolvane::tools
