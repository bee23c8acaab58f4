// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/worksheet_dialog.h"

#include "model/task_number.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

TfmOpgaveark::TfmOpgaveark(QWidget* parent, int difficulty) : QDialog(parent)
{
    setObjectName(QStringLiteral("fmOpgaveark"));
    // Ends in the program's name, so that Qt does not add it with a dash of
    // another style.
    setWindowTitle(QStringLiteral("Udskriv opgaveark – Vorlen"));
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

    // A teacher who prints the sheet for the class should not hand out the
    // answers with it: the key can come as a print of its own.
    rgFacitliste = new QButtonGroup(this);
    auto* keys = new QHBoxLayout;
    const struct {
        TAnswerKeyPlace Place;
        const char16_t* Text;
    } choices[] = {{akLastPage, u"&med på sidste side"}, {akSeparate, u"&for sig"}, {akNone, u"i&kke med"}};
    for (const auto& choice : choices) {
        auto* button = new QRadioButton(QString::fromUtf16(choice.Text), this);
        rgFacitliste->addButton(button, choice.Place);
        keys->addWidget(button);
    }
    keys->addStretch();
    rgFacitliste->button(akSeparate)->setChecked(true);
    form->addRow(QStringLiteral("Facitliste:"), keys);

    lbNyeOpgaver = new QLabel(this);
    lbNyeOpgaver->setWordWrap(true);
    const auto tellCount = [this](int count) {
        lbNyeOpgaver->setText(count == 1 ? QStringLiteral("Arket får 1 ny opgave.")
                                         : QStringLiteral("Arket får %1 nye opgaver.").arg(count));
    };
    tellCount(seAntal->value());
    connect(seAntal, &QSpinBox::valueChanged, this, tellCount);
    form->addRow(lbNyeOpgaver);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Udskriv"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuller"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Wide enough that a window manager's title bar, with its icon and
    // buttons, shows the whole title.
    setMinimumWidth(std::max(sizeHint().width(), fontMetrics().horizontalAdvance(windowTitle()) + 180));
}

int TfmOpgaveark::Difficulty() const
{
    return cbSvaerhed->currentIndex();
}

int TfmOpgaveark::Count() const
{
    return seAntal->value();
}

TAnswerKeyPlace TfmOpgaveark::AnswerKey() const
{
    return TAnswerKeyPlace(rgFacitliste->checkedId());
}
