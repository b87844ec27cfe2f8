#pragma once

#include "core/setup/Installer.h"
#include "core/setup/Uninstaller.h"
#include "settings/SettingsStore.h"
#include "ui/services/Services.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace tolvane {

class MainWindow;
class ToolWindow;

// Connects the program to the compilers, creates its folders, writes the settings and unpacks the
// manual; and removes all of it again. The install and removal sequences are the core's; the
// wizard paces them with its timer and shows what they report.
class SetupWizard : public QWidget,
                    public SettingsTarget,
                    private InstallReport,
                    private UninstallReport
{
    Q_OBJECT

  public:
    SetupWizard(Services &services, MainWindow &main, ToolWindow &tool, QWidget *parent = nullptr);
    void start();

    QString delphiFolder() const;
    QString mainFolder() const;
    QString projectsFolder() const;
    int page() const;
    bool installing() const { return m_timer.isActive(); }
    int position() const;
    bool ended() const { return m_ended; }
    QList<QWidget *> colourTargets() const;

    // SettingsTarget: what setup writes.
    void apply(const SequenceItem &, const QVariant &) override {}
    QVariant current(const SequenceItem &item) const override;

  public slots:
    void next();
    void back();
    void addCompiler();
    void otherLocation();
    void finish();
    void tick();
    void exitWizard();
    void cancel();
    void uninstall();

  signals:
    // The program ends: after setup, uninstall or cancelling.
    void quitRequested();

  private:
    // InstallReport and UninstallReport
    void progress(int position) override;
    void showCancel() override;
    void status(const QString &text) override;
    void pause(int milliseconds) override;
    Message::Button ask(const Message &message) override;
    QString writeSettings() override;
    void complete() override;
    QString removeSettingsKeys() override;
    QString removeHistory() override;

    // The steps of the wizard, each with its own button at the Next place.
    enum Step
    {
        Page1 = 1,
        Page2,
        Page3,
        FinishReady
    };
    void buildLayout();
    void connectControls();
    void loadConfiguration();
    void offerBundledCompilers();
    QString storedText(const QString &name);
    void versionChanged(int version);
    void showStep(Step step);
    void askToCancel();
    void removal(const QString &abortText);
    void endProgram();
    bool fieldsIncomplete() const;
    InstallPlan installPlan() const;

    Services &m_s;
    MainWindow &m_main;
    ToolWindow &m_tool;
    QTimer m_timer;
    Installer m_installer;
    QWidget *m_page1 = nullptr, *m_page2 = nullptr, *m_page3 = nullptr;
    QSpinBox *m_versionSpin = nullptr;
    QLineEdit *m_delphiFolderEdit = nullptr, *m_brccEdit = nullptr, *m_dccEdit = nullptr;
    QLabel *m_freeSpaceLabel = nullptr, *m_mainFolderLabel = nullptr,
           *m_projectsFolderLabel = nullptr, *m_progressLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QPushButton *m_uninstallButton = nullptr, *m_backButton = nullptr, *m_finishButton = nullptr,
                *m_page1Next = nullptr, *m_page2Next = nullptr, *m_page3Next = nullptr,
                *m_exitButton = nullptr, *m_cancelButton = nullptr, *m_addButton = nullptr,
                *m_otherLocationButton = nullptr;
    bool m_ended = false;
    bool m_cancelPending = false; // Cancel pressed while a position acts
    bool m_removing = false;
};

} // namespace tolvane
