#pragma once

#include <QString>

namespace tolvane {

// The files of one build: where they are made and where they go.
struct OutputNames
{
    QString workingScript;
    QString workingResource;
    QString workingProject;
    QString workingLibrary;
    QString destinationScript;
    QString destinationResource;
    QString destinationProject;
    QString destinationLibrary;
    QString printCopy;
    QString destinationFolder;

    static OutputNames form(const QString &programFolder, const QString &tempFolder,
                            const QString &destination, const QString &scriptName,
                            const QString &libraryName, bool settingsKeyExists);
};

} // namespace tolvane
