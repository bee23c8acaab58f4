// SPDX-License-Identifier: GPL-3.0-or-later
// The eight slots: where they stand, how they are built, the record and the
// still picture that follow a chosen setting, and discarding the run's result.
#include "floor_fixture.h"

#include "floor/windowsize.h"
#include "model/machdefs.h"
#include "shell/gifplayer.h"

Q_DECLARE_METATYPE(TMachineKind)

class TestFloorSlots : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InstallFontSubstitutes(); }

    void slotsAreBuiltAtFirstActivationOnly();
    void platformActivationGrowsByTheFrame();
    void geometry_data();
    void geometry();
    void selectorItems_data();
    void selectorItems();
    void choosingRecords_data();
    void choosingRecords();
    void stillPicture_data();
    void stillPicture();
    void choosingDiscardsRunResult();
    void clearPlatePutsOutLitLamp_data();
    void clearPlatePutsOutLitLamp();
    void emptySlotInvariant();
};

void TestFloorSlots::slotsAreBuiltAtFirstActivationOnly()
{
    TBraetFloor floor;
    QVERIFY(floor.FMachines.empty());
    floor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&floor));
    floor.FormActivate();
    QCOMPARE(floor.FMachines.size(), std::size_t(8));
    const TMachineComp* first = floor.FMachines.front().get();
    floor.FormActivate();
    QCOMPARE(floor.FMachines.size(), std::size_t(8));
    QCOMPARE(floor.FMachines.front().get(), first);

    for (std::size_t i = 0; i < 8; ++i) {
        const TMachineComp& slot = *floor.FMachines[i];
        QCOMPARE(slot.FMachine, (TMachineRec{mcNone, 0, 0}));
        QCOMPARE(slot.FHitArea, floor.spContainer[i]);
        QCOMPARE(slot.FPicture, floor.imContainer[i]);
        QCOMPARE(slot.FSelector, floor.cbSetting[i]);
        QCOMPARE(slot.FHitArea->FSlot, &slot);
        QCOMPARE(slot.FPicture->FSlot, &slot);
        QCOMPARE(slot.FSelector->FSlot, &slot);
        QVERIFY(!slot.FAnimation->Loop());
        QVERIFY(slot.FPicture->isHidden());
        QVERIFY(slot.FSelector->isVisible());
        QCOMPARE(slot.FSelector->count(), 0);
    }
}

void TestFloorSlots::platformActivationGrowsByTheFrame()
{
    // openbox: 1 px borders, 20 px title bar. The outer size is grown to
    // 800 x 600, the client not beyond that.
    QCOMPARE(GrownClientSize(QSize(792, 573), QMargins(1, 20, 1, 1)), QSize(798, 579));
    QCOMPARE(GrownClientSize(QSize(798, 579), QMargins(1, 20, 1, 1)), QSize(798, 579));
    QCOMPARE(GrownClientSize(QSize(792, 573), QMargins(4, 30, 4, 4)), QSize(792, 573));
    QCOMPARE(GrownClientSize(QSize(792, 573), QMargins()), QSize(800, 600));

    // No one calls FormActivate here: the platform's activation builds the
    // slots and grows the window by its outer size.
    TBraetFloor floor;
    floor.show();
    floor.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&floor));
    QCOMPARE(floor.FMachines.size(), std::size_t(8));
    QCOMPARE(floor.frameGeometry().size(), QSize(800, 600));
}

