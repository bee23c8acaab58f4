// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks on the slots: placing, removing and pushing machines, what each
// gesture does to the last run's result, and the floor standing still while
// the plate travels.
#include "floor_fixture.h"

#include "model/machdefs.h"

#include <QApplication>
#include <QWheelEvent>

namespace {

// Hole (2 squares), rotate (135), stripe (medium), empty, hole (3 circles),
// empty, empty, stripe (thick): every machine with a setting of its own, so
// that a moved machine shows whether it kept it.
const std::array<TSlotPlan, 8> StartLine = {{{mcHoles, 4},
                                             {mcRotate, 2},
                                             {mcStripe, 1},
                                             {mcNone, 0},
                                             {mcHoles, 2},
                                             {mcNone, 0},
                                             {mcNone, 0},
                                             {mcStripe, 2}}};

struct TSlotState {
    TMachineRec Machine;
    QStringList Items;
    int Index;
    bool PictureShown;
    QImage Picture;
};

TSlotState StateOf(const TBraetFloor& floor, int i)
{
    const TMachineComp& slot = *floor.FMachines[std::size_t(i)];
    return {slot.FMachine, ItemTexts(slot.FSelector), slot.FSelector->currentIndex(), slot.FPicture->isVisible(),
            slot.FPicture->Canvas()};
}

QToolButton* Tool(const TBraetFloor& floor, const QString& name)
{
    for (QToolButton* b : {floor.sbHuller, floor.sbDrejer, floor.sbStriber, floor.sbTraek, floor.sbSkub})
        if (b->objectName() == name)
            return b;
    return nullptr;
}

} // namespace

class TestFloorGestures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InstallFontSubstitutes(); }

    void removeAndPush_data();
    void removeAndPush();
    void placeMachine_data();
    void placeMachine();
    void noToolSelected();
    void rightButton();
    void guardWhileBusy_data();
    void guardWhileBusy();
    void keyboardChoiceWhenIdle();
    void wheelOnlyWithFocus();
};

void TestFloorGestures::removeAndPush_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("clicked");      // slot number 1..8
    QTest::addColumn<bool>("onPicture");   // click the machine picture instead of the hit area
    QTest::addColumn<QList<int>>("from");  // per slot: the start-line slot it now holds, 0 = empty
    QTest::addColumn<bool>("resultKept");

    QTest::newRow("remove slot 2") << u"sbTraek"_qs << 2 << false << QList<int>{1, 3, 4, 5, 6, 7, 8, 0} << false;
    QTest::newRow("push slot 2") << u"sbSkub"_qs << 2 << false << QList<int>{1, 0, 2, 3, 4, 5, 6, 7} << false;
    QTest::newRow("remove slot 1") << u"sbTraek"_qs << 1 << false << QList<int>{2, 3, 4, 5, 6, 7, 8, 0} << false;
    QTest::newRow("push slot 1") << u"sbSkub"_qs << 1 << false << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << false;
    QTest::newRow("remove on empty slot 4 closes the gap")
        << u"sbTraek"_qs << 4 << false << QList<int>{1, 2, 3, 5, 6, 7, 8, 0} << false;
    QTest::newRow("remove slot 8, hit area") << u"sbTraek"_qs << 8 << false << QList<int>{1, 2, 3, 4, 5, 6, 7, 0} << true;
    QTest::newRow("remove slot 8, picture") << u"sbTraek"_qs << 8 << true << QList<int>{1, 2, 3, 4, 5, 6, 7, 0} << false;
    QTest::newRow("push slot 8") << u"sbSkub"_qs << 8 << false << QList<int>{1, 2, 3, 4, 5, 6, 7, 0} << true;
    QTest::newRow("push slot 5, picture") << u"sbSkub"_qs << 5 << true << QList<int>{1, 2, 3, 4, 0, 5, 6, 7} << false;
}

void TestFloorGestures::removeAndPush()
{
    QFETCH(QString, tool);
    QFETCH(int, clicked);
    QFETCH(bool, onPicture);
    QFETCH(QList<int>, from);
    QFETCH(bool, resultKept);
    auto floor = MakeFloor();
    QVERIFY(floor);
    PlaceLine(*floor, StartLine);
    std::array<TSlotState, 8> before;
    for (int i = 0; i < 8; ++i)
        before[std::size_t(i)] = StateOf(*floor, i);
    FakeRunResult(*floor);

    Tool(*floor, tool)->click();
    QVERIFY(floor->SelectedTool() == Tool(*floor, tool));
    if (onPicture)
        QTest::mouseClick(floor->imContainer[std::size_t(clicked - 1)], Qt::LeftButton, {}, QPoint(40, 24));
    else
        QTest::mousePress(floor->spContainer[std::size_t(clicked - 1)], Qt::LeftButton, {}, QPoint(40, 10));

    for (int i = 0; i < 8; ++i) {
        const TSlotState now = StateOf(*floor, i);
        const QByteArray slotName = "slot " + QByteArray::number(i + 1);
        const char* const where = slotName.constData();
        if (from[i] == 0) {
            QVERIFY2(now.Machine.Kind == mcNone, where);
            QVERIFY2(!now.PictureShown, where);
            QVERIFY2(now.Items.isEmpty(), where);
            continue;
        }
        const TSlotState& was = before[std::size_t(from[i] - 1)];
        QVERIFY2(now.Machine == was.Machine, where);
        QVERIFY2(now.Items == was.Items, where);
        QVERIFY2(now.Index == was.Index, where);
        QVERIFY2(now.PictureShown == was.PictureShown, where);
        if (was.PictureShown)
            QVERIFY2(now.Picture == was.Picture, QByteArray(slotName + " picture").constData());
    }
    QCOMPARE(RunResultKept(*floor), resultKept);
}

