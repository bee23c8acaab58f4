// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startup.h"

#include "floor/picturebox.h"
#include "game/braet.h"
#include "game/classroom.h"
#include "shell/about.h"
#include "shell/fonts.h"
#include "shell/resources.h"
#include "shell/splash.h"
#include "shell/startup_steps.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

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

void FormCreate(TfmBraet& form)
{
    ShowSplash(form.Image2->Canvas());
    // Paint the splash now: the event loop only starts after the about box.
    QCoreApplication::processEvents();
}

std::unique_ptr<TfmBraet> CreateMainWindow()
{
    auto form = std::make_unique<TfmBraet>();
    FormCreate(*form);
    form->fmAbout = new TfmAbout(form.get());
    InstallClassroom(*form);
    return form;
}

void ShowMainWindow(TfmBraet& form)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    const auto centre = [&form, &area](const QSize& outer) {
        form.move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    };
    // Before the first showing the frame is not known; the window grows to at
    // least 800 x 600 as it is shown, so centre on that and correct after.
    centre(form.size().expandedTo(QSize(800, 600)));
    form.show();
    const QSize outer = form.frameGeometry().size();
    if (form.pos() != QPoint(area.x() + (area.width() - outer.width()) / 2,
                             area.y() + (area.height() - outer.height()) / 2))
        centre(outer);
    // Without a window manager nobody activates the window, and the first
    // activation is what builds the machine slots.
    form.activateWindow();
    RaiseSplash();
}

int VorlenMain(int argc, char** argv)
{
    QApplication app(argc, argv);
    return VorlenRun(app);
}

int VorlenRun(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Vorlen"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vorlen"));
    InstallFontSubstitutes();
    InstallDanishTranslations(app);
    const QImage icon = LoadPicture(QStringLiteral("MAINICON"));
    if (!icon.isNull())
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon)));

    std::unique_ptr<TfmBraet> fmBraet = CreateMainWindow();
    ShowMainWindow(*fmBraet);
    const int exitCode = QApplication::exec();

    // Only now, with no handler of the window running any more, is it safe
    // to destroy it (FormDestroy) and the splash.
    fmBraet.reset();
    FreeSplash();
    return exitCode;
}
