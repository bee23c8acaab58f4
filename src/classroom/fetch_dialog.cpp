// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/fetch_dialog.h"

#include "shell/plain_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// What the pupil typed, as the message repeats it: on one line and cut
// short, so that a pasted page cannot make the message wider than the
// screen; without invisible controls, and isolated, so that right-to-left
// text cannot turn the sentence around it.
QString Typed(const QString& text)
{
    constexpr int Shown = 24;
    const QString line = PlainLine(text);
    if (line.size() <= Shown)
        return IsolatedText(line);
    const int cut = line.at(Shown - 1).isHighSurrogate() ? Shown - 1 : Shown;
    return IsolatedText(line.left(cut) + QChar(u'\u2026'));
}

bool OwnNumber(const QString& text)
{
    const QString s = text.trimmed();
    return !s.isEmpty() && s.front().toUpper() == u'E';
}

} // namespace

QString TaskNumberProblem(const QString& text, TTaskNumber& number)
{
    switch (ParseTaskNumber(text, number)) {
    case npMalformed:
        return QStringLiteral("\"%1\" er ikke et opgavenummer.\n\nEt opgavenummer er L, M, S eller E, en "
                              "bindestreg og et tal, f.eks. M-20000089.")
            .arg(Typed(text));
    case npOutOfRange:
        return OwnNumber(text)
                   ? QStringLiteral("Opgave \"%1\" findes ikke.\n\nTallet efter E- har otte cifre.").arg(Typed(text))
                   : QStringLiteral("Opgave \"%1\" findes ikke.\n\nTallet efter bindestregen skal være fra 0 til "
                                    "86399999.")
                         .arg(Typed(text));
    case npBadCheck:
        return QStringLiteral("Opgave \"%1\" findes ikke.\n\nEt af cifrene er forkert, eller to er byttet om. "
                              "Se efter i nummeret igen.")
            .arg(Typed(text));
    case npNoPlate:
        return QStringLiteral("Opgave \"%1\" findes ikke.\n\nIngen række af maskiner laver den plade.")
            .arg(Typed(text));
    case npOk:
        break;
    }
    return {};
}

TfmHentOpgave::TfmHentOpgave(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fmHentOpgave"));
    // Ends in the program's name, so that Qt does not add it with a dash of
    // another style.
    setWindowTitle(QStringLiteral("Hent opgave – Vorlen"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Skriv opgavens &nummer, f.eks. M-20000089:"), this);
    edNummer = new QLineEdit(this);
    edNummer->setObjectName(QStringLiteral("edNummer"));
    label->setBuddy(edNummer);
    lbFejl = new QLabel(this);
    lbFejl->setObjectName(QStringLiteral("lbFejl"));
    lbFejl->setWordWrap(true);
    // The message quotes what was typed: never markup.
    lbFejl->setTextFormat(Qt::PlainText);
    lbFejl->setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
    lbFejl->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Hent"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuller"));
    layout->addWidget(label);
    layout->addWidget(edNummer);
    layout->addWidget(lbFejl);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfmHentOpgave::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Room for the longest message without the box growing sideways; the
    // box grows downwards when the message comes.
    setMinimumWidth(460);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    // The message goes with the first correction.
    connect(edNummer, &QLineEdit::textEdited, this, [this] {
        lbFejl->hide();
        edNummer->setAccessibleDescription(QString());
    });
}

void TfmHentOpgave::accept()
{
    TTaskNumber number;
    const QString problem = TaskNumberProblem(edNummer->text(), number);
    if (problem.isEmpty()) {
        FNumber = number;
        QDialog::accept();
        return;
    }
    lbFejl->setText(problem);
    lbFejl->show();
    adjustSize();
    // A screen reader says it with the field.
    edNummer->setAccessibleDescription(problem);
    edNummer->setFocus();
}