void TestFloorGestures::placeMachine_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("slot");
    QTest::addColumn<TMachineRec>("expected");
    QTest::newRow("holes over holes resets the setting") << u"sbHuller"_qs << 0 << TMachineRec{mcHoles, 1, 0};
    QTest::newRow("rotate over rotate") << u"sbDrejer"_qs << 1 << TMachineRec{mcRotate, 0, 0};
    QTest::newRow("stripe over stripe") << u"sbStriber"_qs << 7 << TMachineRec{mcStripe, 0, 0};
    QTest::newRow("rotate over stripe") << u"sbDrejer"_qs << 2 << TMachineRec{mcRotate, 0, 0};
    QTest::newRow("holes into an empty slot") << u"sbHuller"_qs << 5 << TMachineRec{mcHoles, 1, 0};
}

void TestFloorGestures::placeMachine()
{
    QFETCH(QString, tool);
    QFETCH(int, slot);
    QFETCH(TMachineRec, expected);
    auto floor = MakeFloor();
    QVERIFY(floor);
    PlaceLine(*floor, StartLine);
    FakeRunResult(*floor);
    Tool(*floor, tool)->click();
    QTest::mousePress(floor->spContainer[std::size_t(slot)], Qt::LeftButton);
    QCOMPARE(floor->FMachines[std::size_t(slot)]->FMachine, expected);
    QCOMPARE(floor->cbSetting[std::size_t(slot)]->currentIndex(), 0);
    QCOMPARE(ItemTexts(floor->cbSetting[std::size_t(slot)]), SelectorItems(expected.Kind));
    QVERIFY(floor->imContainer[std::size_t(slot)]->isVisible());
    QVERIFY(!RunResultKept(*floor));
    // The other slots are left alone.
    QCOMPARE(floor->FMachines[slot == 0 ? 1 : 0]->FMachine.Kind, std::uint8_t(StartLine[slot == 0 ? 1 : 0].Kind));
}

void TestFloorGestures::noToolSelected()
{
    auto floor = MakeFloor();
    QVERIFY(floor);
    PlaceLine(*floor, StartLine);
    // Raising the tool that is down leaves no tool selected.
    floor->sbSkub->click();
    floor->sbSkub->click();
    QVERIFY(!floor->SelectedTool());
    std::array<TSlotState, 8> before;
    for (int i = 0; i < 8; ++i)
        before[std::size_t(i)] = StateOf(*floor, i);

    FakeRunResult(*floor);
    for (int i = 0; i < 8; ++i)
        QTest::mousePress(floor->spContainer[std::size_t(i)], Qt::LeftButton);
    QVERIFY2(RunResultKept(*floor), "a hit area without a tool does nothing");

    QTest::mouseClick(floor->imContainer[2], Qt::LeftButton);
    QVERIFY2(!RunResultKept(*floor), "a machine picture discards the run's result");
    for (int i = 0; i < 8; ++i) {
        const TSlotState now = StateOf(*floor, i);
        QVERIFY(now.Machine == before[std::size_t(i)].Machine);
        QVERIFY(now.Index == before[std::size_t(i)].Index);
        QVERIFY(now.PictureShown == before[std::size_t(i)].PictureShown);
    }
}

void TestFloorGestures::rightButton()
{
    auto floor = MakeFloor();
    QVERIFY(floor);
    floor->sbDrejer->click();
    QTest::mousePress(floor->spContainer[3], Qt::RightButton);
    QCOMPARE(floor->FMachines[3]->FMachine.Kind, std::uint8_t(mcRotate));

    Choose(*floor, 3, 3);
    floor->sbStriber->click();
    QVERIFY(!floor->sbDrejer->isChecked());
    FakeRunResult(*floor);
    QTest::mouseClick(floor->imContainer[3], Qt::RightButton, {}, QPoint(40, 24));
    QCOMPARE(floor->FMachines[3]->FMachine, (TMachineRec{mcRotate, 3, 0}));
    QVERIFY2(RunResultKept(*floor), "a right click on a picture does nothing");
    QTest::mouseClick(floor->imContainer[3], Qt::LeftButton, {}, QPoint(40, 24));
    QCOMPARE(floor->FMachines[3]->FMachine, (TMachineRec{mcStripe, 0, 0}));

    // A double click on a picture is one complete click: one machine goes.
    floor->sbDrejer->click();
    QTest::mousePress(floor->spContainer[4], Qt::LeftButton);
    floor->sbTraek->click();
    // What a double click brings: press, release, double-click press, release.
    QTest::mouseClick(floor->imContainer[3], Qt::LeftButton, {}, QPoint(40, 24));
    QTest::mouseDClick(floor->imContainer[3], Qt::LeftButton, {}, QPoint(40, 24));
    QTest::mouseRelease(floor->imContainer[3], Qt::LeftButton, {}, QPoint(40, 24));
    QCOMPARE(floor->FMachines[3]->FMachine.Kind, std::uint8_t(mcRotate));
    QCOMPARE(floor->FMachines[4]->FMachine.Kind, std::uint8_t(mcNone));
}

