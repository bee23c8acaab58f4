// SPDX-License-Identifier: GPL-3.0-or-later
#include "floor/settingselector.h"

TSettingSelector::TSettingSelector(QWidget* parent, const QString& objectName) : QComboBox(parent)
{
    setObjectName(objectName);
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int) { Q_EMIT Chosen(this); });
}
