// SPDX-License-Identifier: GPL-3.0-or-later
// The help menu: the guide and the about box.
#include "game/braet.h"

#include "shell/helpwindow.h"

#include <QDialog>
#include <QMenu>
#include <QToolButton>

void TfmBraet::bbHelpClick()
{
    // Just below the button, 2 pixels in and 2 down; the tool bar's origin is
    // the window's client origin. popup() returns at once, so a run that is
    // waiting below this handler is not held up by the open menu.
    const QPoint point(bbHelp->x() + 2, bbHelp->y() + bbHelp->height() + 2);
    Popup->popup(mapToGlobal(point));
}

void TfmBraet::Vejledning1Click()
{
    ShowHelpContents(this);
}

void TfmBraet::OmVorlen1Click()
{
    if (auto* about = qobject_cast<QDialog*>(fmAbout))
        about->exec();
}
