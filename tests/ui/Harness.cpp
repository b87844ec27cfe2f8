#include "Harness.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace tolvane::test {

bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

Box::Button ScriptedPrompter::ask(const Box &box)
{
    boxes << box;
    if (onAsk)
        onAsk(box);
    if (!answers.isEmpty())
        return answers.dequeue();
    for (Box::Button b : {Box::Ok, Box::No, Box::Abort, Box::Cancel, Box::Yes})
        if (box.buttons & b)
            return b;
    return Box::Ok;
}

OpenFilesResult ScriptedPrompter::openFiles(const OpenFilesRequest &request)
{
    lastRequest = request;
    while (!typeChanges.isEmpty())
        request.typeChanged(typeChanges.dequeue());
    while (!folderVisits.isEmpty())
        request.folderChanged(folderVisits.dequeue());
    if (files.isEmpty())
        return {false, {}, request.filterIndex};
    return files.dequeue();
}

QString ScriptedPrompter::chooseFolder(QWidget *, const QString &title, const QString &)
{
    folderCaptions << title;
    return folders.isEmpty() ? QString() : folders.dequeue();
}

QString ScriptedPrompter::chooseFolder(const FolderRequest &request)
{
    folderRequests << request;
    return chooseFolder(request.owner, request.caption, request.start);
}

std::optional<QString> ScriptedPrompter::saveFile(const SaveFileRequest &request)
{
    saveRequests << request;
    return saves.isEmpty() ? std::nullopt : saves.dequeue();
}

std::optional<QColor> ScriptedPrompter::chooseColour(QWidget *, const QColor &)
{
    return colours.isEmpty() ? std::nullopt : colours.dequeue();
}

std::optional<QString> ScriptedPrompter::inputText(QWidget *, const QString &caption,
                                                   const QString &prompt, const QString &)
{
    inputPrompts << caption + QLatin1Char('|') + prompt;
    return inputs.isEmpty() ? std::nullopt : inputs.dequeue();
}

bool dropFiles(QWidget &target, const QStringList &paths)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls << QUrl::fromLocalFile(p);
    mime.setUrls(urls);
    const QPoint at = target.rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
    QDropEvent drop(QPointF(at), actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    if (!drop.isAccepted())
        return false;
    QApplication::processEvents();
    return true;
}

Harness::Harness()
    : registry(dir.filePath(QStringLiteral("registry.reg"))), settings(registry),
      clock(QDateTime(QDate(2026, 12, 8), QTime(10, 0))), services{platform, settings, prompter,
                                                                   pacer,    sound,    taskbar,
                                                                   clock,    strings}
{
    platform.current = dir.path();
}

Harness::~Harness()
{
    windows.reset();
}

void Harness::setUp(const QList<QPair<QString, QVariant>> &values)
{
    Registry::Batch batch(registry); // one write of the file, as setup's own sequence makes
    settings.createSettingsKey();
    // By the names a settings file holds, as setup and a hand-edited file would write them.
    const QString key = SettingsStore::settingsKeyPath();
    for (const auto &v : values) {
        if (v.second.typeId() == QMetaType::QString)
            registry.setText(RegRoot::LocalMachine, key, v.first, v.second.toString());
        else if (v.second.typeId() == QMetaType::UInt)
            registry.setDword(RegRoot::LocalMachine, key, v.first, v.second.toUInt());
        else
            registry.setDword(RegRoot::LocalMachine, key, v.first, quint32(v.second.toInt()));
    }
}

void Harness::setUpFresh(const QString &programFolder, const QList<QPair<QString, QVariant>> &extra)
{
    QList<QPair<QString, QVariant>> v;
    for (const SettingRow &row : SettingsRecord::rows()) {
        QVariant value = row.fresh;
        if (!value.isValid())
            value = row.type == ValueType::Text ? QVariant(QString()) : QVariant(0);
        if (row.type == ValueType::Flag)
            value = value.toBool() ? 1 : 0;
        if (row.type == ValueType::Colour)
            value = value.toUInt();
        v << qMakePair(row.name, value);
    }
    v << qMakePair(QStringLiteral("Program Folder"), QVariant(programFolder)) << extra;
    setUp(v);
}

void Harness::createWindows()
{
    windows = std::make_unique<Windows>(services);
}

QString Harness::file(const QString &name, int size)
{
    const QString p = dir.filePath(name);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    f.open(QIODevice::WriteOnly);
    f.write(QByteArray(size, 'x'));
    return p;
}

} // namespace tolvane::test
