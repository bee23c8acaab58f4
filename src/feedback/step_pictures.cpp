// SPDX-License-Identifier: GPL-3.0-or-later
#include "feedback/step_pictures.h"

#include "floor/hitarea.h"
#include "floor/settingselector.h"
#include "game/braet.h"
#include "model/draw_grid.h"
#include "model/draw_plate.h"

#include <QApplication>
#include <QBuffer>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include <QTextDocument>

#include <algorithm>

namespace {

// `grid`: the screen's device grid, so the picture is sharp on a finer
// screen too; it is shown at 80 x 81 logical pixels either way.
QString PictureTip(const TOpgave& plate, int slot, int grid)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage picture = PlateImage(plate, true, grid, QColor(0xee, 0xf2, 0xf7));
    picture.setDevicePixelRatio(1);
    picture.save(&buffer, "PNG");
    return QStringLiteral("<table><tr><td style='white-space:pre'>Pladen efter plads %1:</td></tr>"
                          "<tr><td align='center'><img src='data:image/png;base64,%2' width='80' height='81'>"
                          "</td></tr></table>")
        .arg(slot)
        .arg(QString::fromLatin1(png.toBase64()));
}

} // namespace

TStepPictures::TStepPictures(TfmBraet& window) : QObject(&window), FWindow(window), FSeam(window)
{
    connect(&window, &TfmBraet::RunFinished, this, &TStepPictures::Make);
    connect(&window, &TBraetFloor::PlateCleared, this, &TStepPictures::Drop);
    connect(&window, &TBraetFloor::FloorChanged, this, &TStepPictures::Drop);
    // The slots' focus, and keyboard play: as with the focus mark, a mouse
    // press in the window ends it and hides the panel, the next key brings
    // the panel back.
    qApp->installEventFilter(this);
}

void TStepPictures::Make()
{
    Drop();
    const TMachineLine line = FSeam.Line();
    TOpgave plate;
    plate.Reset();
    for (std::size_t i = 0; i < line.size(); ++i) {
        const TMachineRec rec = line[i];
        if (rec.Kind == mcNone)
            continue;
        plate.ApplyMachine(rec);
        // A tip the slot had already stays on top of the picture.
        FOwnTips[i] = FSeam.SlotArea(int(i))->toolTip();
        const QString& own = FOwnTips[i];
        const QString ownHtml = Qt::mightBeRichText(own) ? own : own.toHtmlEscaped();
        FTips[i] = (own.isEmpty() ? QString() : ownHtml + QStringLiteral("<br>")) + PictureTip(plate, int(i) + 1, DeviceGrid(FWindow.devicePixelRatio()));
        FSeam.SlotArea(int(i))->setToolTip(FTips[i]);
        FPlates[i] = plate;
    }
    FShown = true;
    for (std::size_t i = 0; i < FPlates.size(); ++i)
        if (FPlates[i] && FSeam.SlotArea(int(i))->hasFocus())
            ShowPanel(int(i));
}

void TStepPictures::Drop()
{
    if (!FShown)
        return;
    FShown = false;
    for (auto& plate : FPlates)
        plate.reset();
    if (FPanel)
        FPanel->hide();
    for (std::size_t i = 0; i < FTips.size(); ++i) {
        if (FTips[i].isEmpty())
            continue;
        if (FSeam.SlotArea(int(i))->toolTip() == FTips[i])
            FSeam.SlotArea(int(i))->setToolTip(FOwnTips[i]);
        FTips[i].clear();
        FOwnTips[i].clear();
    }
}

bool TStepPictures::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!FShown || !widget || widget->window() != &FWindow)
            return false;
        if (event->type() == QEvent::MouseButtonPress) {
            if (FPanel)
                FPanel->hide();
        } else if (!FPanel || !FPanel->isVisible()) {
            for (std::size_t i = 0; i < FPlates.size(); ++i)
                if (FPlates[i] && FSeam.SlotArea(int(i))->hasFocus())
                    ShowPanel(int(i));
        }
        return false;
    }
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    for (std::size_t i = 0; i < FPlates.size(); ++i) {
        if (FSeam.SlotArea(int(i)) != watched)
            continue;
        if (event->type() == QEvent::FocusIn && FPlates[i]
            && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
            ShowPanel(int(i));
        else if (FPanel)
            FPanel->hide();
    }
    return false;
}

void TStepPictures::ShowPanel(int index)
{
    if (!FPanel) {
        auto* panel = new QFrame(&FWindow);
        panel->setObjectName(QStringLiteral("StepPicture"));
        panel->setFrameStyle(QFrame::Box | QFrame::Plain);
        panel->setAutoFillBackground(true);
        panel->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* layout = new QVBoxLayout(panel);
        layout->setContentsMargins(4, 3, 4, 4);
        layout->setSpacing(2);
        FPanelCaption = new QLabel(panel);
        FPanelPicture = new QLabel(panel);
        FPanelPicture->setAlignment(Qt::AlignCenter);
        layout->addWidget(FPanelCaption);
        layout->addWidget(FPanelPicture);
        FPanel = panel;
    }
    QImage picture = PlateImage(*FPlates[std::size_t(index)], true, DeviceGrid(FWindow.devicePixelRatio()),
                                QColor(0xee, 0xf2, 0xf7));
    FPanelCaption->setText(QStringLiteral("Pladen efter plads %1:").arg(index + 1));
    FPanelPicture->setPixmap(QPixmap::fromImage(picture));
    FPanel->adjustSize();
    // Under the slot's selector, kept inside the window.
    const QWidget* hit = FSeam.SlotArea(index);
    const QWidget* selector = FSeam.Selector(index);
    const int x = std::clamp(hit->x() + (hit->width() - FPanel->width()) / 2, 0, FWindow.width() - FPanel->width());
    FPanel->move(x, selector->geometry().bottom() + 3);
    FPanel->show();
    FPanel->raise();
}
