// SPDX-License-Identifier: GPL-3.0-or-later
// Puts machines of every kind and setting on the factory floor, opens one
// selector's list and writes pictures of it all, for checking by eye:
//   vorlen-floor-shot <out-dir> [hold-ms]
// writes floor.png (the window), list.png (the screen with a list dropped
// down) and then keeps the window open for hold-ms so that a screenshot can
// be taken from outside.
#include "floor/braet_floor.h"
#include "floor/settingselector.h"
#include "base/delay.h"
#include "shell/fonts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    if (argc < 2) {
        std::fprintf(stderr, "usage: vorlen-floor-shot <out-dir> [hold-ms]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const int hold = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;

    TBraetFloor floor;
    floor.move(0, 0);
    floor.show();
    floor.activateWindow();
    Delay(300);
    floor.FormActivate();

    // Slot by slot: kind and chosen item.
    const struct {
        TMachineKind Kind;
        int Index;
    } line[8] = {{mcHoles, 5}, {mcRotate, 1}, {mcStripe, 2}, {mcHoles, 1},
                 {mcRotate, 3}, {mcStripe, 0}, {mcHoles, 3}, {mcStripe, 1}};
    for (int i = 0; i < 8; ++i) {
        floor.PlaceMachine(*floor.FMachines[std::size_t(i)], line[i].Kind);
        TSettingSelector* selector = floor.cbSetting[std::size_t(i)];
        selector->setCurrentIndex(line[i].Index);
        floor.cbSettingChange(selector);
    }
    Delay(200);
    const bool ok1 = floor.grab().save(out.filePath(QStringLiteral("floor.png")));

    floor.cbSetting[0]->setFocus();
    floor.cbSetting[0]->showPopup();
    Delay(300);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    const bool ok2 = screen.save(out.filePath(QStringLiteral("list.png")));
    const bool ok3 =
        floor.cbSetting[0]->view()->window()->grab().save(out.filePath(QStringLiteral("list-popup.png")));
    std::printf("list item width %d, height %d\n", floor.cbSetting[0]->view()->visualRect(floor.cbSetting[0]->model()->index(0, 0)).width(),
                floor.cbSetting[0]->view()->visualRect(floor.cbSetting[0]->model()->index(0, 0)).height());
    std::fflush(stdout);
    if (hold > 0)
        Delay(std::uint32_t(hold));
    return ok1 && ok2 && ok3 ? 0 : 1;
}
