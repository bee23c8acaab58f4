// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/step_pictures.h"

#include "floor/hitarea.h"
#include "game/braet.h"
#include "model/draw_plate.h"

#include <QBuffer>
#include <QEvent>
#include <QTextDocument>
#include <QToolTip>

namespace {

QString PictureTip(const TOpgave& plate, int slot)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage picture = PlateImage(plate, true, 1, QColor(0xee, 0xf2, 0xf7));
    picture.setDevicePixelRatio(1);
    picture.save(&buffer, "PNG");
    return QStringLiteral("<table><tr><td style='white-space:pre'>Pladen efter maskine %1:</td></tr>"
                          "<tr><td align='center'><img src='data:image/png;base64,%2' width='80' height='81'>"
                          "</td></tr></table>")
        .arg(slot)
        .arg(QString::fromLatin1(png.toBase64()));
}

} // namespace

TStepPictures::TStepPictures(TfmBraet& window) : QObject(&window), FWindow(window)
{
    for (QWidget* hit : window.spContainer)
        if (hit)
            hit->installEventFilter(this);
    connect(&window, &TfmBraet::RunFinished, this, &TStepPictures::Make);
    connect(&window, &TBraetFloor::PlateCleared, this, &TStepPictures::Drop);
    connect(&window, &TBraetFloor::FloorChanged, this, &TStepPictures::Drop);
}

void TStepPictures::Make()
{
    Drop();
    if (FWindow.FMachines.size() != FWindow.spContainer.size())
        return;
    TOpgave plate;
    plate.Reset();
    for (std::size_t i = 0; i < FWindow.FMachines.size(); ++i) {
        const TMachineRec rec = FWindow.FMachines[i]->FMachine;
        if (rec.Kind == mcNone)
            continue;
        plate.ApplyMachine(rec);
        // A tip the slot had already stays on top of the picture.
        FOwnTips[i] = FWindow.spContainer[i]->toolTip();
        const QString& own = FOwnTips[i];
        const QString ownHtml = Qt::mightBeRichText(own) ? own : own.toHtmlEscaped();
        FTips[i] = (own.isEmpty() ? QString() : ownHtml + QStringLiteral("<br>")) + PictureTip(plate, int(i) + 1);
        FWindow.spContainer[i]->setToolTip(FTips[i]);
    }
    FShown = true;
}

void TStepPictures::Drop()
{
    if (!FShown)
        return;
    FShown = false;
    for (std::size_t i = 0; i < FTips.size(); ++i) {
        if (FTips[i].isEmpty())
            continue;
        if (FWindow.spContainer[i]->toolTip() == FTips[i])
            FWindow.spContainer[i]->setToolTip(FOwnTips[i]);
        FTips[i].clear();
        FOwnTips[i].clear();
    }
}

bool TStepPictures::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    auto* hit = qobject_cast<QWidget*>(watched);
    for (std::size_t i = 0; hit && i < FTips.size(); ++i) {
        if (FWindow.spContainer[i] != hit || FTips[i].isEmpty())
            continue;
        if (event->type() == QEvent::FocusIn)
            QToolTip::showText(hit->mapToGlobal(QPoint(hit->width() / 2, hit->height())), FTips[i], hit);
        else
            QToolTip::hideText();
    }
    return false;
}
