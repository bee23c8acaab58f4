// SPDX-License-Identifier: GPL-3.0-or-later
// A plate box (task preview or produced plate), 80 x 81. It shows an
// off-screen canvas, so that the tilt animation can draw its frames into it;
// the paint handler redraws the canvas from the plate when asked (Repaint).
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

class QMenu;

class TPlateBox : public QWidget {
    Q_OBJECT
public:
    TPlateBox(QWidget* parent, const QString& objectName);

    // On the device grid of the screen (80 * grid x 81 * grid pixels with
    // that device pixel ratio); SetGrid starts an empty one of another grid.
    QImage& Canvas() { return FCanvas; }
    void SetGrid(int grid);
    const QImage& Canvas() const { return FCanvas; }

    // Paint handler: draws the plate onto the (cleared) canvas.
    std::function<void(TPlateBox*)> FOnPaint;
    // Clears the canvas, runs the paint handler and shows the result.
    void Repaint();

    // Right-click menu (none: no menu).
    QMenu* FPopupMenu = nullptr;

Q_SIGNALS:
    void ContextMenuRequested(TPlateBox* sender, const QPoint& globalPos);
    // A press of the left button on the box.
    void LeftClicked(TPlateBox* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage FCanvas;
};
