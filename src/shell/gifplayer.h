// SPDX-License-Identifier: GPL-3.0-or-later
// A machine animation: decoded once with giflib, then drawn still or played.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>

class TGifAnimation {
public:
    TGifAnimation();
    ~TGifAnimation();
    TGifAnimation(const TGifAnimation&) = delete;
    TGifAnimation& operator=(const TGifAnimation&) = delete;

    // Loads the "GIF" resource `name`; false (and empty) on a missing or
    // corrupt stream.
    bool LoadFromResource(const QString& name);
    // The version drawn for device grid `grid` ("NAME@2x"; at 1 the 1x one;
    // without a finer version the 1x one enlarged, so Grid() is `grid`
    // either way). Sizes and places stay logical; the canvases it draws on
    // must be of the animation's Grid().
    bool LoadFromResource(const QString& name, int grid);
    int Grid() const;
    // The resource name it was last loaded from (empty: from data).
    QString ResourceName() const;
    bool LoadFromData(const QByteArray& data);
    void Clear();
    bool IsEmpty() const;

    int Width() const;  // logical screen (in logical pixels)
    int Height() const;
    int FrameCount() const;
    // How long frame `index` shows, in milliseconds (0 outside the frames).
    int FrameDelay(int index) const;

    void SetAnimate(bool on);
    bool Animate() const;
    void SetLoop(bool on);
    bool Loop() const;

    // Draws the first frame alone, with transparency, into `r` of `canvas`
    // (unscaled, clipped to r).
    void DrawFirstFrame(QImage& canvas, const QRect& r) const;
    // Plays every frame once into `r` of `canvas`, each shown for its delay
    // through Delay(); `frameShown` runs after each frame is drawn so that a
    // widget can repaint. Leaves the last frame on the canvas.
    void Play(QImage& canvas, const QRect& r, const std::function<void()>& frameShown = {});

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};
