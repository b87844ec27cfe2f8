// The checks the three name fields make on every change of their text.
#include "core/NameChecks.h"
#include "core/Product.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QLineEdit>

namespace tolvane {

void ToolWindow::checkScriptName()
{
    const QString text = m_scriptName->text();
    if (!text.contains(QLatin1Char(' '))) {
        // The name becomes a file in the program folder: nothing that leads elsewhere.
        const QString problem = NameChecks::fileNameProblem(text);
        if (problem.isEmpty())
            return;
        m_s.taskbar.set(QStringLiteral("Whoops!"), QStringLiteral("warning"));
        m_s.prompter.ask(this, product::titleSpacedCopyright(), problem, Box::Warning);
        m_scriptName->clear();
        m_s.taskbar.set(product::shortTitle(), QString());
        return;
    }
    m_s.taskbar.set(QStringLiteral("Whoops!"), QStringLiteral("warning"));
    m_s.sound.play(QStringLiteral("A2"));
    m_s.prompter.ask(
        this, product::titleSpacedCopyright(),
        QStringLiteral("Please do not use blank spaces while assigning script's name!"),
        Box::Warning);
    m_scriptName->clear();
    m_s.taskbar.set(product::shortTitle(), QString());
}

void ToolWindow::checkLibraryName()
{
    const QString text = m_libraryName->text();
    QString message;
    if (text.contains(QLatin1Char(' ')))
        message = QStringLiteral("Please do not use blank spaces while entering Dll's name!");
    else if (!text.isEmpty() && NameChecks::isNumericName(text))
        message = QStringLiteral(
            "Compiler cannot process numeric values, as a first character in dll's name!");
    else
        message = NameChecks::fileNameProblem(text);
    if (message.isEmpty())
        return;
    m_s.taskbar.set(QStringLiteral("Rename DLL"), QStringLiteral("warning"));
    m_s.prompter.ask(this, product::shortTitle() + QStringLiteral("..."), message, Box::Error);
    m_libraryName->clear();
    m_s.taskbar.set(product::shortTitle(), QString());
}

void ToolWindow::checkResName()
{
    if (!m_resName->text().contains(QLatin1Char(' ')))
        return;
    setEnabled(false);
    m_s.prompter.ask(nullptr, product::shortTitle() + QStringLiteral(" illegal typecast..."),
                     QStringLiteral("Please do not use blank spaces in this field!"), Box::Error);
    setEnabled(true);
    m_resName->clear();
}

} // namespace tolvane
