// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "board/screen_scale.h"
#include "floor/picturebox.h"
#include "game/braet.h"
#include "app/assembly.h"
#include "app/commandline.h"
#include "model/draw_grid.h"
#include "shell/about.h"
#include "shell/centrewindow.h"
#include "shell/fonts.h"
#include "shell/picture_prefetch.h"
#include "shell/platform_log.h"
#include "shell/resources.h"
#include "shell/soundloader.h"
#include "shell/splash.h"
#include "app/startup_steps.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

int InstallDanishTranslations(QCoreApplication& app)
{
    const QLocale danish(QLocale::Danish, QLocale::Denmark);
    QLocale::setDefault(danish);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    int installed = 0;
    for (const QString& catalogue : {QStringLiteral("qtbase"), QStringLiteral("qtmultimedia")}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(danish, catalogue, QStringLiteral("_"), folder) && app.installTranslator(translator))
            ++installed;
        else
            delete translator; // the game still runs, with Qt's English texts
    }
    return installed;
}

void NameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vorlen"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORLEN_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vorlen"));
    // Ties the windows to the desktop entry (the Wayland app id); under X the
    // window's class is the application name, the entry's StartupWMClass.
    QGuiApplication::setDesktopFileName(QStringLiteral("dk.vorlen.Vorlen"));
}

void FormCreate(TfmBraet& form)
{
    ShowSplash(form.Image2->Shown());
    // Paint the splash now: the event loop only starts after the about box.
    QCoreApplication::processEvents();
}

std::unique_ptr<TfmBraet> CreateMainWindow()
{
    std::unique_ptr<TfmBraet> form = AssembleGame();
    FormCreate(*form);
    form->fmAbout = new TfmAbout(form.get());
    return form;
}

void ShowMainWindow(TfmBraet& form)
{
    // Centred by the outer size, again once the window manager has framed
    // the window and the window has grown to its minimum outer size.
    KeepCentredByOuterSize(form);
    form.show();
    // Without a window manager nobody activates the window, and the first
    // activation is what builds the machine slots.
    form.activateWindow();
    RaiseSplash();
}

int VorlenMain(int argc, char** argv)
{
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv, stdout, stderr))
        return *answered;
    // Nothing is left on the command line for Qt to read either.
    int noArguments = 1;
    QApplication app(noArguments, argv);
    return VorlenRun(app);
}

int VorlenRun(QApplication& app)
{
    // A scale that makes the window larger than the screen would cut off its
    // title bar and tool bar: take the largest that fits, before anything is
    // drawn for the scale. The frame is not known yet; this allows for a
    // title bar of up to 30 device pixels and borders of 2.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        FitScreenScale(*screen, QMargins(2, 30, 2, 2));
    // Decoded meanwhile: the fonts, translations and the window's build
    // take as long as the pictures.
    PrefetchPictures(DeviceGrid(app.devicePixelRatio()));
    NameApplication();
    InstallFontSubstitutes();
    InstallDanishTranslations(app);
    const QImage icon = LoadPicture(QStringLiteral("MAINICON"));
    if (!icon.isNull()) {
        QIcon appIcon(QPixmap::fromImage(icon));
        // The finer version only where a screen needs it: at 1x nothing
        // larger is read.
        if (const int grid = DeviceGrid(app.devicePixelRatio()); grid > 1)
            appIcon.addPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("MAINICON"), grid)));
        QApplication::setWindowIcon(appIcon);
    }

    std::unique_ptr<TfmBraet> fmBraet = CreateMainWindow();
    EndPicturePrefetch();
    ShowMainWindow(*fmBraet);
    const int exitCode = QApplication::exec();

    // Only now, with no handler of the window running any more, is it safe
    // to destroy it (FormDestroy) and the splash.
    fmBraet.reset();
    FreeSplash();
    if (SoundSystemHangs()) {
        // Everything of the game is closed; only Qt Multimedia's exit
        // handlers would still wait for the silent sound server.
        qCWarning(lcPlatform) << "leaving without the sound system's clean-up";
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    return exitCode;
}
