// SPDX-License-Identifier: GPL-3.0-or-later
// Heard, never seen: a hidden element that a screen reader hears as an alert.
// It appears anew with each text, which makes a screen reader say it at once.
#pragma once

#include <QWidget>

class TAlertStatus : public QWidget {
    Q_OBJECT
public:
    TAlertStatus(QWidget* parent, const QString& objectName);
    void Say(const QString& text);
    void Clear();
};
