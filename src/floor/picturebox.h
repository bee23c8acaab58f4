// SPDX-License-Identifier: GPL-3.0-or-later
// A picture on the window: shows its canvas 1:1 from the top-left corner;
// pixels with alpha 0 let what lies behind show through.
#pragma once

#include <QImage>
#include <QWidget>

class TMachineComp;

class TPictureBox : public QWidget {
    Q_OBJECT
public:
    explicit TPictureBox(QWidget* parent, const QString& objectName);

    void SetPicture(const QImage& picture);
    // The drawing surface; call update() (or Changed()) after drawing on it.
    QImage& Canvas() { return MakeCanvas(); }
    const QImage& Canvas() const { return MakeCanvas(); }
    void Changed() { update(); }
    // The picture as shown, without making a canvas of it.
    const QImage& Shown() const { return FCanvas.isNull() ? FPicture : FCanvas; }

    TMachineComp* FSlot = nullptr; // back-reference for slot pictures

Q_SIGNALS:
    // A complete click of the primary button (press and release on the picture).
    void Clicked(TPictureBox* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    static QImage::Format CanvasFormat(const QImage& picture);
    QImage& MakeCanvas() const;

    // A picture in another format (the 8-bit factory) is shown as it is until
    // something asks for the canvas: most pictures are never drawn on, and as
    // a 32-bit canvas the factory would take four times the memory.
    mutable QImage FPicture;
    mutable QImage FCanvas;
    QImage FBand; // a strip of the shown picture in 32 bits, for painting
    bool FPressed = false;
};
