#pragma once

#include <QDialog>

namespace tolvane {

class Platform;

// A file's properties: where it is, its kind, size and dates. Opens beside the others without
// waiting.
class PropertiesDialog : public QDialog
{
    Q_OBJECT

  public:
    PropertiesDialog(const QString &path, Platform &platform, QWidget *parent = nullptr);
};

} // namespace tolvane
