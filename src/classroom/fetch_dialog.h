// SPDX-License-Identifier: GPL-3.0-or-later
// "Hent opgave": the box for a task's number. A number it cannot read keeps
// the box open with the reason under the field and the text kept, so that a
// pupil corrects one character instead of typing it all again.
#pragma once

#include "model/task_number.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// Why `text` names no task, in Danish; empty when it does, and then
// `number` holds it.
QString TaskNumberProblem(const QString& text, TTaskNumber& number);

class TfmHentOpgave : public QDialog {
    Q_OBJECT
public:
    explicit TfmHentOpgave(QWidget* parent);
    // Valid once the dialog was accepted.
    TTaskNumber Number() const { return FNumber; }

    void accept() override;

    QLineEdit* edNummer = nullptr;
    QLabel* lbFejl = nullptr;

private:
    TTaskNumber FNumber;
};
