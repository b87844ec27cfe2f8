#pragma once

#include "settings/SettingsStore.h"
#include "ui/services/Services.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tolvane {

class ProgressPanel;
class TFileLabel;
class MainWindow;
class SettingsBinder;
class StringTableEditor;

// The settings window and, during a build, its progress display. Its controls are the live values
// of the settings; the other windows read them through the accessors below.
class ToolWindow : public QWidget, public SettingsTarget
{
    Q_OBJECT

  public:
    ToolWindow(Services &services, MainWindow &main, QWidget *parent = nullptr);
    void setEditor(StringTableEditor *editor) { m_editor = editor; }
    // Controls of the setup wizard that "Window color" resets to the button face on a right press.
    void setWizardTargets(const QList<QWidget *> &targets) { m_wizardTargets = targets; }
    // Loads the settings when the key exists, or takes the first-run state.
    void start();

    QString scriptName() const;
    void setScriptName(const QString &name);
    QString libraryName() const;
    void setLibraryName(const QString &name);
    QString resName() const;
    void setResName(const QString &name);
    void setResNameVisible(bool visible);
    bool resNameVisible() const;
    int prefixPosition() const;
    void setPrefixPosition(int position);
    QString destination() const;
    QStringList destinationEntries() const;
    void setSingleDestination(const QString &folder);
    // Selects a folder of the destination list, adding it when it is not there yet.
    void chooseDestination(const QString &folder);
    int dropFilterPosition() const;
    void setDropFilterPosition(int position);
    QString dropFilterMask();
    static QStringList dropFilters();

    bool hintsOn() const;
    bool soundsOn() const;
    bool executeOnLoad() const;
    void setExecuteOnLoad(bool on);
    bool recurse() const;
    bool scriptsOnly() const;
    bool autoSort() const;
    bool fileInfo() const;
    bool hideOnBuild() const;
    bool summary() const;
    bool keepProject() const;
    bool repairProjects() const;
    bool classes() const;
    bool windowsUnit() const;
    bool dialogs() const;
    bool promptedSave() const;
    bool quickSave() const;
    bool saveModesDiffer() const;
    void setQuickSaveEnabled(bool enabled);
    void setManualEnabled(bool enabled);
    void setDiskLabel(const QString &text);
    QString diskLabel() const;
    QColor entryBackground() const;
    QColor entryText() const;

    // Shown by the main window's Tools button with the options panel.
    void showOptions();
    // Saves (with a settings key) and hides; false when a value could not be written.
    bool closeWindow();
    int toolTipDisplayTime() const { return m_toolTipTime; }
    QString hintLine() const;

    // The progress panel, driven by the build.
    ProgressPanel &progress() const { return *m_progress; }
    QWidget *optionsPanel() const { return m_panel1; }
    QPushButton *closeButton() const { return m_closeButton; }

    // SettingsTarget
    void apply(const SequenceItem &item, const QVariant &value) override;
    QVariant current(const SequenceItem &item) const override;

    // Colour values of the settings: 0x00BBGGRR or the system flag plus an index.
    static QColor colourFrom(quint32 value, const QPalette &palette);
    static quint32 colourValue(const QColor &colour);

  signals:
    void closed();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

  private:
    void buildLayout();
    void connectReactions();
    void hover(QObject *watched);
    void hint(const QString &text, bool always = false);
    void setToolTipTime(QWidget *w, int ms);
    void checkScriptName();
    void checkLibraryName();
    void checkResName();
    void destinationChosen();
    void browse();
    void openDestination();
    void removeAll();
    void colourButton(int which, bool rightPress);
    void openManual(bool rightPress, bool fromHelpArea);
    void setColours(QWidget *w, const QColor *background, const QColor *text, quint32 bgValue,
                    quint32 fgValue);
    void addDestination(const QString &folder, bool select);
    QList<QWidget *> colourTargets() const;
    SettingsBinder binder() const;
    QWidget *targetNamed(const QString &name) const;
    bool keyExists() const;
    QString manualPath() const;