void TestFloorSlots::geometry_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QRect>("hitArea");
    QTest::addColumn<QRect>("picture");
    QTest::addColumn<QRect>("selector");
    QTest::newRow("1") << 1 << QRect(208, 164, 80, 80) << QRect(208, 196, 80, 48) << QRect(208, 244, 80, 20);
    QTest::newRow("2") << 2 << QRect(304, 164, 80, 80) << QRect(304, 196, 80, 48) << QRect(304, 244, 80, 20);
    QTest::newRow("3") << 3 << QRect(400, 164, 80, 80) << QRect(400, 196, 80, 48) << QRect(400, 244, 80, 20);
    QTest::newRow("4") << 4 << QRect(496, 164, 80, 80) << QRect(496, 196, 80, 48) << QRect(496, 244, 80, 20);
    QTest::newRow("5") << 5 << QRect(208, 314, 80, 80) << QRect(208, 346, 80, 48) << QRect(208, 394, 80, 20);
    QTest::newRow("6") << 6 << QRect(304, 314, 80, 80) << QRect(304, 346, 80, 48) << QRect(304, 394, 80, 20);
    QTest::newRow("7") << 7 << QRect(400, 314, 80, 80) << QRect(400, 346, 80, 48) << QRect(400, 394, 80, 20);
    QTest::newRow("8") << 8 << QRect(496, 314, 80, 80) << QRect(496, 346, 80, 48) << QRect(496, 394, 80, 20);
}

void TestFloorSlots::geometry()
{
    QFETCH(int, slot);
    QFETCH(QRect, hitArea);
    QFETCH(QRect, picture);
    QFETCH(QRect, selector);
    auto floor = MakeFloor();
    QVERIFY(floor);
    const TMachineComp& s = *floor->FMachines[std::size_t(slot - 1)];
    QCOMPARE(s.FHitArea->geometry(), hitArea);
    QCOMPARE(s.FPicture->geometry(), picture);
    QCOMPARE(s.FSelector->geometry(), selector);
    QCOMPARE(s.FHitArea->objectName(), QStringLiteral("spContainer%1").arg(slot));
    QCOMPARE(s.FPicture->objectName(), QStringLiteral("imContainer%1").arg(slot));
    QCOMPARE(s.FSelector->objectName(), QStringLiteral("cbSetting%1").arg(slot));
    // Back to front: factory picture, hit area, picture; the selector above all drawn elements.
    const QObjectList& z = floor->children();
    QVERIFY(z.indexOf(floor->ImageVorlen) < z.indexOf(s.FHitArea));
    QVERIFY(z.indexOf(s.FHitArea) < z.indexOf(s.FPicture));
    QVERIFY(z.indexOf(s.FPicture) < z.indexOf(s.FSelector));
}

void TestFloorSlots::selectorItems_data()
{
    QTest::addColumn<TMachineKind>("kind");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("rotate") << mcRotate << QStringList{u"45"_qs, u"90"_qs, u"135"_qs, u"180"_qs};
    QTest::newRow("holes") << mcHoles
                           << QStringList{u"1 Cirkel"_qs, u"2 Cirkel"_qs, u"3 Cirkel"_qs,
                                          u"1 Firkant"_qs, u"2 Firkant"_qs, u"3 Firkant"_qs};
    QTest::newRow("stripe, no \"Ingen\"") << mcStripe << QStringList{u"Tynd"_qs, u"Mellem"_qs, u"Tyk"_qs};
}

void TestFloorSlots::selectorItems()
{
    QFETCH(TMachineKind, kind);
    QFETCH(QStringList, items);
    auto floor = MakeFloor();
    QVERIFY(floor);
    floor->PlaceMachine(*floor->FMachines[2], kind);
    QCOMPARE(ItemTexts(floor->cbSetting[2]), items);
    QCOMPARE(floor->cbSetting[2]->currentIndex(), 0);
    // The list is made at the first drop-down, with the items' height.
    floor->cbSetting[2]->showPopup();
    QCOMPARE(floor->cbSetting[2]->view()->sizeHintForRow(0), TSettingSelector::ItemHeight);
    floor->cbSetting[2]->hidePopup();
}

void TestFloorSlots::choosingRecords_data()
{
    QTest::addColumn<TMachineKind>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("shape");
    QTest::newRow("45 degrees") << mcRotate << 0 << 0 << 0;
    QTest::newRow("180 degrees") << mcRotate << 3 << 3 << 0;
    QTest::newRow("1 circle") << mcHoles << 0 << 1 << 0;
    QTest::newRow("3 circles") << mcHoles << 2 << 3 << 0;
    QTest::newRow("1 square") << mcHoles << 3 << 1 << 1;
    QTest::newRow("2 squares") << mcHoles << 4 << 2 << 1;
    QTest::newRow("3 squares") << mcHoles << 5 << 3 << 1;
    QTest::newRow("thin") << mcStripe << 0 << 0 << 0;
    QTest::newRow("thick") << mcStripe << 2 << 2 << 0;
}