void TestFloorGestures::guardWhileBusy_data()
{
    QTest::addColumn<bool>("sliding");
    QTest::newRow("run") << false;
    QTest::newRow("slide") << true;
}

void TestFloorGestures::guardWhileBusy()
{
    QFETCH(bool, sliding);
    auto floor = MakeFloor();
    QVERIFY(floor);
    PlaceLine(*floor, StartLine);
    std::array<TSlotState, 8> before;
    for (int i = 0; i < 8; ++i)
        before[std::size_t(i)] = StateOf(*floor, i);
    FakeRunResult(*floor);
    (sliding ? floor->FSliding : floor->FRunning) = true;

    for (const QString& tool : {u"sbHuller"_qs, u"sbTraek"_qs, u"sbSkub"_qs}) {
        Tool(*floor, tool)->click();
        QTest::mousePress(floor->spContainer[1], Qt::LeftButton);
        QTest::mouseClick(floor->imContainer[0], Qt::LeftButton, {}, QPoint(40, 24));
    }
    // The player picks other items: the selectors go back to what the slots hold.
    Choose(*floor, 0, 0);
    QTest::keyClick(floor->cbSetting[1], Qt::Key_Down);
    QTest::keyClick(floor->cbSetting[7], Qt::Key_Up);

    for (int i = 0; i < 8; ++i) {
        const TSlotState now = StateOf(*floor, i);
        const QByteArray slotName = "slot " + QByteArray::number(i + 1);
        const char* const where = slotName.constData();
        QVERIFY2(now.Machine == before[std::size_t(i)].Machine, where);
        QVERIFY2(now.Items == before[std::size_t(i)].Items, where);
        QVERIFY2(now.Index == before[std::size_t(i)].Index, where);
        QVERIFY2(now.PictureShown == before[std::size_t(i)].PictureShown, where);
        QVERIFY2(now.Picture == before[std::size_t(i)].Picture, where);
    }
    QVERIFY2(RunResultKept(*floor), "the run's plate belongs to the run");

    // Once the run is over the floor answers again.
    floor->FRunning = floor->FSliding = false;
    QTest::mousePress(floor->spContainer[1], Qt::LeftButton);
    QCOMPARE(floor->FMachines[1]->FMachine.Kind, std::uint8_t(mcNone));
    QVERIFY(!RunResultKept(*floor));
}

void TestFloorGestures::keyboardChoiceWhenIdle()
{
    auto floor = MakeFloor();
    QVERIFY(floor);
    PlaceLine(*floor, StartLine);
    FakeRunResult(*floor);
    QTest::keyClick(floor->cbSetting[1], Qt::Key_Down);
    QCOMPARE(floor->FMachines[1]->FMachine, (TMachineRec{mcRotate, 3, 0}));
    QVERIFY(!RunResultKept(*floor));
    // Set by the program: no change handler, the result stays.
    FakeRunResult(*floor);
    floor->cbSetting[1]->setCurrentIndex(0);
    QCOMPARE(floor->FMachines[1]->FMachine.Setting, std::uint8_t(3));
    QVERIFY(RunResultKept(*floor));
}

void TestFloorGestures::wheelOnlyWithFocus()
{
    auto floor = MakeFloor();
    QVERIFY(floor);
    PlaceLine(*floor, StartLine);
    TSettingSelector* selector = floor->cbSetting[0];
    auto roll = [selector] {
        QWheelEvent wheel(QPointF(40, 10), selector->mapToGlobal(QPointF(40, 10)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(selector, &wheel);
    };
    floor->bbKoerPlade->setFocus();
    roll();
    QCOMPARE(floor->FMachines[0]->FMachine, (TMachineRec{mcHoles, 2, 1}));

    floor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(floor.get()));
    selector->setFocus();
    QTRY_VERIFY(selector->hasFocus());
    roll();
    QCOMPARE(floor->FMachines[0]->FMachine, (TMachineRec{mcHoles, 3, 1}));
}

QTEST_MAIN(TestFloorGestures)
#include "test_floor_gestures.moc"
