// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/worksheet_dialog.h"

#include "classroom/fetch_dialog.h"
#include "model/ladder_tasks.h"
#include "model/task_number.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>

#include <algorithm>

namespace {

bool DigitsOnly(const QString& word)
{
    // Digits and dashes: the rest of a number typed with spaces.
    return !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || c == u'-' || c == QChar(0x2013) || c == QChar(0x2212);
    });
}

} // namespace

QString ParseTaskList(const QString& text, std::vector<TTaskNumber>& tasks)
{
    // Words that are only digits belong to the number before them.
    QStringList numbers;
    const QStringList words = text.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (DigitsOnly(word) && !numbers.isEmpty())
            numbers.last() += word;
        else
            numbers.append(word);
    }
    if (numbers.isEmpty())
        return QStringLiteral("Skriv et eller flere opgavenumre, f.eks. M-20000089, S-77.");
    if (numbers.size() > MaxChosenTasks)
        return QStringLiteral("Et ark kan have højst %1 opgaver; der er %2.").arg(MaxChosenTasks).arg(numbers.size());
    std::vector<TTaskNumber> read;
    for (const QString& number : std::as_const(numbers)) {
        TTaskNumber task;
        const QString problem = TaskNumberProblem(number, task);
        if (!problem.isEmpty())
            return problem;
        read.push_back(task);
    }
    tasks = read;
    return {};
}

TfmOpgaveark::TfmOpgaveark(QWidget* parent, int difficulty, const QString& shown, int copies, int step)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fmOpgaveark"));
    // Ends in the program's name, so that Qt does not add it with a dash of
    // another style.
    setWindowTitle(QStringLiteral("Udskriv opgaveark – Vorlen"));
    auto* form = new QFormLayout(this);

    rgKilde = new QButtonGroup(this);
    auto* fresh = new QRadioButton(QStringLiteral("&Nye opgaver"), this);
    auto* chosen = new QRadioButton(QStringLiteral("&Valgte numre"), this);
    auto* ladder = new QRadioButton(QStringLiteral("&Trin"), this);
    rgKilde->addButton(fresh, ssNew);
    rgKilde->addButton(chosen, ssNumbers);
    rgKilde->addButton(ladder, ssStep);
    fresh->setChecked(true);
    auto* sources = new QHBoxLayout;
    for (QRadioButton* button : {fresh, chosen, ladder})
        sources->addWidget(button);
    sources->addStretch();
    form->addRow(QStringLiteral("Opgaver:"), sources);

    cbSvaerhed = new QComboBox(this);
    for (int d = 0; d < 3; ++d)
        cbSvaerhed->addItem(DifficultyName(d));
    cbSvaerhed->setCurrentIndex(std::clamp(difficulty, 0, 2));
    seAntal = new QSpinBox(this);
    seAntal->setRange(1, 12);
    seAntal->setValue(6);
    form->addRow(QStringLiteral("&Sværhed:"), cbSvaerhed);
    seTrin = new QSpinBox(this);
    seTrin->setRange(1, LadderTopStep);
    seTrin->setValue(std::clamp(step, 1, LadderTopStep));
    form->addRow(QStringLiteral("T&rin (1-7):"), seTrin);
    form->addRow(QStringLiteral("&Antal opgaver (1-12):"), seAntal);

    // The task the class just did is the likeliest first choice.
    edNumre = new QPlainTextEdit(this);
    edNumre->setObjectName(QStringLiteral("edNumre"));
    edNumre->setTabChangesFocus(true);
    edNumre->setPlainText(shown);
    edNumre->setPlaceholderText(QStringLiteral("f.eks. M-20000089, S-77"));
    edNumre->setFixedHeight(edNumre->fontMetrics().lineSpacing() * 3 + 12);
    auto* numbersLabel = new QLabel(QStringLiteral("Numr&e:"), this);
    numbersLabel->setBuddy(edNumre);
    form->addRow(numbersLabel, edNumre);

    seKopier = new QSpinBox(this);
    seKopier->setObjectName(QStringLiteral("seKopier"));
    seKopier->setRange(1, 99);
    seKopier->setValue(std::clamp(copies, 1, 99));
    seKopier->setToolTip(QStringLiteral("Så mange ark; facitlisten kommer én gang."));
    form->addRow(QStringLiteral("K&opier af arket:"), seKopier);

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
    form->addRow(lbNyeOpgaver);
    lbFejl = new QLabel(this);
    lbFejl->setObjectName(QStringLiteral("lbFejl"));
    lbFejl->setWordWrap(true);
    lbFejl->setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
    lbFejl->hide();
    form->addRow(lbFejl);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Udskriv"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuller"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfmOpgaveark::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(seAntal, &QSpinBox::valueChanged, this, [this] { SourceChanged(); });
    connect(rgKilde, &QButtonGroup::idClicked, this, [this] { SourceChanged(); });
    connect(edNumre, &QPlainTextEdit::textChanged, lbFejl, &QWidget::hide);
    SourceChanged();
    // Wide enough that a window manager's title bar, with its icon and
    // buttons, shows the whole title.
    setMinimumWidth(std::max(sizeHint().width(), fontMetrics().horizontalAdvance(windowTitle()) + 180));
}

void TfmOpgaveark::SourceChanged()
{
    const TSheetSource source = Source();
    cbSvaerhed->setEnabled(source == ssNew);
    seTrin->setEnabled(source == ssStep);
    seAntal->setEnabled(source != ssNumbers);
    edNumre->setEnabled(source == ssNumbers);
    lbFejl->hide();
    const int count = seAntal->value();
    if (source == ssNumbers)
        lbNyeOpgaver->setText(QStringLiteral("Arket får opgaverne med numrene ovenfor, højst %1.").arg(MaxChosenTasks));
    else
        lbNyeOpgaver->setText(count == 1 ? QStringLiteral("Arket får 1 ny opgave.")
                                         : QStringLiteral("Arket får %1 nye opgaver.").arg(count));
}

void TfmOpgaveark::accept()
{
    if (Source() == ssNumbers) {
        const QString problem = ParseTaskList(edNumre->toPlainText(), FNumbers);
        if (!problem.isEmpty()) {
            lbFejl->setText(problem);
            lbFejl->show();
            edNumre->setAccessibleDescription(problem);
            edNumre->setFocus();
            return;
        }
    }
    QDialog::accept();
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

TSheetSource TfmOpgaveark::Source() const
{
    return TSheetSource(std::max(0, rgKilde->checkedId()));
}

int TfmOpgaveark::Step() const
{
    return seTrin->value();
}

int TfmOpgaveark::Copies() const
{
    return seKopier->value();
}
