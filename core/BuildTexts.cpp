#include "core/BuildTexts.h"
#include "core/Product.h"
#include "platform/NativeName.h"
#include "platform/Platform.h"

namespace tolvane::buildtexts {

QString processingText(int n)
{
    if (n > 500)
        return QStringLiteral("...Processing..this may take awhile...");
    if (n >= 250)
        return QStringLiteral("...Processing..this will take a minute...");
    if (n < 100)
        return QStringLiteral("...just a second!...");
    return QString();
}

QString zeroByteQuestion(const QString &path)
{
    return QStringLiteral("File \"") + path.toUpper() + QStringLiteral("\",") +
           QStringLiteral("\rcontains zero bytes of data. The compiler cannot accept this file!") +
           QStringLiteral("\rWould you like to remove the file from the File list?");
}

QString noDestination(const QString &missingFolder)
{
    const QString text = QStringLiteral("No destination directory specified...assuming current!");
    if (missingFolder.isEmpty())
        return text;
    return text + QStringLiteral("\r\"") + missingFolder + QStringLiteral("\" does not exist.");
}

QString buildRunning(const QString &programFolder)
{
    return QStringLiteral("Another build is running in the program folder \"") +
           nativename::display(programFolder) +
           QStringLiteral("\".\rPress Build again when it has finished.");
}

QString recentDirectoryMessage(const QString &currentFolder)
{
    return QStringLiteral("The recent default directory is: ") +
           Platform::folderWithSeparator(currentFolder) +
           QStringLiteral("\rTo save to this directory press the \"Build/Build All\" button again, "
                          "or\rpress the "
                          "\"Tool\" button to select an alternate destination directory!");
}

QString configurationProblem(bool resourceCompiler, const QString &path)
{
    return QStringLiteral(
               "Cannot read the compiler's path information please check settings!\r\r") +
           (resourceCompiler ? QStringLiteral("Brcc32 compiler Path: ")
                             : QStringLiteral("Dcc32 compiler Path: ")) +
           path + QStringLiteral(" ?");
}

QString fileSummary(const SummaryFiles &f, const SummarySizes &z, const QString &totalText,
                    const QString &destinationScriptName)
{
    return product::summaryOwnership() + QLatin1Char('\r') + product::contact() +
           QStringLiteral("\r\r") + QStringLiteral("Script Document:( ") + f.script +
           QStringLiteral(" )  Size = ") + QString::number(z.script) + QStringLiteral(" Bytes") +
           QStringLiteral("\rResource File: ( ") + f.resource + QStringLiteral(" )  Size = ") +
           QString::number(z.resource) + QStringLiteral(" Bytes") +
           QStringLiteral("\rLibrary (DLL): ( ") + f.library + QStringLiteral(" )  Size = ") +
           QString::number(z.library) + QStringLiteral(" Bytes") +
           QStringLiteral("\rDelphi Project file: ( ") + f.project + QStringLiteral(" )  Size = ") +
           QString::number(z.project) + QStringLiteral(" Bytes") +
           QStringLiteral("\rTotal size of project = ") + totalText +
           QStringLiteral("\r\rWould you like to print the contents of ") + destinationScriptName +
           QLatin1Char('?');
}

QString spaceFailure(const QString &destinationFolder, const QString &totalText,
                     const QString &freeText)
{
    QString folder = destinationFolder;
    if (Platform::endsWithSeparator(folder) && folder.size() > 1)
        folder.chop(1);
    return QStringLiteral("Not enough space on target drive ") + folder +
           QStringLiteral(", to move project files!\r Required space for project files = ") +
           totalText + QStringLiteral("\r Available space on target disk = ") + freeText +
           QStringLiteral("\r         . . .Please select another directory. . .");
}

QString moveFailed(const QString &destinationFolder, const QStringList &kept)
{
    return QStringLiteral("Could not move the project files to ") + destinationFolder +
           QStringLiteral(" !\rThese files were kept where they were made:\r") +
           kept.join(QLatin1Char('\r'));
}

QString silentTool(const QString &program, int exitCode)
{
    // The runner reports a killed or crashed tool as 128 plus its signal, as shells do.
    if (exitCode > 128 && exitCode < 128 + 65)
        return QStringLiteral("%1 ended with signal %2 and printed nothing")
            .arg(program)
            .arg(exitCode - 128);
    return QStringLiteral("%1 ended with exit code %2 and printed nothing")
        .arg(program)
        .arg(exitCode);
}

QString credit()
{
    return product::buildCredit();
}

QString ownership()
{
    return product::rightsReserved();
}

QString contact()
{
    return product::contact();
}

} // namespace tolvane::buildtexts
