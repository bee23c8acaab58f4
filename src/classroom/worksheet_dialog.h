// SPDX-License-Identifier: GPL-3.0-or-later
// "Udskriv opgaveark": asks which tasks go on the sheet (new ones of a
// difficulty, chosen numbers, or tasks of a ladder step), how many copies to
// print and where the answer key goes. Numbers it cannot read keep it open
// with the reason.
#pragma once

#include "classroom/worksheet_print.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

// Chosen numbers on one sheet at most.
inline constexpr int MaxChosenTasks = 12;

// The task numbers in `text`, typed or pasted: separated by commas,
// semicolons, line breaks or spaces (a number may have spaces inside, "M
// 2000 0089"). Why not, in Danish, or empty when `tasks` holds them all.
QString ParseTaskList(const QString& text, std::vector<TTaskNumber>& tasks);

// Where the sheet's tasks come from.
enum TSheetSource { ssNew, ssNumbers, ssStep };

class TfmOpgaveark : public QDialog {
    Q_OBJECT
public:
    // `shown`: the number of the task shown, offered as a chosen number;
    // `copies` the copies set up in "Printer opsætning".
    TfmOpgaveark(QWidget* parent, int difficulty, const QString& shown = {}, int copies = 1, int step = 1);
    int Difficulty() const;
    int Count() const;
    TAnswerKeyPlace AnswerKey() const;
    TSheetSource Source() const;
    // Valid once accepted with ssNumbers.
    const std::vector<TTaskNumber>& Numbers() const { return FNumbers; }
    int Step() const;
    int Copies() const;

    void accept() override;

    QComboBox* cbSvaerhed = nullptr;
    QSpinBox* seAntal = nullptr;
    // Ids are TAnswerKeyPlace values.
    QButtonGroup* rgFacitliste = nullptr;
    QLabel* lbNyeOpgaver = nullptr;
    // Ids are TSheetSource values.
    QButtonGroup* rgKilde = nullptr;
    QPlainTextEdit* edNumre = nullptr;
    QSpinBox* seTrin = nullptr;
    QSpinBox* seKopier = nullptr;
    QLabel* lbFejl = nullptr;

private:
    void SourceChanged();
    std::vector<TTaskNumber> FNumbers;
};
