#pragma once

#include "settings/SettingsStore.h"
#include "ui/services/Services.h"

#include <QWidget>
#include <memory>

class QHeaderView;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QProgressBar;
class QPushButton;
class QStandardItemModel;
class QToolButton;
class QFrame;

namespace tolvane {

class ClipPlayer;
class FileListModel;
class TFileLabel;
class ToolWindow;
class StringTableEditor;
class SearchFilter;
class SettingsBinder;
class TextCopier;

// The program's home: the file list with its buttons, the status line, the lamps and the hidden
// holders of the compiler paths and recent folders.
class MainWindow : public QWidget, public SettingsTarget
{
    Q_OBJECT

  public:
    explicit MainWindow(Services &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The other windows, handed over once all exist.
    void connectWindows(ToolWindow *tool, QWidget *setup, StringTableEditor *editor,
                        SearchFilter *filter);
    // Reads the settings when the key exists, or centres the window on a fresh installation.
    void start();

    // The file list.
    FileListModel &list() { return *m_model; }
    QListView *listView() const { return m_list; }
    int selectedCount() const;
    QList<int> selectedRows() const;
    bool isSelected(int row) const;
    void setSelected(int row, bool on);
    void selectRows(const QList<int> &rows);
    // Adds a file unless the list holds it already (compared without regard to case).
    bool addFile(const QString &path);
    QString headerText(int section) const;
    void setHeaderText(int section, const QString &text);
    QString counter() const;
    void refreshListState();
    void updateResIdBanner();
    // The single resource name field shows while at most one entry is selected.
    void updateResNameVisibility();
    QString statusText() const;

    // Hidden holders.
    QString compiler1() const;
    QString compiler2() const;
    QString programFolder() const;
    QString recentAddFolder() const;
    QString recentProjectFolder() const;
    void setRecentAddFolder(const QString &folder);
    void setRecentProjectFolder(const QString &folder);
    QString tempFolder() const;
    QString manualPath() const;
    // Which add-files filter entry is chosen (1-based); the drop filter follows it.
    int addFilterIndex() const { return m_addFilterIndex; }
    void setAddFilterIndex(int index) { m_addFilterIndex = index; }
    void setExecuteLamp(bool on);
    void setRecurseLamp(bool on);
    bool highColour() const { return m_highColour; }
    QPushButton *buildButton() const { return m_buildButton; }

    // Run values the build reads: the last file chosen in the add-files dialog (or project
    // loaded), whether files were dropped, and a drop filter put aside while a project was dropped.
    QString lastAddedPath() const { return m_lastAdded; }
    void setLastAddedPath(const QString &path) { m_lastAdded = path; }
    bool dropFlag() const { return m_dropped; }
    void setDropFlag(bool dropped) { m_dropped = dropped; }
    QString rememberedFilter() const { return m_rememberedFilter; }
    void setRememberedFilter(const QString &index) { m_rememberedFilter = index; }
    void hideResIdBanner();
    void setFilterButtonEnabled(bool enabled);
    // What a failed resource compile leaves: an empty list whose buttons are off.
    void resetAfterResourceError();
    void removeUnselected();

    // Loads a project file into the list (the question when the list holds entries, the
    // refusals, execute on load, the sweep of missing entries with its report and repair).
    // False when the list was left as it was.
    bool loadProject(const QString &path);

    // Tooltip display time that the hints set for the whole application.
    int toolTipDisplayTime() const { return m_toolTipTime; }

    // SettingsTarget
    void apply(const SequenceItem &item, const QVariant &value) override;
    QVariant current(const SequenceItem &item) const override;

    static QStringList addFilters();
    static QString addFilterText();

    // Paths dropped from another program, handled in the order they came.
    void dropPaths(const QStringList &paths);
    // The folder scan: adds the files of a folder that pass the drop filter, and those of its
    // sub-folders when the tool window asks for them.
    void findFiles(const QString &folder);
    void setTextCopier(TextCopier *copier) { m_textCopier = copier; }
    // Flags the drops keep for the run: the last duplicate test found one; a text file was
    // handled.
    bool duplicateShown() const;
    bool textHandled() const;

  public slots:
    void selectAll();
    void invertSelection();
    void clearItems();
    void clearAll();
    void showTools();
    void openPaths();
    void exitProgram();
    void openExplorer();
    void openManual();
    void insertStringTable();
    void addFiles();
    void showProperties();
    void openSearchFilter();
    void build();
    // "Save &List...": the selected entries as a project file.
    void saveList();
    // "&Load Projects Files...": the load dialog, then loadProject.
    void loadProjectFile();

  signals:
    void buildRequested();
    void pathsRequested();
    // The window closed: the program ends.
    void exitRequested();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

  private:
    class Drop;
    Drop &drop();
    class Save;

    void buildLayout();
    void buildMenu();
    void hover(QObject *watched);
    void setHint(const QString &text);
    void setToolTipTime(QWidget *w, int ms);
    bool hintsOn() const;
    void playClick();
    bool askClearStringTable();
    void listReleased();
    void listClicked();
    void setListButtonsDisabled();
    void mirror(const QString &name, const QString &text);
    SettingsBinder binder() const;
    // Project files (MainWindowProject.cpp).
    void buildProjectParts();
    void showListAgain();

    Services &m_s;
    ToolWindow *m_tool = nullptr;
    QWidget *m_setup = nullptr;
    StringTableEditor *m_editor = nullptr;
    bool m_editorPlaced = false;
    SearchFilter *m_filter = nullptr;
    FileListModel *m_model = nullptr;
    QListView *m_list = nullptr;
    QStandardItemModel *m_headerModel = nullptr;
    QHeaderView *m_header = nullptr;
    QLabel *m_statusLine = nullptr;            // MSG
    QLabel *m_listCaption = nullptr;           // P3, "File list:"
    TFileLabel *m_leftProgressText = nullptr;  // Label1
    TFileLabel *m_rightProgressText = nullptr; // Label2
    QProgressBar *m_progressBar = nullptr;     // Bar1
    QPushButton *m_selectAllButton = nullptr;  // SP1
    QPushButton *m_invertButton = nullptr;     // SP2
    QPushButton *m_clearItemsButton = nullptr; // DEL
    QPushButton *m_clearAllButton = nullptr;   // Button4
    QPushButton *m_saveListButton = nullptr;   // Save1
    QPushButton *m_toolsButton = nullptr;      // Sp4
    QPushButton *m_pathsButton = nullptr;      // Button1
    QPushButton *m_buildButton = nullptr;      // Button2
    QPushButton *m_exitButton = nullptr;       // Button3
    QToolButton *m_filterButton = nullptr;     // SX2
    QLabel *m_executeOffLamp = nullptr;        // CLR
    QLabel *m_executeOnLamp = nullptr;         // GRN
    QLabel *m_recurseOffLamp = nullptr;        // Image4
    QLabel *m_recurseOnLamp = nullptr;         // YEL
    QFrame *m_resIdBanner = nullptr;           // Panel4
    QFrame *m_removalPanel = nullptr;          // Panel2
    QFrame *m_scanPanel = nullptr;             // Panel3
    // Hidden holders of values that the other windows read.
    QLineEdit *m_resourceCompilerPath = nullptr; // Edit1
    QLineEdit *m_libraryCompilerPath = nullptr;  // Edit2
    QLineEdit *m_programFolder = nullptr;        // Edit3
    QLineEdit *m_recentAddFolder = nullptr;      // Edit4
    QLineEdit *m_recentProjectFolder = nullptr;  // Edit5
    QLabel *m_tempFolder = nullptr;              // Label4
    QLabel *m_listCounter = nullptr;             // Fc
    // StaticText2 and StaticText3: emptied when entries are cleared, filled by nothing else.
    QLabel *m_spareText2 = nullptr, *m_spareText3 = nullptr;
    QLabel *m_lastChosenFolder = nullptr;    // StaticText4
    QLabel *m_lastChosenShortPath = nullptr; // StaticText5
    QMenu *m_listMenu = nullptr;             // PM1
    QAction *m_addFilesAction = nullptr;     // Load1
    QAction *m_loadProjectsAction = nullptr; // Load2
    QAction *m_explorerAction = nullptr;     // Explorer1
    QAction *m_propertiesAction = nullptr;   // Prop1
    QAction *m_stringTableAction = nullptr;  // AddStringTable1
    QAction *m_manualSeparator = nullptr;    // N4
    QAction *m_manualAction = nullptr;       // Manual1
    ClipPlayer *m_scanClip = nullptr;
    bool m_highColour = true;
    bool m_saveTipOff = false;
    bool m_building = false;
    int m_toolTipTime = 5000;
    int m_addFilterIndex = 1;
    QString m_addDialogName;
    QString m_lastAdded;
    QString m_rememberedFilter;
    bool m_dropped = false;
    QString m_saveDialogName;
    std::shared_ptr<Drop> m_drop;
    TextCopier *m_textCopier = nullptr;
    QLabel *m_listPanel = nullptr;           // behind the list, shows while it is hidden
    TFileLabel *m_removalPathText = nullptr; // StaticText6
    QString m_loadDialogFolder;
};

} // namespace tolvane
