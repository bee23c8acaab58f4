// SPDX-License-Identifier: GPL-3.0-or-later
// "Vis opgavenummer": the task's number over the whole screen, in letters a
// quarter of the screen high, to be read from the back of a classroom. Esc
// or a click closes it.
#pragma once

#include <QWidget>

class TNumberView : public QWidget {
    Q_OBJECT
public:
    // A window of its own over `owner`'s screen; deletes itself when closed.
    TNumberView(QWidget& owner, const QString& number);
    QString Number() const { return FNumber; }
    // The letters' height in logical pixels: a quarter of the screen's
    // height, less where the number would not fit the width.
    int LetterHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QFont NumberFont(int pixelSize) const;
    QString FNumber;
};
