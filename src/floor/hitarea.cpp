// SPDX-License-Identifier: GPL-3.0-or-later
#include "floor/hitarea.h"

#include <QMouseEvent>

THitArea::THitArea(QWidget* parent, const QString& objectName) : QWidget(parent)
{
    setObjectName(objectName);
}

void THitArea::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT MouseDown(this);
}

// The second press of a double click is a gesture of its own.
void THitArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT MouseDown(this);
}
