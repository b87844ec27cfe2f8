// The tool window as the source and target of the settings sequences, and its colour values.
#include "ui/mainwindow/MainWindow.h"
#include "ui/widgets/TFileLabel.h"
#include "ui/toolwindow/ToolWindow.h"
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
        if (i >= 0 && i < m_edit2->count())
            m_edit2->setCurrentIndex(i);
    } else if (n == QLatin1String("Script Name")) {
        m_edit1->setText(value.toString());
    } else if (n == QLatin1String("Library Name")) {
        m_edit3->setText(value.toString());
    } else if (n == QLatin1String("Res Name")) {
        m_edit4->setText(value.toString());
    } else if (n == QLatin1String("Prompt Res ID")) {
        setPrefixPosition(value.toInt());
    } else if (n == QLatin1String("Script Type")) {
        const int i = value.toInt();
        m_resBox->setCurrentIndex(i >= 0 && i < m_resBox->count() ? i : -1);
    } else if (n == QLatin1String("Prompt Recurse")) {
        flag(m_rfx);
    } else if (n == QLatin1String("Prompt Name")) {
        if (value.toBool())
            m_rad1->setChecked(true);
    } else if (n == QLatin1String("Prompt Not")) {
        if (value.toBool())
            m_rad2->setChecked(true);
    } else if (n == QLatin1String("Prompt FileInfo")) {
        flag(m_cx8);
    } else if (n == QLatin1String("Prompt Close")) {
        flag(m_rx2);
    } else if (n == QLatin1String("Prompt Drag")) {
        flag(m_dx1);
    } else if (n == QLatin1String("Prompt Sound")) {
        flag(m_cx11);
    } else if (n == QLatin1String("Prompt Auto Sort")) {
        if (on(m_dx1))
            m_autoX->setCheckState(Qt::PartiallyChecked);
        else
            flag(m_autoX);
    } else if (n == QLatin1String("Prompt ReName")) {
        flag(m_cx14);
    } else if (n == QLatin1String("Prompt Summary")) {
        flag(m_cx13);
    } else if (n == QLatin1String("Prompt Position")) {
        if (on(m_cx10))
            m_cx12->setCheckState(Qt::PartiallyChecked);
        else
            flag(m_cx12);
    } else if (n == QLatin1String("Prompt Compile")) {
        flag(m_cx10);
    } else if (n == QLatin1String("Prompt sHint")) {
        flag(m_cx6);
    } else if (n == QLatin1String("Prompt Class")) {
        flag(m_cx1);
    } else if (n == QLatin1String("Prompt Window")) {
        flag(m_cx2);
    } else if (n == QLatin1String("Prompt Dialog")) {
        flag(m_cx3);
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
        const QColor c = colourFrom(value.toUInt(), m_label4->palette());
        setColours(m_label4, &c, nullptr, value.toUInt(), 0);
    } else if (n == QLatin1String("hFColor")) {
        const QColor c = colourFrom(value.toUInt(), m_label4->palette());
        setColours(m_label4, nullptr, &c, 0, value.toUInt());
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
        return m_edit1->text();
    if (n == QLatin1String("Library Name"))
        return m_edit3->text();
    if (n == QLatin1String("Res Name"))
        return m_edit4->text();
    if (n == QLatin1String("Filter Type"))
        return const_cast<ToolWindow *>(this)->dropFilterMask();
    if (n == QLatin1String("Recent Folder"))
        return destination();
    if (n == QLatin1String("TempDir1"))
        return m_main.recentAddFolder();
    if (n == QLatin1String("TempDir2"))
        return m_main.recentProjectFolder();
    if (n == QLatin1String("Recent Local"))
        return m_edit2->currentIndex();
    if (n == QLatin1String("Script Type"))
        return m_resBox->currentIndex();
    if (n == QLatin1String("Prompt Res ID"))
        return m_idx1->currentIndex();
    static const QHash<QString, QString> boxes = {
        {"Prompt Recurse", "Rfx"},   {"Prompt FileInfo", "Cx8"}, {"Prompt Drag", "Dx1"},
        {"Prompt Close", "Rx2"},     {"Prompt Sound", "Cx11"},   {"Prompt Auto Sort", "AutoX"},
        {"Prompt ReName", "Cx14"},   {"Prompt Summary", "Cx13"}, {"Prompt Compile", "Cx10"},
        {"Prompt Position", "Cx12"}, {"Prompt sHint", "Cx6"},    {"Prompt Class", "Cx1"},
        {"Prompt Window", "Cx2"},    {"Prompt Dialog", "Cx3"}};
    if (boxes.contains(n))
        return on(findChild<QCheckBox *>(boxes.value(n)));
    if (n == QLatin1String("Prompt Name"))
        return m_rad1->isChecked();
    if (n == QLatin1String("Prompt Not"))
        return m_rad2->isChecked();
    auto stored = [](const QWidget *w, const char *property, QPalette::ColorRole role) -> QVariant {
        const QVariant v = w->property(property);
        if (v.isValid())
            return v.toUInt();
        return colourValue(w->palette().color(role));
    };
    if (n == QLatin1String("Color"))
        return m_edit1->property("colourValue").isValid()
                   ? stored(m_edit1, "colourValue", QPalette::Base)
                   : QVariant(0x80000005u);
    if (n == QLatin1String("Font"))
        return m_edit1->property("fontValue").isValid()
                   ? stored(m_edit1, "fontValue", QPalette::Text)
                   : QVariant(0u);
    if (n == QLatin1String("hColor"))
        return m_label4->property("colourValue").isValid()
                   ? stored(m_label4, "colourValue", QPalette::Window)
                   : QVariant(0x8000000Fu);
    if (n == QLatin1String("hFColor"))
        return m_label4->property("fontValue").isValid()
                   ? stored(m_label4, "fontValue", QPalette::WindowText)
                   : QVariant(0u);
    if (n == QLatin1String("Tool Left"))
        return x();
    if (n == QLatin1String("Tool Top"))
        return y();
    return {};
}

} // namespace tolvane
