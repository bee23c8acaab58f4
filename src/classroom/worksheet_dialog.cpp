// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/worksheet_dialog.h"

#include "model/task_number.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

TfmOpgaveark::TfmOpgaveark(QWidget* parent, int difficulty) : QDialog(parent)
{
    setObjectName(QStringLiteral("fmOpgaveark"));
    setWindowTitle(QStringLiteral("Udskriv opgaveark"));
    auto* form = new QFormLayout(this);
    cbSvaerhed = new QComboBox(this);
    for (int d = 0; d < 3; ++d)
        cbSvaerhed->addItem(DifficultyName(d));
    cbSvaerhed->setCurrentIndex(std::clamp(difficulty, 0, 2));
    seAntal = new QSpinBox(this);
    seAntal->setRange(1, 12);
    seAntal->setValue(6);
    form->addRow(QStringLiteral("&Sværhed:"), cbSvaerhed);
    form->addRow(QStringLiteral("&Antal opgaver (1-12):"), seAntal);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Udskriv"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuller"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int TfmOpgaveark::Difficulty() const
{
    return cbSvaerhed->currentIndex();
}

int TfmOpgaveark::Count() const
{
    return seAntal->value();
}
