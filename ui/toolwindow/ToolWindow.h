#pragma once

#include "ui/services/Services.h"
#include "settings/SettingsStore.h"

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

class ClipPlayer;
class MainWindow;
class TFileLabel;
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
    QLabel *msg2() const { return m_msg2; }
    QLabel *msg3() const { return m_msg3; }
    QLabel *msg4() const { return m_msg4; }
    QProgressBar *bar1() const { return m_bar1; }
    QProgressBar *bar2() const { return m_bar2; }
    QFrame *progressPanel() const { return m_showF; }
    QFrame *closingPanel() const { return m_closeF; }
    QWidget *optionsPanel() const { return m_panel1; }
    QPushButton *closeButton() const { return m_close; }
    QLabel *busyLamp() const { return m_red; }

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
    QWidget *targetNamed(const QString &name) const;
    bool keyExists() const;
    QString manualPath() const;

    Services &m_s;
    MainWindow &m_main;
    StringTableEditor *m_editor = nullptr;
    QList<QWidget *> m_wizardTargets;
    QLabel *m_label1 = nullptr, *m_label2 = nullptr, *m_label3 = nullptr, *m_label9 = nullptr,
           *m_label12 = nullptr, *m_label8 = nullptr, *m_label6 = nullptr, *m_image1 = nullptr,
           *m_image2 = nullptr, *m_image4 = nullptr, *m_clr = nullptr, *m_red = nullptr,
           *m_logo2 = nullptr, *m_caption = nullptr, *m_msg2 = nullptr, *m_msg3 = nullptr,
           *m_msg4 = nullptr, *m_panel2 = nullptr;
    TFileLabel *m_label4 = nullptr;
    QLineEdit *m_edit1 = nullptr, *m_edit3 = nullptr, *m_edit4 = nullptr;
    QFrame *m_panel3 = nullptr, *m_showF = nullptr, *m_closeF = nullptr;
    QWidget *m_panel1 = nullptr;
    QComboBox *m_idx1 = nullptr, *m_edit2 = nullptr, *m_resBox = nullptr;
    QToolButton *m_spx = nullptr;
    QCheckBox *m_cx8 = nullptr, *m_cx11 = nullptr, *m_dx1 = nullptr, *m_cx14 = nullptr,
              *m_autoX = nullptr, *m_cx12 = nullptr, *m_cx13 = nullptr, *m_cx10 = nullptr,
              *m_cx6 = nullptr, *m_rx2 = nullptr, *m_rfx = nullptr, *m_cx1 = nullptr,
              *m_cx2 = nullptr, *m_cx3 = nullptr;
    QRadioButton *m_rad1 = nullptr, *m_rad2 = nullptr;
    QGroupBox *m_scriptGroup = nullptr, *m_saveGroup = nullptr, *m_colourGroup = nullptr,
              *m_units = nullptr, *m_options = nullptr;
    QPushButton *m_hbx2 = nullptr, *m_hbx3 = nullptr, *m_sb1 = nullptr, *m_sb2 = nullptr,
                *m_manual = nullptr, *m_close = nullptr;
    QProgressBar *m_bar1 = nullptr, *m_bar2 = nullptr;
    QMenu *m_destMenu = nullptr;
    QAction *m_removeAll = nullptr;
    ClipPlayer *m_clip = nullptr;
    QColor m_lastHintColour;
    QString m_destinationRoot;
    QPoint m_dragFrom;
    bool m_lowColour = false;
    int m_toolTipTime = 5000;
};

} // namespace tolvane
