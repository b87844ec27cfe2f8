#pragma once

#include "platform/Platform.h"

namespace tolvane {

// The desktop Linux side of every operating-system operation.
class LinuxPlatform : public Platform
{
  public:
    int runTool(const QString &program, const QStringList &arguments, QString *output,
                const QString &workingFolder = QString()) override;
    bool printFile(const QString &path) override;
    bool openFile(const QString &path) override;
    bool openFolder(const QString &path) override;
    bool showProperties(const QString &path) override;
    std::optional<qint64> freeSpace(const QString &path) override;
    qint64 fileSize(const QString &path) override;
    QString shortPath(const QString &path) override;
    QString driveRoot(const QString &folder) override;
    QString tempFolder() override;
    QString windowsFolder() override;
    QString systemFontsFolder() override;
    QString currentFolder() override;
    bool fileExists(const QString &path) override;
    bool folderExists(const QString &path) override;
    bool createFolder(const QString &path) override;
    QString writeFile(const QString &path, const QByteArray &data) override;
    QString resolvedPath(const QString &path) override;
    bool isLink(const QString &path) override;
    bool removeFile(const QString &path) override;
    bool renameFile(const QString &from, const QString &to) override;
    bool replaceFile(const QString &from, const QString &to) override;
    bool removeFolderTree(const QString &path) override;
    CopyResult copyFile(const QString &from, const QString &to) override;
    FolderListing listFolder(const QString &folder) override;
    QString canonicalFolder(const QString &folder) override;
    QStringList moveFiles(const QStringList &sources, const QString &destinationFolder) override;
    qint64 tickCount() override;
    QString toolchainFolder() override;
    QString homeFolder() override;
    std::unique_ptr<Lock> lockFolder(const QString &folder, LockState *state) override;
    std::optional<qint64> blockSize(const QString &folder) override;

    // Added for the project files and the drop.
    PathState pathState(const QString &path) override;
    std::optional<QByteArray> readFile(const QString &path) override;
    Claim claimFile(const QString &path) override;

    // The toolchain folder that comes with a program started from programFolder; empty when none.
    static QString toolchainFolderBeside(const QString &programFolder);
};

} // namespace tolvane