    Services &m_s;
    MainWindow &m_main;
    StringTableEditor *m_editor = nullptr;
    QList<QWidget *> m_wizardTargets;
    QLabel *m_scriptNameCaption = nullptr;  // Label1
    QLabel *m_resNameHelp = nullptr;        // Label2
    QLabel *m_destinationCaption = nullptr; // Label3
    QLabel *m_diskLabel = nullptr;          // Label9
    QLabel *m_dropFilterCaption = nullptr;  // Label12
    QLabel *m_unitsCaption = nullptr;       // Label8
    QLabel *m_reservedWordsNote = nullptr;  // Label6
    QLabel *m_compilingPicture = nullptr;   // Image1
    QLabel *m_recurseOnPicture = nullptr;   // Image2
    QLabel *m_recurseOffPicture = nullptr;  // Image4
    QLabel *m_logo = nullptr;               // Logo2
    QLabel *m_windowCaption = nullptr;      // "Tool Window" at the bottom left
    QLabel *m_clr = nullptr, *m_panel2 = nullptr;
    TFileLabel *m_hintLine = nullptr;   // Label4
    QLineEdit *m_scriptName = nullptr;  // Edit1
    QLineEdit *m_libraryName = nullptr; // Edit3
    QLineEdit *m_resName = nullptr;     // Edit4
    QFrame *m_panel3 = nullptr;
    QWidget *m_panel1 = nullptr;
    QComboBox *m_prefixList = nullptr;            // Idx1
    QComboBox *m_destinationList = nullptr;       // Edit2
    QComboBox *m_dropFilterList = nullptr;        // ResBox
    QToolButton *m_browseButton = nullptr;        // Spx
    QCheckBox *m_fileInfoBox = nullptr;           // Cx8
    QCheckBox *m_soundsBox = nullptr;             // Cx11
    QCheckBox *m_executeOnLoadBox = nullptr;      // Dx1
    QCheckBox *m_repairBox = nullptr;             // Cx14
    QCheckBox *m_autoSortBox = nullptr;           // AutoX
    QCheckBox *m_keepProjectBox = nullptr;        // Cx12
    QCheckBox *m_summaryBox = nullptr;            // Cx13
    QCheckBox *m_scriptsOnlyBox = nullptr;        // Cx10
    QCheckBox *m_hintsBox = nullptr;              // Cx6
    QCheckBox *m_hideOnBuildBox = nullptr;        // Rx2
    QCheckBox *m_recurseBox = nullptr;            // Rfx
    QCheckBox *m_classesBox = nullptr;            // Cx1
    QCheckBox *m_windowsUnitBox = nullptr;        // Cx2
    QCheckBox *m_dialogsBox = nullptr;            // Cx3
    QRadioButton *m_promptedSaveButton = nullptr; // Rad1
    QRadioButton *m_quickSaveButton = nullptr;    // Rad2
    QGroupBox *m_scriptGroup = nullptr, *m_saveGroup = nullptr, *m_colourGroup = nullptr;
    QGroupBox *m_unitsGroup = nullptr;             // Units
    QGroupBox *m_optionsGroup = nullptr;           // OptionsGroup
    QPushButton *m_hintBackgroundButton = nullptr; // Hbx2
    QPushButton *m_hintTextButton = nullptr;       // Hbx3
    QPushButton *m_windowColourButton = nullptr;   // SpeedButton1
    QPushButton *m_fontColourButton = nullptr;     // SpeedButton2
    QPushButton *m_manualButton = nullptr;         // Button1
    QPushButton *m_closeButton = nullptr;          // Button2
    ProgressPanel *m_progress = nullptr;
    QMenu *m_destMenu = nullptr;
    QAction *m_removeAll = nullptr;
    QColor m_lastHintColour;
    QString m_destinationRoot;
    QPoint m_dragFrom;
    bool m_lowColour = false;
    int m_toolTipTime = 5000;
    // Loading the settings is no choice of the user's: the drop filter's reaction waits for one.
    bool m_loadingSettings = false;
};

} // namespace tolvane
