// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/splash.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

TfmSplash* fmSplash = nullptr;

TfmSplash::TfmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("fmSplash"));
    setWindowTitle(QStringLiteral("Vorlen"));
    setFocusPolicy(Qt::StrongFocus);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->installEventFilter(this);

    // Started now; its tick can only be handled once the event loop runs,
    // so the splash never goes before the main window is up.
    Timer1 = new TClockTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(3000);
    connect(Timer1, &TClockTimer::timeout, this, &TfmSplash::Timer1Timer);
    Timer1->start();
}

void TfmSplash::Image1Click()
{
    CloseForGood();
}

void TfmSplash::FormKeyPress()
{
    CloseForGood();
}

void TfmSplash::Timer1Timer()
{
    CloseForGood();
}

void TfmSplash::CloseForGood()
{
    Timer1->stop();
    hide();
}

bool TfmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1) {
        if (event->type() == QEvent::MouseButtonPress) {
            FPressedOnImage = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = FPressedOnImage && mouse->button() == Qt::LeftButton
                               && Image1->rect().contains(mouse->position().toPoint());
            FPressedOnImage = false;
            if (click)
                Image1Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfmSplash::keyPressEvent(QKeyEvent* event)
{
    // Only keys that type a character count; Shift or an arrow alone does not.
    if (!event->text().isEmpty()) {
        FormKeyPress();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ShowSplash(const QImage& picture)
{
    FreeSplash();
    fmSplash = new TfmSplash;
    if (picture.isNull()) {
        // Nothing to show; the instance stays so that the start looks the same.
        fmSplash->Timer1->stop();
        return;
    }
    fmSplash->Image1->setPixmap(QPixmap::fromImage(picture));
    // A high-resolution picture covers its logical size.
    const QSize size = picture.deviceIndependentSize().toSize();
    fmSplash->setFixedSize(size);
    fmSplash->Image1->setGeometry(0, 0, size.width(), size.height());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    fmSplash->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
    fmSplash->show();
}

void RaiseSplash()
{
    if (fmSplash && fmSplash->isVisible())
        fmSplash->raise();
}

void FreeSplash()
{
    delete fmSplash;
    fmSplash = nullptr;
}
