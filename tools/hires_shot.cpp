// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the game through the pictures worth checking at a scale factor and
// saves the whole screen at each: splash, factory with machines, a run (a
// machine playing, the bar), task and produced plate, an open selector, the
// about box, the guide and the "Luk?" question.
//   QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2048x1536x24" vorlen-hires-shot <out-dir>
#include "floor/hitarea.h"
#include "floor/settingselector.h"
#include "game/braet.h"
#include "app/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

namespace {

QString gFolder;

void Shot(const QString& name)
{
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(gFolder).filePath(name + QStringLiteral(".png")));
}

void ShotAt(int ms, const QString& name)
{
    QTimer::singleShot(ms, [name] { Shot(name); });
}

void Place(TfmBraet& w, int slot, QToolButton* tool, int item)
{
    if (!tool->isChecked())
        QTest::mouseClick(tool, Qt::LeftButton);
    QTest::mouseClick(w.spContainer[std::size_t(slot - 1)], Qt::LeftButton, {}, QPoint(40, 10));
    TSettingSelector* selector = w.cbSetting[std::size_t(slot - 1)];
    selector->setCurrentIndex(item);
    Q_EMIT selector->Chosen(selector);
}

// Takes a shot of the modal dialog the next call opens, then presses `button`.
void ShootDialogSoon(const QString& name, const QString& button)
{
    QTimer::singleShot(700, [name, button] {
        Shot(name);
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            if (auto* b = dialog->findChild<QAbstractButton*>(button))
                b->click();
            else
                dialog->close();
        }
    });
}

void Drive()
{
    TfmBraet* w = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<TfmBraet*>(top))
            w = form;
    if (!w) {
        QApplication::exit(1);
        return;
    }
    QTest::qWait(3500); // the splash goes
    w->activateWindow();
    QTest::qWait(300);
    Shot(QStringLiteral("02-factory"));

    // Holes and a stripe, turned 45 degrees, another stripe: straight and
    // diagonal edges, round and square holes.
    Place(*w, 1, w->sbHuller, 4);
    Place(*w, 2, w->sbStriber, 1);
    Place(*w, 3, w->sbDrejer, 0);
    Place(*w, 4, w->sbStriber, 2);
    Place(*w, 5, w->sbHuller, 0);
    QTest::mouseClick(w->sbHuller, Qt::LeftButton);
    QTest::qWait(200);
    Shot(QStringLiteral("03-machines"));
    for (int i = 0; i < 16; ++i)
        ShotAt(500 + 500 * i, QStringLiteral("04-run-%1").arg(i, 2, 10, QLatin1Char('0')));
    QTest::mouseClick(w->bbKoerPlade, Qt::LeftButton);
    QTest::qWait(300);
    Shot(QStringLiteral("07-produced"));

    QTest::mouseClick(w->bbOverfoerPlade, Qt::LeftButton);
    Place(*w, 1, w->sbHuller, 2);
    Place(*w, 2, w->sbDrejer, 0);
    Place(*w, 3, w->sbStriber, 0);
    QTest::mouseClick(w->sbStriber, Qt::LeftButton);
    QTest::mouseClick(w->bbKoerPlade, Qt::LeftButton);
    QTest::qWait(300);
    Shot(QStringLiteral("08-task-and-plate"));

    w->cbSetting[0]->setFocus();
    w->cbSetting[0]->showPopup();
    QTest::qWait(500);
    Shot(QStringLiteral("09-selector"));
    w->cbSetting[0]->hidePopup();

    ShootDialogSoon(QStringLiteral("10-about"), QStringLiteral("OKButton"));
    w->OmVorlen1Click();

    w->Vejledning1Click();
    QTest::qWait(1200);
    Shot(QStringLiteral("11-guide"));
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != w && top->isVisible() && top->objectName() != QStringLiteral("fmSplash"))
            top->close();

    ShootDialogSoon(QStringLiteral("12-close-question"), QStringLiteral("NO"));
    w->close();
    QTest::qWait(300);
    QApplication::exit(0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    gFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(gFolder);
    ShotAt(900, QStringLiteral("01-splash"));
    QTimer::singleShot(300, [] { Drive(); });
    return VorlenRun(app);
}
