// The tool window as the source and target of the settings sequences, and its colour values.
#include "ui/mainwindow/MainWindow.h"
#include "ui/toolwindow/ToolWindow.h"
#include "ui/widgets/TFileLabel.h"
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <QCheckBox>

namespace tolvane {

namespace {
bool on(const QCheckBox *box)
{
    return box->checkState() == Qt::Checked; // a greyed box counts as off
}

} // namespace

// Settings ------------------------------------------------------------------------------------

void ToolWindow::apply(const SequenceItem &item, const QVariant &value)
{
    const QString &n = item.name;
    auto flag = [&](QCheckBox *box) { box->setChecked(value.toBool()); };
    if (n == QLatin1String("Recent Local")) {
        const int i = value.toInt();
        if (i >= 0 && i < m_destinationList->count())
            m_destinationList->setCurrentIndex(i);
    } else if (n == QLatin1String("Script Name")) {
        m_scriptName->setText(value.toString());
    } else if (n == QLatin1String("Library Name")) {
        m_libraryName->setText(value.toString());
    } else if (n == QLatin1String("Res Name")) {
        m_resName->setText(value.toString());
    } else if (n == QLatin1String("Prompt Res ID")) {
        setPrefixPosition(value.toInt());
    } else if (n == QLatin1String("Script Type")) {
        const int i = value.toInt();
        m_dropFilterList->setCurrentIndex(i >= 0 && i < m_dropFilterList->count() ? i : -1);
    } else if (n == QLatin1String("Prompt Recurse")) {
        flag(m_recurseBox);
    } else if (n == QLatin1String("Prompt Name")) {
        if (value.toBool())
            m_promptedSaveButton->setChecked(true);
    } else if (n == QLatin1String("Prompt Not")) {
        if (value.toBool())
            m_quickSaveButton->setChecked(true);
    } else if (n == QLatin1String("Prompt FileInfo")) {
        flag(m_fileInfoBox);
    } else if (n == QLatin1String("Prompt Close")) {
        flag(m_hideOnBuildBox);
    } else if (n == QLatin1String("Prompt Drag")) {
        flag(m_executeOnLoadBox);
    } else if (n == QLatin1String("Prompt Sound")) {
        flag(m_soundsBox);
    } else if (n == QLatin1String("Prompt Auto Sort")) {
        if (on(m_executeOnLoadBox))
            m_autoSortBox->setCheckState(Qt::PartiallyChecked);
        else
            flag(m_autoSortBox);
    } else if (n == QLatin1String("Prompt ReName")) {
        flag(m_repairBox);
    } else if (n == QLatin1String("Prompt Summary")) {
        flag(m_summaryBox);
    } else if (n == QLatin1String("Prompt Position")) {
        if (on(m_scriptsOnlyBox))
            m_keepProjectBox->setCheckState(Qt::PartiallyChecked);
        else
            flag(m_keepProjectBox);
    } else if (n == QLatin1String("Prompt Compile")) {
        flag(m_scriptsOnlyBox);
    } else if (n == QLatin1String("Prompt sHint")) {
        flag(m_hintsBox);
    } else if (n == QLatin1String("Prompt Class")) {
        flag(m_classesBox);
    } else if (n == QLatin1String("Prompt Window")) {
        flag(m_windowsUnitBox);
    } else if (n == QLatin1String("Prompt Dialog")) {
        flag(m_dialogsBox);
    } else if (n == QLatin1String("Color") || n == QLatin1String("Font")) {
        QWidget *w = targetNamed(item.target.isEmpty() ? QStringLiteral("Edit1") : item.target);
        if (!w)
            return;
        const QColor c = colourFrom(value.toUInt(), w->palette());
        if (n == QLatin1String("Color"))
            setColours(w, &c, nullptr, value.toUInt(), 0);
        else
            setColours(w, nullptr, &c, 0, value.toUInt());
    } else if (n == QLatin1String("hColor")) {
        const QColor c = colourFrom(value.toUInt(), m_hintLine->palette());
        setColours(m_hintLine, &c, nullptr, value.toUInt(), 0);
    } else if (n == QLatin1String("hFColor")) {
        const QColor c = colourFrom(value.toUInt(), m_hintLine->palette());
        setColours(m_hintLine, nullptr, &c, 0, value.toUInt());
    } else if (n == QLatin1String("Tool Left")) {
        move(value.toInt(), y());
    } else if (n == QLatin1String("Tool Top")) {
        move(x(), value.toInt());
    }
}

QVariant ToolWindow::current(const SequenceItem &item) const
{
    const QString &n = item.name;
    if (n == QLatin1String("Script Name"))
        return m_scriptName->text();
    if (n == QLatin1String("Library Name"))
        return m_libraryName->text();
    if (n == QLatin1String("Res Name"))
        return m_resName->text();
    if (n == QLatin1String("Filter Type"))
        return const_cast<ToolWindow *>(this)->dropFilterMask();
    if (n == QLatin1String("Recent Folder"))
        return destination();
    if (n == QLatin1String("TempDir1"))
        return m_main.recentAddFolder();
    if (n == QLatin1String("TempDir2"))
        return m_main.recentProjectFolder();
    if (n == QLatin1String("Recent Local"))
        return m_destinationList->currentIndex();
    if (n == QLatin1String("Script Type"))
        return m_dropFilterList->currentIndex();
    if (n == QLatin1String("Prompt Res ID"))
        return m_prefixList->currentIndex();
    static const QHash<QString, QString> boxes = {
        {"Prompt Recurse", "Rfx"},   {"Prompt FileInfo", "Cx8"}, {"Prompt Drag", "Dx1"},
        {"Prompt Close", "Rx2"},     {"Prompt Sound", "Cx11"},   {"Prompt Auto Sort", "AutoX"},
        {"Prompt ReName", "Cx14"},   {"Prompt Summary", "Cx13"}, {"Prompt Compile", "Cx10"},
        {"Prompt Position", "Cx12"}, {"Prompt sHint", "Cx6"},    {"Prompt Class", "Cx1"},
        {"Prompt Window", "Cx2"},    {"Prompt Dialog", "Cx3"}};
    if (boxes.contains(n))
        return on(findChild<QCheckBox *>(boxes.value(n)));
    if (n == QLatin1String("Prompt Name"))
        return m_promptedSaveButton->isChecked();
    if (n == QLatin1String("Prompt Not"))
        return m_quickSaveButton->isChecked();
    auto stored = [](const QWidget *w, const char *property, QPalette::ColorRole role) -> QVariant {
        const QVariant v = w->property(property);
        if (v.isValid())
            return v.toUInt();
        return colourValue(w->palette().color(role));
    };
    if (n == QLatin1String("Color"))
        return m_scriptName->property("colourValue").isValid()
                   ? stored(m_scriptName, "colourValue", QPalette::Base)
                   : QVariant(0x80000005u);
    if (n == QLatin1String("Font"))
        return m_scriptName->property("fontValue").isValid()
                   ? stored(m_scriptName, "fontValue", QPalette::Text)
                   : QVariant(0u);
    if (n == QLatin1String("hColor"))
        return m_hintLine->property("colourValue").isValid()
                   ? stored(m_hintLine, "colourValue", QPalette::Window)
                   : QVariant(0x8000000Fu);
    if (n == QLatin1String("hFColor"))
        return m_hintLine->property("fontValue").isValid()
                   ? stored(m_hintLine, "fontValue", QPalette::WindowText)
                   : QVariant(0u);
    if (n == QLatin1String("Tool Left"))
        return x();
    if (n == QLatin1String("Tool Top"))
        return y();
    return {};
}

} // namespace tolvane
