// SPDX-License-Identifier: GPL-3.0-or-later
// A slot's invisible hit area: draws nothing, reports every mouse press.
#pragma once

#include <QWidget>

class TMachineComp;

class THitArea : public QWidget {
    Q_OBJECT
public:
    explicit THitArea(QWidget* parent, const QString& objectName);
    TMachineComp* FSlot = nullptr;

Q_SIGNALS:
    void MouseDown(QWidget* sender);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
