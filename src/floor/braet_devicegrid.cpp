// SPDX-License-Identifier: GPL-3.0-or-later
// Following the screen's device pixel ratio: when the window moves to a
// screen of another ratio (or the ratio changes), the pictures, glyphs,
// machines and plates are drawn again on the grid that fits it.
#include "floor/braet_floor.h"

#include "floor/devicegridwatch.h"
#include "floor/picturebox.h"
#include "floor/platebox.h"
#include "model/draw_grid.h"
#include "shell/resources.h"

#include <QPointer>
#include <QTimer>
#include <QToolButton>

void TBraetFloor::FollowDeviceGrid()
{
    const int grid = DeviceGrid(devicePixelRatioF());
    if (grid == GridOf(FFactory) || FFactory.isNull())
        return;
    if (Busy()) {
        // The run draws on the canvases meanwhile; try again when it is over.
        QTimer::singleShot(250, this, [this] { FollowDeviceGrid(); });
        return;
    }
    const QImage factory = LoadPicture(QStringLiteral("ImageVorlen"), grid);
    if (factory.isNull())
        return;
    FFactory = factory;
    ImageVorlen->SetPicture(FFactory);
    for (TPictureBox* box : {imGroenTaend, imRoedTaend, imGroenSluk, imSnydeGulv, imRoedSluk, Image2})
        if (box)
            box->SetPicture(LoadPicture(box->objectName(), grid));

    for (QToolButton* button : findChildren<QToolButton*>()) {
        QString name = button->objectName();
        if (button == bbSound)
            name = FSoundOn ? QStringLiteral("LOUDSPEAKER") : QStringLiteral("NOLOUDSPEAKER");
        const QIcon icon = LoadGlyph(name, grid);
        if (!icon.isNull())
            button->setIcon(icon);
    }

    for (const auto& slot : FMachines) {
        TGifAnimation& animation = *slot->FAnimation;
        TPictureBox* picture = slot->FPicture;
        if (!picture || animation.IsEmpty() || animation.ResourceName().isEmpty())
            continue;
        picture->SetPicture(FactoryPiece(picture->geometry()));
        animation.LoadFromResource(animation.ResourceName(), grid);
        animation.SetAnimate(false);
        const int d = (animation.Width() - picture->width()) / 2;
        animation.DrawFirstFrame(picture->Canvas(),
                                 QRect(QPoint(-d, 0), QPoint(picture->width() + d - 1, picture->height() - 1)));
        picture->Changed();
    }

    for (TPlateBox* box : {FTaskBox, FPlateBox})
        if (box) {
            box->SetGrid(grid);
            box->Repaint();
        }
    // Pieces of the old picture; the next run cuts them again.
    FStartBackground = QImage();
    FEndBackground = QImage();
}
