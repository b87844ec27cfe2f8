#pragma once

#include "ui/services/Services.h"
#include "settings/SettingsStore.h"

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
// manual; and removes all of it again.
class SetupWizard : public QWidget, public SettingsTarget
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
    void buildLayout();
    void versionChanged(int version);
    void showPage(int page);
    void removal(const QString &abortText);
    void endProgram();
    bool fieldsIncomplete() const;
    void actionError(const QString &text);
    QString folderF() const;
    bool createFolder(const QString &folder, int waitMs);

    Services &m_s;
    MainWindow &m_main;
    ToolWindow &m_tool;
    QTimer m_timer;
    QWidget *m_p1 = nullptr, *m_p2 = nullptr, *m_p3 = nullptr;
    QSpinBox *m_spin = nullptr;
    QLineEdit *m_edit1 = nullptr, *m_edit2 = nullptr, *m_edit3 = nullptr;
    QLabel *m_label10 = nullptr, *m_label13 = nullptr, *m_label14 = nullptr, *m_label17 = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_xx = nullptr, *m_back = nullptr, *m_finish = nullptr, *m_n1 = nullptr,
                *m_n2 = nullptr, *m_n3 = nullptr, *m_exit = nullptr, *m_cancel = nullptr,
                *m_add = nullptr, *m_other = nullptr;
    bool m_ended = false;
};

} // namespace tolvane
