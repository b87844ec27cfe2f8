// The colour values of the settings and the four colour buttons.
#include "ui/mainwindow/MainWindow.h"
#include "ui/services/Look.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace tolvane {

QColor ToolWindow::colourFrom(quint32 value, const QPalette &palette)
{
    if (value & systemColourFlag) {
        switch (value & 0xFF) {
        case 5:
            return palette.color(QPalette::Base);
        case 8:
            return palette.color(QPalette::Text);
        case 15:
            return palette.color(QPalette::Button);
        case 18:
            return palette.color(QPalette::ButtonText);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

quint32 ToolWindow::colourValue(const QColor &c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

void ToolWindow::setColours(QWidget *w, const QColor *background, const QColor *text,
                            quint32 bgValue, quint32 fgValue)
{
    if (!w)
        return;
    paintEntry(w, background, text);
    // What the settings store keeps is the value chosen, not the colour it gave here.
    if (background)
        w->setProperty("colourValue", bgValue);
    if (text)
        w->setProperty("fontValue", fgValue);
}

void ToolWindow::paintEntries(const QColor *background, const QColor *text, quint32 bgValue,
                              quint32 fgValue)
{
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_prefixList, m_scriptName, m_destinationList,
                                          m_libraryName, m_resName, m_dropFilterList})
        setColours(w, background, text, bgValue, fgValue);
    m_main.setListColours(background, text);
}

void ToolWindow::colourButton(int which, bool rightPress)
{
    if (which <= 1 && soundsOn())
        m_s.sound.play(QStringLiteral("A1"));
    if (rightPress) {
        const QColor face = palette().color(QPalette::Button);
        if (which == 0) {
            paintEntries(&face, nullptr, buttonFace, 0);
            if (m_wizardFace)
                m_wizardFace(face); // the setup wizard's spin edit and three fields
        } else if (which == 2) {
            setColours(m_hintLine, &face, nullptr, buttonFace, 0);
        }
        return;
    }
    QColor initial = which == 0   ? QColor(Qt::white)
                     : which == 1 ? QColor(Qt::black)
                                  : m_lastHintColour;
    const auto chosen = m_s.prompter.chooseColour(this, initial);
    if (!chosen)
        return;
    const QColor c = *chosen;
    if (which >= 2)
        m_lastHintColour = c;
    switch (which) {
    case 0:
        paintEntries(&c, nullptr, colourValue(c), 0);
        if (m_editor)
            m_editor->setEntryColours(&c, nullptr);
        break;
    case 1:
        paintEntries(nullptr, &c, 0, colourValue(c));
        if (m_editor)
            m_editor->setEntryColours(nullptr, &c);
        break;
    case 2:
        setColours(m_hintLine, &c, nullptr, colourValue(c), 0);
        break;
    case 3:
        setColours(m_hintLine, nullptr, &c, 0, colourValue(c));
        break;
    }
}

} // namespace tolvane
