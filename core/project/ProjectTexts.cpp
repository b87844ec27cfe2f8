#include "core/project/ProjectTexts.h"

#include "core/drop/DropRules.h"

namespace tolvane::projecttexts {

namespace {
const QChar cr = QLatin1Char('\r');
const QChar quote = QLatin1Char('"');
} // namespace

QString pleaseWait()
{
    return QStringLiteral("Creating project file...please wait...");
}

QString creatingFile(const QString &entry)
{
    return QStringLiteral("Creating file: ") + entry;
}

QString blankName()
{
    return QStringLiteral("Cannot process file name with blank spaces!");
}

QString dotName(const QString &name)
{
    return QStringLiteral("Cannot create filename: ") + name + cr +
           QStringLiteral("rename the file and try saving again!");
}

QString notCreated(const QString &name)
{
    return QStringLiteral("Could not create project file : ") + name + QLatin1Char('!');
}

QString moveNotStarted()
{
    return QStringLiteral("Error encountered while creating project file!");
}

QString moveFailed()
{
    return QStringLiteral("Could not create project file!");
}

QString created(const QString &name)
{
    return QStringLiteral("Successfully created ") + name + QStringLiteral(".tpf");
}

QString noProjectsFolder()
{
    return QStringLiteral("This option isn't available without the Tolvane projects folder.") + cr +
           QStringLiteral("Select option, [Prompt for Name] to create project file instead!");
}

QString quickSaved(const QString &path)
{
    return QStringLiteral("New project file created in: ") + cr + path;
}

QString replaceQuestion(const QString &fileName)
{
    return fileName + QStringLiteral(" already exists.") + cr +
           QStringLiteral("Do you want to replace it?");
}

QString clearQuestion(const QString &project)
{
    return QStringLiteral("This will clear the currently loaded project file with contents") + cr +
           QStringLiteral("from ") + quote + project + quote + QStringLiteral(" continue?");
}

QString noData(const QString &project)
{
    return QStringLiteral("File ") + quote + DropRules::fileNamePart(project) + quote +
           QStringLiteral(" contains no data !");
}

QString missing(const QString &project)
{
    return QStringLiteral("Cannot open file: ") + project + cr +
           QStringLiteral("the specified file name does not exist in directory!");
}

QString unreadable(const QString &project)
{
    return QStringLiteral("Cannot open file: ") + project + cr +
           QStringLiteral("the file cannot be read!");
}

QString notText(const QString &project)
{
    return QStringLiteral("Cannot open file: ") + project + cr +
           QStringLiteral("it holds a zero byte and is not a project file; nothing was loaded.");
}

QString removing(const QString &shortProject, const QString &entry)
{
    return QStringLiteral("Removing from list: ") + shortProject + QLatin1Char(' ') +
           DropRules::fileNamePart(entry);
}

QString renameFailed(const QString &project)
{
    return QStringLiteral("Could not rename file ") + quote + project + quote;
}

QString renamedToBackup(const QString &project)
{
    return QStringLiteral("The project file: ") + project + quote + cr +
           QStringLiteral("contained no valid links. Changed file's extension to .BCK");
}

QString noValidLinks(const QString &shortProject)
{
    return QStringLiteral("The project file: ") + shortProject + cr +
           QStringLiteral("contains no valid file links, or has become corrupted !");
}

QString someInvalid(const QString &shortProject)
{
    return QStringLiteral("One or more files from: ") + shortProject + QStringLiteral(" \"") + cr +
           QStringLiteral("contained invalid file links which were not added to the current list.");
}

} // namespace tolvane::projecttexts
