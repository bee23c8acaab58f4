// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the tests that play the game: the game as it ships on
// the test clock, building a line on the floor, and small test animations.
// Dialogs are answered with support/dialogs.h.
#pragma once

#include "app/assembly.h"
#include "base/delay.h"
#include "floor/platebox.h"
#include "floor/settingselector.h"
#include "game/braet.h"
#include "model/machdefs.h"
#include "support/dialogs.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <gif_lib.h>

#include <cstdlib>
#include <vector>

namespace gametest {

// The game as it ships (AssembleGame), on the test clock and a recording
// sound, fresh for every test function: a test class derives from it and
// calls StartGame() in init() and EndGame() in cleanup().
class TGameFixture {
protected:
    TTestClock FClock; // first in, last out: the window's timers run on it
    TRecordingSound FSound;
    std::unique_ptr<TfmBraet> W;

    // Also a new window in the middle of a test.
    void StartGame()
    {
        ClearQuitRequest();
        FClock.OnWait = nullptr;
        W.reset();
        W = AssembleGame(&FSound);
        W->FormActivate();
        FClock.ClearWaits();
        FSound.ClearCalls();
    }
    void EndGame()
    {
        FClock.OnWait = nullptr;
        W.reset();
        ClearQuitRequest();
    }
};

// Puts a machine into slot `slot` (1..8) as the player would: place it, then
// choose selector item `index`.
inline void Put(TfmBraet& w, int slot, TMachineKind kind, int index = 0)
{
    TMachineComp& comp = *w.FMachines[std::size_t(slot - 1)];
    w.PlaceMachine(comp, kind);
    comp.FSelector->setCurrentIndex(index);
    w.cbSettingChange(comp.FSelector);
}

// Builds `line` from slot 1 on.
inline void PutLine(TfmBraet& w, const std::vector<TMachineRec>& line)
{
    for (std::size_t i = 0; i < line.size(); ++i)
        Put(w, int(i) + 1, TMachineKind(line[i].Kind), SelectorIndexOf(line[i]));
}

// What the line on the floor makes of a blank plate.
inline TOpgave ExpectedPlate(const TfmBraet& w)
{
    TOpgave plate;
    plate.Reset();
    for (const auto& slot : w.FMachines)
        if (slot->FMachine.Kind != mcNone)
            plate.ApplyMachine(slot->FMachine);
    return plate;
}

inline bool SameFields(const TOpgave& a, const TOpgave& b)
{
    return a.FLying == b.FLying && a.FAngle == b.FAngle && a.FCentreHoles == b.FCentreHoles &&
           a.FCircleHoles == b.FCircleHoles && a.FSquareHoles == b.FSquareHoles && a.FStripes == b.FStripes;
}

// True when `front` lies above `back` among the window's children.
inline bool InFront(const QWidget* front, const QWidget* back)
{
    const QObjectList& order = front->parentWidget()->children();
    return order.indexOf(front) > order.indexOf(back);
}

inline int WriteGifBytes(GifFileType* gif, const GifByteType* data, int count)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), count);
    return count;
}

// A test animation `width` x 48: `frames` frames of solid `colour`, each shown
// `delayCs` hundredths of a second.
inline QByteArray SolidAnimation(int width, int frames, int delayCs, QRgb colour)
{
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteGifBytes, &error);
    if (!gif)
        return {};
    GifColorType colours[2] = {{255, 0, 255}, {GifByteType(qRed(colour)), GifByteType(qGreen(colour)),
                                               GifByteType(qBlue(colour))}};
    gif->SWidth = width;
    gif->SHeight = 48;
    gif->SColorResolution = 8;
    gif->SBackGroundColor = 0;
    gif->SColorMap = GifMakeMapObject(2, colours);
    for (int i = 0; i < frames; ++i) {
        SavedImage* saved = GifMakeSavedImage(gif, nullptr);
        saved->ImageDesc.Left = 0;
        saved->ImageDesc.Top = 0;
        saved->ImageDesc.Width = width;
        saved->ImageDesc.Height = 48;
        saved->RasterBits = static_cast<GifByteType*>(std::malloc(std::size_t(width * 48)));
        for (int p = 0; p < width * 48; ++p)
            saved->RasterBits[p] = 1;
        const GraphicsControlBlock gcb{DISPOSE_DO_NOT, false, delayCs, 0};
        EGifGCBToSavedExtension(&gcb, gif, i);
    }
    ColorMapObject* map = gif->SColorMap;
    SavedImage* images = gif->SavedImages;
    const int count = gif->ImageCount;
    const bool ok = EGifSpew(gif) == GIF_OK;
    for (int i = 0; i < count; ++i) {
        std::free(images[i].RasterBits);
        GifFreeExtensions(&images[i].ExtensionBlockCount, &images[i].ExtensionBlocks);
    }
    std::free(images);
    GifFreeMapObject(map);
    return ok ? out : QByteArray();
}

} // namespace gametest
