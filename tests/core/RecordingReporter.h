#pragma once

#include "core/FileList.h"
#include "core/project/ListReporter.h"
#include "core/project/ProjectSaveSequence.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

namespace tolvane::test {

// The windows as the drop and the project load see them, kept in memory: the list stays sorted,
// every message and command is recorded, answers are queued in advance (OK when none is left).
class RecordingReporter : public ListReporter
{
  public:
    int ask(const Message &message) override
    {
        messages << message;
        return answers.isEmpty() ? int(Message::Ok) : answers.dequeue();
    }
    void pause(int) override {}
    bool frameDue() override { return false; }
    void showFrame() override {}

    QStringList entries() const override { return list; }
    int selectedCount() const override { return int(selected.size()); }
    void addEntries(const QStringList &paths) override
    {
        for (const QString &p : paths)
            list.insert(FileList::insertPosition(list, p), p);
    }
    void replaceEntries(const QStringList &paths) override
    {
        list.clear();
        selected.clear();
        addEntries(paths);
    }
    void removeRows(const QList<int> &rows) override
    {
        for (int i = int(rows.size()) - 1; i >= 0; --i)
            list.removeAt(rows.at(i));
        selected.clear();
    }
    void selectFirst() override { commands << "selectFirst"; }
    void selectAll() override
    {
        commands << "selectAll";
        selected = list;
        if (onSelectAll)
            onSelectAll(*this);
    }
    void clearAll() override
    {
        commands << "clearAll";
        list.clear();
        selected.clear();
    }
    void build() override { commands << "build"; }
    bool clearItemsEnabled() const override { return clearItems; }
    void disableListButtons() override { commands << "buttonsOff"; }

    int dropFilter() const override { return filter; }
    QString dropFilterMask() const override { return filter == 0 ? "(*.*)" : "(*.k)"; }
    void setDropFilter(int position) override { filter = position; }
    void rememberFilter(int position) override { remembered = position; }
    bool executeOnLoad() const override { return execute; }
    void setExecuteOnLoad(bool on) override { execute = on; }
    bool repairProjects() const override { return repair; }
    bool recurse() const override { return recursing; }
    bool soundsOn() const override { return false; }
    QString destination() const override { return destinationFolder; }
    QString programFolder() const override { return program; }
    bool settingsKeyExists() const override { return keyExists; }

    void repaint() override {}
    void setHeader(int section, const QString &text) override { headers[section] = text; }
    void setCaption(const QString &text) override { caption = text; }
    void setIdentity(const QString &title, const QString &) override { taskbar = title; }
    void setTaskbarTitle(const QString &title) override { taskbar = title; }
    void setBusyCursor(bool) override {}
    void playSound(const QString &) override {}
    void setScanPanel(bool) override {}
    void scanning(const QString &, const QString &) override {}
    void setRemovalPanel(bool) override {}
    void setRemovalText(const QString &text) override
    {
        if (!text.isEmpty())
            removalTexts << text;
    }
    void dropStarted() override {}
    void pathStarted() override {}
    void copyAnimation() override {}
    TextOption askTextOption(const QString &) override { return textOption; }
    void setTextOptionCaption(const QString &) override {}
    bool print(const QString &) override { return true; }
    void hideWindows() override {}
    void showWindowsAgain() override {}
    void showBuildProgress() override { commands << "progress"; }
    void projectChosen(const QString &) override {}
    void projectLoaded(const QString &path, const QString &) override { loaded = path; }

    // The texts of the messages shown, in order.
    QStringList texts() const
    {
        QStringList out;
        for (const Message &m : messages)
            out << m.text;
        return out;
    }
    QList<Message::Id> ids() const
    {
        QList<Message::Id> out;
        for (const Message &m : messages)
            out << m.id;
        return out;
    }

    QStringList list;
    QStringList selected;
    QList<Message> messages;
    QQueue<int> answers;
    QStringList commands;
    QStringList removalTexts;
    QString headers[2];
    QString caption;
    QString taskbar;
    QString loaded;
    int filter = 0;
    int remembered = -1;
    bool execute = false;
    bool repair = false;
    bool recursing = false;
    bool clearItems = false;
    bool keyExists = false;
    QString destinationFolder;
    QString program;
    TextOption textOption = TextOption::None;
    // What "Select All" does besides selecting, as the zero-byte check's removal would.
    std::function<void(RecordingReporter &)> onSelectAll;
};

// The main window as a save sees it.
class RecordingSaver : public SaveReporter
{
  public:
    int ask(const Message &message) override
    {
        messages << message;
        return answers.isEmpty() ? int(Message::Ok) : answers.dequeue();
    }
    void pause(int) override {}
    std::optional<QString> chooseFile() override { return chosen; }
    QStringList selectedEntries() const override { return entries; }
    QString programFolder() const override { return program; }
    bool settingsKeyExists() const override { return keyExists; }
    void progress(int done, int total, const QString &entry) override
    {
        steps << QStringLiteral("%1/%2 %3").arg(done).arg(total).arg(entry);
    }
    void restoreList() override {}
    void setLoadFolder(const QString &folder) override { loadFolder = folder; }

    QList<Message> messages;
    QQueue<int> answers;
    std::optional<QString> chosen;
    QStringList entries;
    QString program;
    bool keyExists = true;
    QStringList steps;
    QString loadFolder;
};

} // namespace tolvane::test
