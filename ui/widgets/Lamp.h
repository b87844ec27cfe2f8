#pragma once

#include <QColor>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

namespace tolvane {

// The round indicator lamps and pictures of the main and tool windows, drawn one way.
QLabel *makeLamp(QWidget *parent, const QString &objectName, const QColor &colour,
                 const QSize &size = QSize(16, 16));

} // namespace tolvane
