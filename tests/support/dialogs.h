// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for tests that meet modal dialogs and quit requests.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QDialog;

// Answers the next modal dialog that the code under test opens: runs `act`
// on it as soon as it is on screen, and remembers its message (the label
// "Message" of the game's message box). A watchdog closes it (with no answer)
// if the act left it open, so a fault fails the test instead of hanging it.
// It looks for the dialog on the event loop's own timer: a modal dialog runs
// a loop of its own, where the test clock never waits.
class TDialogAnswer : public QObject {
public:
    explicit TDialogAnswer(std::function<void(QDialog*)> act);
    // Clicks the button named `button` ("YES", "NO", "OK") of the first
    // dialog that has one.
    explicit TDialogAnswer(const QString& button);

    bool Seen() const { return FSeen; }
    QString Message() const { return FMessage; }

private:
    friend void OnDialog(std::function<void(QDialog*)> act);
    void Poll();
    std::function<void(QDialog*)> FAct;
    QString FButton;
    QString FMessage;
    bool FSeen = false;
    bool FGoes = false;
    QTimer FPoll;
};

// The same, for a dialog the test does not look at afterwards: the answerer
// goes once it has acted.
void OnDialog(std::function<void(QDialog*)> act);

// A quit request leaves Qt's "quit now" flag set, which makes every later
// event loop (and modal dialog) return at once; a short run of the
// application's own loop clears it, together with our own quit request.
void ForgetQuit();
