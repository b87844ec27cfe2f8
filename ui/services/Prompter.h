#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

namespace tolvane {

// One modal question or message, as the user sees it.
struct Box
{
    enum Icon
    {
        NoIcon,
        Information,
        Warning,
        Error,
        Question
    };
    enum Button
    {
        Ok = 1,
        Yes = 2,
        No = 4,
        Abort = 8,
        Cancel = 16
    };
    QWidget *owner = nullptr;
    QString caption;
    QString text; // line breaks are single carriage returns, as in the system's texts
    Icon icon = NoIcon;
    int buttons = Ok;
    QPoint position; // top left on the screen; null to centre over the owner
};

struct OpenFilesRequest
{
    QWidget *owner = nullptr;
    QString title;
    QString folder;
    QStringList filters; // "Name (*.x)" with its patterns, one per entry
    // The filter as stored, "Name|patterns|Name|patterns": the dialog shows only the names.
    // When set it takes the place of filters.
    QString filter;
    QString fileName;                     // the file name the dialog starts with
    int filterIndex = 1;                  // 1-based
    bool multiple = true;                 // false: one file only
    std::function<void(int)> typeChanged; // 1-based entry
    std::function<void(const QString &)> folderChanged;
};

struct SaveFileRequest
{
    QWidget *owner = nullptr;
    QString title;
    QString folder;
    QString fileName;
    QStringList filters; // "Name (*.x)", one per entry
};

// A folder to choose: the window caption, the prompt shown over the folders, the start.
struct FolderRequest
{
    QWidget *owner = nullptr;
    QString caption;
    QString prompt;
    QString start;
};

struct OpenFilesResult
{
    bool accepted = false;
    QStringList files;
    int filterIndex = 1;
};

// Every message box and dialog goes through here, so tests can answer them in advance and see
// exactly what was shown.
class Prompter
{
  public:
    virtual ~Prompter() = default;
    // Returns the button pressed.
    virtual Box::Button ask(const Box &box) = 0;
    virtual OpenFilesResult openFiles(const OpenFilesRequest &request) = 0;
    virtual QString chooseFolder(QWidget *owner, const QString &title, const QString &start) = 0;
    // With a prompt of its own; a prompter without one shows the caption alone.
    virtual QString chooseFolder(const FolderRequest &request)
    {
        return chooseFolder(request.owner, request.caption, request.start);
    }
    // The path chosen to save to, nothing when cancelled; asks before an existing file is
    // replaced and adds no extension. A prompter without a save dialog cancels.
    virtual std::optional<QString> saveFile(const SaveFileRequest &request)
    {
        Q_UNUSED(request);
        return std::nullopt;
    }
    virtual std::optional<QColor> chooseColour(QWidget *owner, const QColor &initial) = 0;
    virtual std::optional<QString> inputText(QWidget *owner, const QString &caption,
                                             const QString &prompt, const QString &initial) = 0;

    // The common box: an owner (or none), a caption, a text, an icon and its buttons.
    Box::Button ask(QWidget *owner, const QString &caption, const QString &text, Box::Icon icon,
                    int buttons = Box::Ok);

    // A message dialog is titled by its type.
    static Box dialog(Box::Icon icon, const QString &text, int buttons);
    // A plain message: the application title and OK.
    static Box plain(const QString &text);
    // The shell could not open a file or folder with its program.
    static Box openFailure(const QString &path);
};

// The real dialogs.
class WidgetPrompter : public Prompter
{
  public:
    // Sets up an open dialog as the request describes: its filters (a stored filter shows only
    // its names), the chosen entry, the folder and the file name it starts with.
    static void prepare(QFileDialog &dialog, const OpenFilesRequest &request);
    static QStringList dialogFilters(const OpenFilesRequest &request);

    Box::Button ask(const Box &box) override;
    OpenFilesResult openFiles(const OpenFilesRequest &request) override;
    QString chooseFolder(QWidget *owner, const QString &title, const QString &start) override;
    QString chooseFolder(const FolderRequest &request) override;
    std::optional<QString> saveFile(const SaveFileRequest &request) override;
    std::optional<QColor> chooseColour(QWidget *owner, const QColor &initial) override;
    std::optional<QString> inputText(QWidget *owner, const QString &caption, const QString &prompt,
                                     const QString &initial) override;
};

} // namespace tolvane
