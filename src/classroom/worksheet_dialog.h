// SPDX-License-Identifier: GPL-3.0-or-later
// "Udskriv opgaveark": asks for the difficulty and the number of tasks.
#pragma once

#include <QDialog>

class QComboBox;
class QSpinBox;

class TfmOpgaveark : public QDialog {
    Q_OBJECT
public:
    TfmOpgaveark(QWidget* parent, int difficulty);
    int Difficulty() const;
    int Count() const;

    QComboBox* cbSvaerhed = nullptr;
    QSpinBox* seAntal = nullptr;
};
