// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board.h"

#include "board/number_view.h"
#include "board/screen_scale.h"
#include "floor/braet_geometry.h"
#include "game/braet.h"
#include "model/task_number.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QKeyEvent>

#include <algorithm>

TBoard::TBoard(TfmBraet& form) : QObject(&form), FSeam(form)
{
    setObjectName(QStringLiteral("Board"));
    Tavletilstand1 = FSeam.HelpMenu()->addAction(QStringLiteral("Tavletilstand"));
    Tavletilstand1->setObjectName(QStringLiteral("Tavletilstand1"));
    Tavletilstand1->setCheckable(true);
    Tavletilstand1->setShortcut(QKeySequence(Qt::Key_F11));
    Tavletilstand1->setAutoRepeat(false);
    form.addAction(Tavletilstand1);
    // The check mark follows the mode, not the click: Toggle sets it.
    connect(Tavletilstand1, &QAction::triggered, this, [this] { Toggle(); });

    VisOpgavenummer1 = new QAction(QStringLiteral("Vis opgavenummer"), &form);
    VisOpgavenummer1->setObjectName(QStringLiteral("VisOpgavenummer1"));
    VisOpgavenummer1->setShortcut(QKeySequence(Qt::Key_F12));
    VisOpgavenummer1->setAutoRepeat(false);
    VisOpgavenummer1->setEnabled(false);
    FSeam.HelpMenu()->addAction(VisOpgavenummer1);
    FSeam.TaskMenu()->addAction(VisOpgavenummer1);
    form.addAction(VisOpgavenummer1);
    connect(VisOpgavenummer1, &QAction::triggered, this, [this] { ShowNumber(); });

    // Esc as a key the window's controls did not want, not as a shortcut:
    // an open drop-down list or menu closes with Esc first.
    form.installEventFilter(this);

    connect(&form, &TfmBraet::TaskChanged, this, [this] { TaskChanged(); });
}

double TBoard::BoardScale(const QScreen& screen)
{
    const QSize device = (QSizeF(screen.geometry().size()) * ScreenScale(screen)).toSize();
    // A full screen has no frame, and the window's smallest outer size is a
    // rule for a framed window: only the game itself has to fit.
    const QSize game(braet::ClientWidth, braet::ClientHeight);
    return LargestFittingScale(game, game, QMargins(), device);
}

void TBoard::Toggle()
{
    if (FOn)
        Leave();
    else
        Enter();
}

void TBoard::Enter()
{
    TfmBraet& window = FSeam.Window();
    QScreen* screen = window.screen();
    if (FOn || !screen || !window.isVisible())
        return;
    FOn = true;
    FScreen = screen;
    FScaleBefore = ScreenScale(*screen);
    FClientBefore = window.geometry();
    SetScreenScale(*screen, BoardScale(*screen));
    // Full screen after the scale, so that the window is made as large as the
    // screen in its new logical pixels; and without its fixed size, which a
    // window manager may take as a refusal of full screen.
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window.showFullScreen();
    window.FollowDeviceGrid();
    Tavletilstand1->setChecked(true);
}

void TBoard::Leave()
{
    if (!FOn)
        return;
    TfmBraet& window = FSeam.Window();
    FOn = false;
    Tavletilstand1->setChecked(false);
    // The scale and size go back while the window is still full screen (see
    // Enter); then the window manager frames it again.
    if (FScreen)
        SetScreenScale(*FScreen, FScaleBefore);
    window.setFixedSize(FClientBefore.size());
    window.showNormal();
    // The client's place: the frame is not back yet.
    window.setGeometry(FClientBefore);
    window.FollowDeviceGrid();
}

bool TBoard::eventFilter(QObject* watched, QEvent* event)
{
    if (FOn && watched == &FSeam.Window() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            Leave();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TBoard::ShowNumber()
{
    if (!FSeam.Task())
        return;
    if (FNumberView)
        FNumberView->close();
    FNumberView = new TNumberView(FSeam.Window(), TaskName(FSeam.TaskNumber()));
    FNumberView->showFullScreen();
    FNumberView->raise();
    FNumberView->activateWindow();
}

void TBoard::TaskChanged()
{
    VisOpgavenummer1->setEnabled(FSeam.Task() != nullptr);
    // The number shown is the task's: a new task closes the old number.
    if (FNumberView && FNumberView->Number() != TaskName(FSeam.TaskNumber()))
        FNumberView->close();
}

TBoard* AttachBoard(TfmBraet& form)
{
    return new TBoard(form);
}