void TestFloorSlots::choosingRecords()
{
    QFETCH(TMachineKind, kind);
    QFETCH(int, index);
    QFETCH(int, setting);
    QFETCH(int, shape);
    auto floor = MakeFloor();
    QVERIFY(floor);
    floor->PlaceMachine(*floor->FMachines[6], kind);
    Choose(*floor, 6, index);
    QCOMPARE(floor->FMachines[6]->FMachine, (TMachineRec{std::uint8_t(kind), std::uint8_t(setting), std::uint8_t(shape)}));
    QVERIFY(floor->imContainer[6]->isVisible());
    // Back to the first item: a hole machine returns to one circular hole.
    Choose(*floor, 6, 0);
    QCOMPARE(floor->FMachines[6]->FMachine.Setting, std::uint8_t(kind == mcHoles ? 1 : 0));
    QCOMPARE(floor->FMachines[6]->FMachine.Shape, std::uint8_t(kind == mcHoles ? 0 : shape));
}

void TestFloorSlots::stillPicture_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<TMachineKind>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("width");
    QTest::newRow("DREJER45") << 0 << mcRotate << 0 << u"DREJER45"_qs << 80;
    QTest::newRow("DREJER90") << 1 << mcRotate << 1 << u"DREJER90"_qs << 80;
    QTest::newRow("DREJER135") << 2 << mcRotate << 2 << u"DREJER135"_qs << 80;
    QTest::newRow("DREJER180") << 7 << mcRotate << 3 << u"DREJER180"_qs << 80;
    QTest::newRow("HULLER, 1 circle") << 3 << mcHoles << 0 << u"HULLER1"_qs << 98;
    QTest::newRow("HULLER, 3 squares") << 4 << mcHoles << 5 << u"HULLER1"_qs << 98;
    QTest::newRow("MALER1") << 5 << mcStripe << 0 << u"MALER1"_qs << 74;
    QTest::newRow("MALER2") << 6 << mcStripe << 1 << u"MALER2"_qs << 74;
    QTest::newRow("MALER3") << 4 << mcStripe << 2 << u"MALER3"_qs << 74;
}

// The picture is the floor behind the slot with the animation's first frame
// centred over it: opaque frame pixels replace the floor, transparent ones
// (and the margins of a narrow frame) leave it showing, and a wide frame
// loses the same number of columns on each side.
void TestFloorSlots::stillPicture()
{
    QFETCH(int, slot);
    QFETCH(TMachineKind, kind);
    QFETCH(int, index);
    QFETCH(QString, resource);
    QFETCH(int, width);
    auto floor = MakeFloor();
    QVERIFY(floor);
    floor->PlaceMachine(*floor->FMachines[std::size_t(slot)], kind);
    Choose(*floor, slot, index);

    TGifAnimation reference;
    QVERIFY(reference.LoadFromResource(resource));
    QCOMPARE(reference.Width(), width);
    QCOMPARE(reference.Height(), 48);
    QCOMPARE(floor->FMachines[std::size_t(slot)]->FAnimation->Width(), width);
    QVERIFY(!floor->FMachines[std::size_t(slot)]->FAnimation->Animate());
    // The frame over black and over white: where both agree the frame is opaque.
    QImage overBlack(width, 48, QImage::Format_RGB32);
    overBlack.fill(Qt::black);
    QImage overWhite(width, 48, QImage::Format_RGB32);
    overWhite.fill(Qt::white);
    reference.DrawFirstFrame(overBlack, overBlack.rect());
    reference.DrawFirstFrame(overWhite, overWhite.rect());

    const TPictureBox* picture = floor->imContainer[std::size_t(slot)];
    QVERIFY(picture->isVisible());
    const QImage shown = picture->Canvas().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(80, 48));
    const QImage factory = LoadPicture(u"ImageVorlen"_qs).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!factory.isNull());
    const int d = (width - 80) / 2;
    int opaque = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 80; ++x) {
            const int fx = x + d;
            const QRgb floorPixel = factory.pixel(picture->x() + x, picture->y() - 40 + y);
            const bool inFrame = fx >= 0 && fx < width;
            const bool frameOpaque = inFrame && overBlack.pixel(fx, y) == overWhite.pixel(fx, y);
            const QRgb expected = frameOpaque ? overBlack.pixel(fx, y) : floorPixel;
            if (frameOpaque)
                ++opaque;
            if (shown.pixel(x, y) != expected)
                QFAIL(qPrintable(u"pixel (%1, %2)"_qs.arg(x).arg(y)));
        }
    QVERIFY2(opaque > 80 * 48 / 10, "the machine is hardly visible");
    QVERIFY2(opaque < 80 * 48, "no floor shows through");
}

