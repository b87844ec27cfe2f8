#include "ui/Windows.h"
#include "ui/mainwindow/BuildRunner.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/searchfilter/SearchFilter.h"
#include "ui/services/Look.h"
#include "ui/setup/SetupWizard.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/textcopier/TextCopier.h"
#include "ui/toolwindow/ToolWindow.h"

namespace tolvane {

Windows::Windows(Services &services)
{
    // Each window reads its own settings as it is created, in this order.
    m_main = std::make_unique<MainWindow>(services);
    m_tool = std::make_unique<ToolWindow>(services, *m_main);
    m_setup = std::make_unique<SetupWizard>(services, *m_main, *m_tool);
    m_editor = std::make_unique<StringTableEditor>(services, *m_tool);
    m_filter = std::make_unique<SearchFilter>(*m_main);
    m_textCopier = std::make_unique<TextCopier>(services);
    m_main->setTextCopier(m_textCopier.get());
    m_tool->setEditor(m_editor.get());
    m_tool->setWizardFace([setup = m_setup.get()](const QColor &face) {
        for (QWidget *w : setup->colourTargets())
            paintEntry(w, &face, nullptr);
    });
    m_main->connectWindows(m_tool.get(), m_setup.get(), m_editor.get(), m_filter.get());
    m_build = std::make_unique<BuildRunner>(services, *m_main, *m_tool);
    QObject::connect(m_main.get(), &MainWindow::buildRequested, m_build.get(), &BuildRunner::run);
    m_main->start();
    m_tool->start();
    m_setup->start();
    m_editor->start();
    // Placed once, where the main window stands after its settings; it does not follow it.
    m_textCopier->placeBeside(m_main->pos());
}

Windows::~Windows()
{
    // The search filter and the editor refer to the main and tool windows: they go first.
    m_build.reset();
    m_textCopier.reset();
    m_filter.reset();
    m_editor.reset();
    m_setup.reset();
    m_tool.reset();
    m_main.reset();
}

} // namespace tolvane
