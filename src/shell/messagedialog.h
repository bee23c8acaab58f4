// SPDX-License-Identifier: GPL-3.0-or-later
// The message dialog with Danish buttons, laid out at run time, and the
// yes/no question built on it.
#pragma once

#include <QString>

#include <cstdint>

class QDialog;

enum TMessageKind : std::uint8_t {
    mkWarning = 0,
    mkError = 1,
    mkInformation = 2,
    mkConfirmation = 3,
    mkCustom = 4,
};

// One bit per button kind, in creation (and left-to-right) order.
enum TMessageButton : std::uint16_t {
    mbYes = 1 << 0,
    mbNo = 1 << 1,
    mbOK = 1 << 2,
    mbCancel = 1 << 3,
    mbAbort = 1 << 4,
    mbRetry = 1 << 5,
    mbIgnore = 1 << 6,
    mbAll = 1 << 7,
    mbNoToAll = 1 << 8,
    mbYesToAll = 1 << 9,
    mbHelp = 1 << 10,
};
using TMessageButtons = std::uint16_t;

enum TModalResultCode : std::uint16_t {
    rcNone = 0,
    rcOk = 1,
    rcCancel = 2,
    rcAbort = 3,
    rcRetry = 4,
    rcIgnore = 5,
    rcYes = 6,
    rcNo = 7,
    rcAll = 8,
};

// The laid-out, hidden dialog; the caller owns it.
QDialog* CreateMessageForm(const QString& text, TMessageKind kind, TMessageButtons buttons);
TModalResultCode ShowMessageDialog(const QString& text, TMessageKind kind, TMessageButtons buttons,
                                   std::int32_t helpContext);

// The game's report of something that failed: `text` with the stop icon and
// an OK button.
void ShowError(const QString& text);
bool AskYesNo(const QString& question);
