// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dialogs.h"

#include "base/delay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>

TDialogAnswer::TDialogAnswer(std::function<void(QDialog*)> act) : FAct(std::move(act))
{
    FPoll.setInterval(5);
    connect(&FPoll, &QTimer::timeout, this, [this] { Poll(); });
    FPoll.start();
}

TDialogAnswer::TDialogAnswer(const QString& button)
    : TDialogAnswer([button](QDialog* dialog) { dialog->findChild<QAbstractButton*>(button)->click(); })
{
    FButton = button;
}

void TDialogAnswer::Poll()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || FSeen)
        return;
    if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("Message")))
        FMessage = label->text();
    if (!FButton.isEmpty() && !dialog->findChild<QAbstractButton*>(FButton))
        return; // not the dialog this answer is for
    FSeen = true;
    FPoll.stop();
    const QPointer<QDialog> guard(dialog);
    FAct(dialog);
    if (FGoes)
        deleteLater();
    QTimer::singleShot(3000, [guard] {
        if (guard && guard->isVisible())
            guard->done(999);
    });
}

void OnDialog(std::function<void(QDialog*)> act)
{
    auto* answer = new TDialogAnswer(std::move(act));
    answer->setParent(qApp); // gone with the application if no dialog comes
    answer->FGoes = true;
}

void ForgetQuit()
{
    ClearQuitRequest();
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
