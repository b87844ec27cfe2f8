#include "ui/mainwindow/PropertiesDialog.h"
#include "core/FileTexts.h"
#include "core/ResourceKinds.h"
#include "platform/NativeName.h"
#include "platform/Platform.h"
#include "ui/services/Look.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

namespace tolvane {

PropertiesDialog::PropertiesDialog(const QString &path, Platform &platform, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PropertiesSheet"));
    setAttribute(Qt::WA_DeleteOnClose);
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = nativename::display(path.mid(slash + 1));
    const QString folder = slash <= 0 ? QStringLiteral("/") : nativename::display(path.left(slash));
    setWindowTitle(name + QStringLiteral(" Properties"));
    // Its rows are short; the title bar must still show the whole title.
    setMinimumWidth(titleBarWidth(windowTitle()));
    auto *form = new QFormLayout(this);
    auto add = [&](const QString &label, const QString &value) {
        auto *v = new QLabel(value, this);
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(label, v);
    };
    add(QStringLiteral("Name:"), name);
    add(QStringLiteral("Folder:"), folder);
    add(QStringLiteral("Type:"),
        ResourceKinds::keyword(path).value_or(ResourceKinds::extensionOf(path)));
    const qint64 size = platform.fileSize(path);
    add(QStringLiteral("Size:"),
        size < 0 ? QStringLiteral("(missing)") : FileTexts::totalSizeText(size));
    add(QStringLiteral("Modified:"), FileTexts::dateText(platform, path));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    form->addRow(buttons);
}

} // namespace tolvane
