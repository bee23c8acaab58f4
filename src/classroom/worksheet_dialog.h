// SPDX-License-Identifier: GPL-3.0-or-later
// "Udskriv opgaveark": asks for the difficulty, the number of tasks and where
// the answer key goes, and says how many new tasks the sheet makes.
#pragma once

#include "classroom/worksheet_print.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLabel;
class QSpinBox;

class TfmOpgaveark : public QDialog {
    Q_OBJECT
public:
    TfmOpgaveark(QWidget* parent, int difficulty);
    int Difficulty() const;
    int Count() const;
    TAnswerKeyPlace AnswerKey() const;

    QComboBox* cbSvaerhed = nullptr;
    QSpinBox* seAntal = nullptr;
    // Ids are TAnswerKeyPlace values.
    QButtonGroup* rgFacitliste = nullptr;
    QLabel* lbNyeOpgaver = nullptr;
};
