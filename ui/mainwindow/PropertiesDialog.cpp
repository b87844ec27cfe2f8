#include "ui/mainwindow/PropertiesDialog.h"
#include "core/FileTexts.h"
#include "core/ResourceKinds.h"
#include "platform/Platform.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>

namespace tolvane {

PropertiesDialog::PropertiesDialog(const QString &path, Platform &platform, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PropertiesSheet"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QFileInfo info(path);
    setWindowTitle(info.fileName() + QStringLiteral(" Properties"));
    auto *form = new QFormLayout(this);
    auto add = [&](const QString &label, const QString &value) {
        auto *v = new QLabel(value, this);
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(label, v);
    };
    add(QStringLiteral("Name:"), info.fileName());
    add(QStringLiteral("Folder:"), info.absolutePath());
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
