#pragma once

#include <QString>

namespace tolvane {

// The texts that saving and loading a project show; line breaks are single carriage returns.
namespace projecttexts {

// Saving.
QString pleaseWait();
QString creatingFile(const QString &entry);
QString blankName();
QString dotName(const QString &name);
QString notCreated(const QString &name);
QString moveNotStarted();
QString moveFailed();
QString created(const QString &name);
QString noProjectsFolder();
QString quickSaved(const QString &path);
QString replaceQuestion(const QString &fileName);

// Loading.
QString clearQuestion(const QString &project);
QString noData(const QString &project);
QString missing(const QString &project);
QString unreadable(const QString &project);
QString notText(const QString &project);
QString removing(const QString &shortProject, const QString &entry);
QString renameFailed(const QString &project);
QString renamedToBackup(const QString &project);
QString noValidLinks(const QString &shortProject);
QString someInvalid(const QString &shortProject);

} // namespace projecttexts

} // namespace tolvane
