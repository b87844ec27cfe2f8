#pragma once

#include "core/OutputNames.h"
#include "ui/services/Services.h"

#include <QObject>

namespace tolvane {

class MainWindow;
class ToolWindow;

// One build, from the checks of the file list to the file summary: writes the script, runs the
// resource compiler and the library compiler, and moves the outputs to the destination folder.
class BuildRunner : public QObject
{
    Q_OBJECT

  public:
    BuildRunner(Services &services, MainWindow &main, ToolWindow &tool, QObject *parent = nullptr);

    void run();
    bool errorFlag() const { return m_error; }
    bool unselectedNote() const { return m_unselectedNote; }
    QString capturedOutput() const { return m_captured; }
    const OutputNames &names() const { return m_names; }

  private:
    bool prepare();
    bool writeScript();
    void finish();
    void scriptsOnlyEnd();
    void compile();
    bool checkCompiler(const QString &path, bool resourceCompiler);
    void compileFailure(const QString &code);
    void spaceFailure(qint64 total);
    void credits(int firstPause);
    void diskReport(bool adjusted);
    void fileSummary(const QString &movedScript);
    void cleanWorkingOutputs();
    Box::Button box(QWidget *owner, const QString &caption, const QString &text, Box::Icon icon,
                    int buttons = Box::Ok);
    void title(const QString &text);
    void pause(int ms);

    Services &m_s;
    MainWindow &m_main;
    ToolWindow &m_tool;
    OutputNames m_names;
    QString m_captured;
    bool m_error = false;
    bool m_unselectedNote = false;
    qint64 m_freeBefore = 0;
    int m_selected = 0;
};

} // namespace tolvane
