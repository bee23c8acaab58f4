// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dialogs.h"

#include "base/delay.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

void OnDialog(std::function<void(QDialog*)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        QPointer<QDialog> guard(dialog);
        act(dialog);
        QTimer::singleShot(3000, [guard] {
            if (guard && guard->isVisible())
                guard->done(999);
        });
    });
    poll->start();
}

void ForgetQuit()
{
    ClearQuitRequest();
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}