void TestFloorSlots::choosingDiscardsRunResult()
{
    auto floor = MakeFloor();
    QVERIFY(floor);
    floor->PlaceMachine(*floor->FMachines[0], mcStripe);
    FakeRunResult(*floor);
    const QImage before = floor->imContainer[0]->Canvas();
    Choose(*floor, 0, 2);
    QVERIFY(!floor->FProducedPlate);
    QVERIFY(!floor->FPlateBox);
    QVERIFY(floor->imContainer[0]->Canvas() != before);
}

void TestFloorSlots::clearPlatePutsOutLitLamp_data()
{
    QTest::addColumn<int>("verdict");
    QTest::addColumn<bool>("lit");
    QTest::newRow("green lit") << int(vdRight) << true;
    QTest::newRow("red lit") << int(vdWrong) << true;
    QTest::newRow("red dark") << int(vdWrong) << false;
}

void TestFloorSlots::clearPlatePutsOutLitLamp()
{
    QFETCH(int, verdict);
    QFETCH(bool, lit);
    auto floor = MakeFloor();
    QVERIFY(floor);
    FakeRunResult(*floor);
    floor->FVerdict = TVerdict(verdict);
    floor->FLampLit = lit;
    QWidget* litPicture = verdict == vdRight ? floor->imGroenTaend : floor->imRoedTaend;
    QWidget* darkPicture = verdict == vdRight ? floor->imGroenSluk : floor->imRoedSluk;
    if (lit)
        floor->BringToFront(litPicture);
    floor->LightTimer->start();

    floor->ClearPlate();
    QVERIFY(!floor->FProducedPlate);
    QVERIFY(!floor->FPlateBox);
    QVERIFY(!floor->FLampLit);
    const QObjectList& z = floor->children();
    QVERIFY(z.indexOf(darkPicture) > z.indexOf(litPicture));
    QVERIFY2(floor->LightTimer->isActive(), "the blinking goes on");
    floor->ClearPlate(); // nothing left to discard: harmless
    QVERIFY(!floor->FProducedPlate);
}

void TestFloorSlots::emptySlotInvariant()
{
    auto floor = MakeFloor();
    QVERIFY(floor);
    floor->PlaceMachine(*floor->FMachines[4], mcHoles);
    Choose(*floor, 4, 4);
    FakeRunResult(*floor);
    floor->ClearSlot(4);
    const TMachineComp& slot = *floor->FMachines[4];
    QCOMPARE(slot.FMachine.Kind, std::uint8_t(mcNone));
    QVERIFY(slot.FPicture->isHidden());
    QCOMPARE(slot.FSelector->count(), 0);
    QVERIFY(slot.FSelector->isVisible());
    QVERIFY2(RunResultKept(*floor), "clearing a slot keeps the run's result");

    floor->PlaceMachine(*floor->FMachines[1], mcRotate);
    FakeRunResult(*floor);
    floor->ClearAllSlots();
    for (const auto& s : floor->FMachines) {
        QCOMPARE(s->FMachine.Kind, std::uint8_t(mcNone));
        QVERIFY(s->FPicture->isHidden());
        QCOMPARE(s->FSelector->count(), 0);
    }
    QVERIFY(RunResultKept(*floor));
}

QTEST_MAIN(TestFloorSlots)
#include "test_floor_slots.moc"
