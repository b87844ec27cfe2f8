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
    QPushButton *buildButton() const { return m_build; }

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

    Services &m_s;
    ToolWindow *m_tool = nullptr;
    QWidget *m_setup = nullptr;
    StringTableEditor *m_editor = nullptr;
    SearchFilter *m_filter = nullptr;
    FileListModel *m_model = nullptr;
    QListView *m_list = nullptr;
    QStandardItemModel *m_headerModel = nullptr;
    QHeaderView *m_header = nullptr;
    QLabel *m_msg = nullptr;
    QLabel *m_p3 = nullptr;
    TFileLabel *m_label1 = nullptr;
    TFileLabel *m_label2 = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_tools = nullptr, *m_invert = nullptr, *m_selectAll = nullptr, *m_del = nullptr,
                *m_clearAll = nullptr, *m_save = nullptr, *m_paths = nullptr, *m_build = nullptr,
                *m_exit = nullptr;
    QToolButton *m_sx2 = nullptr;
    QLabel *m_clr = nullptr, *m_grn = nullptr, *m_image4 = nullptr, *m_yel = nullptr;
    QFrame *m_panel4 = nullptr, *m_panel2 = nullptr, *m_panel3 = nullptr;
    QLineEdit *m_edit1 = nullptr, *m_edit2 = nullptr, *m_edit3 = nullptr, *m_edit4 = nullptr,
              *m_edit5 = nullptr;
    QLabel *m_label4 = nullptr, *m_fc = nullptr, *m_static2 = nullptr, *m_static3 = nullptr,
           *m_static4 = nullptr, *m_static5 = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_load1 = nullptr, *m_load2 = nullptr, *m_explorer = nullptr, *m_prop = nullptr,
            *m_addTable = nullptr, *m_n4 = nullptr, *m_manual = nullptr;
    ClipPlayer *m_reel = nullptr;
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
};

} // namespace tolvane
