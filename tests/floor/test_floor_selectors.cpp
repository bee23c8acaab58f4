// SPDX-License-Identifier: GPL-3.0-or-later
// The selectors' pictures: degrees, hole symbols and blue bars, drawn by the
// item handler into an image and as the player sees them in the list and on
// the closed selector.
#include "floor_fixture.h"

#include <QAbstractItemView>
#include <QPainter>

Q_DECLARE_METATYPE(TMachineKind)

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

// Draws item `index` of a slot holding `kind` into a white image through the
// window's handler, with `rect` as the item rectangle and `brush` as the
// background the list would have set.
QImage DrawnItem(TBraetFloor& floor, TMachineKind kind, int index, const QRect& rect, const QSize& surface,
                 const QColor& brush = Qt::white)
{
    floor.PlaceMachine(*floor.FMachines[0], kind);
    QImage image(surface, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(floor.cbSetting[0]->font());
    painter.setBrush(brush);
    painter.setPen(Qt::black);
    floor.cbSetting1DrawItem(floor.cbSetting[0], index, rect, painter);
    painter.end();
    return image;
}

QRect BoundsOf(const QImage& image, QRgb colour, const QRect& within)
{
    QRect bounds;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (image.pixel(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int CountOf(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

} // namespace

class TestFloorSelectors : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InstallFontSubstitutes(); }

    void holeSymbols_data();
    void holeSymbols();
    void stripeBars_data();
    void stripeBars();
    void rotationTexts_data();
    void rotationTexts();
    void emptySlotDrawsNothing();
    void listAndFace_data();
    void listAndFace();
};

void TestFloorSelectors::holeSymbols_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QList<int>>("xs");
    QTest::addColumn<int>("y");
    // A 78-wide list item: u = 12.
    QTest::newRow("1 circle") << 0 << QRect(0, 0, 78, 13) << QList<int>{36} << 1;
    QTest::newRow("2 circles") << 1 << QRect(0, 0, 78, 13) << QList<int>{12, 60} << 1;
    QTest::newRow("3 circles") << 2 << QRect(0, 0, 78, 13) << QList<int>{12, 36, 60} << 1;
    QTest::newRow("1 square") << 3 << QRect(0, 0, 78, 13) << QList<int>{36} << 1;
    QTest::newRow("2 squares") << 4 << QRect(0, 0, 78, 13) << QList<int>{12, 60} << 1;
    QTest::newRow("3 squares") << 5 << QRect(0, 0, 78, 13) << QList<int>{12, 36, 60} << 1;
    QTest::newRow("3 squares, fourth item") << 5 << QRect(0, 39, 78, 13) << QList<int>{12, 36, 60} << 40;
    // The places count from the surface's edge, not the item's: a face-like
    // rectangle 57 wide from x = 3 gives u = 9 and symbols at 9, 27, 45.
    QTest::newRow("3 circles, face") << 2 << QRect(3, 3, 57, 14) << QList<int>{9, 27, 45} << 5;
}

void TestFloorSelectors::holeSymbols()
{
    QFETCH(int, index);
    QFETCH(QRect, rect);
    QFETCH(QList<int>, xs);
    QFETCH(int, y);
    auto floor = MakeFloor();
    QVERIFY(floor);
    // A red background brush: hole items paint no background.
    const QImage image = DrawnItem(*floor, mcHoles, index, rect, QSize(80, 60), Qt::red);
    QCOMPARE(CountOf(image, qRgb(255, 0, 0)), 0);

    const bool square = index >= 3;
    int inked = 0;
    for (int x : xs) {
        const QRect cell(x - 1, y - 1, 12, 12);
        QCOMPARE(BoundsOf(image, Black, cell), QRect(x, y, 10, 10));
        // A square outline owns its corners; a circle leaves them out and is symmetric.
        QCOMPARE(image.pixel(x, y) == Black, square);
        QCOMPARE(image.pixel(x + 9, y + 9) == Black, square);
        for (int dy = 0; dy < 10; ++dy)
            for (int dx = 0; dx < 10; ++dx)
                QCOMPARE(image.pixel(x + dx, y + dy), image.pixel(x + 9 - dx, y + 9 - dy));
        QVERIFY2(image.pixel(x + 5, y + 5) == White, "an outline, not a filled symbol");
        inked += CountOf(image.copy(cell), Black);
    }
    QCOMPARE(CountOf(image, Black), inked);
}

void TestFloorSelectors::stripeBars_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("bar");
    QTest::newRow("Tynd") << 0 << QRect(0, 0, 78, 13) << QRect(2, 5, 74, 2);
    QTest::newRow("Mellem") << 1 << QRect(0, 0, 78, 13) << QRect(2, 4, 74, 4);
    QTest::newRow("Tyk") << 2 << QRect(0, 0, 78, 13) << QRect(2, 2, 74, 8);
    QTest::newRow("Tyk, third item") << 2 << QRect(0, 26, 78, 13) << QRect(2, 28, 74, 8);
    QTest::newRow("Tyk, face") << 2 << QRect(3, 3, 57, 14) << QRect(5, 6, 53, 8);
}

void TestFloorSelectors::stripeBars()
{
    QFETCH(int, index);
    QFETCH(QRect, rect);
    QFETCH(QRect, bar);
    auto floor = MakeFloor();
    QVERIFY(floor);
    const QImage image = DrawnItem(*floor, mcStripe, index, rect, QSize(80, 60), Qt::red);
    QCOMPARE(BoundsOf(image, Blue, image.rect()), bar);
    QCOMPARE(CountOf(image, Blue), bar.width() * bar.height());
    QCOMPARE(CountOf(image, White), 80 * 60 - bar.width() * bar.height());
}

void TestFloorSelectors::rotationTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("itemText");
    QTest::newRow("45") << 0 << u"45\u00BA"_qs << u"45"_qs;
    QTest::newRow("90") << 1 << u"90\u00BA"_qs << u"90"_qs;
    QTest::newRow("135") << 2 << u"135\u00BA"_qs << u"135"_qs;
    QTest::newRow("180") << 3 << u"180\u00BA"_qs << u"180"_qs;
}

void TestFloorSelectors::rotationTexts()
{
    QFETCH(int, index);
    QFETCH(QString, shown);
    QFETCH(QString, itemText);
    auto floor = MakeFloor();
    QVERIFY(floor);
    const QRect rect(0, 13, 78, 13);
    const QColor selection(10, 36, 106);
    const QImage image = DrawnItem(*floor, mcRotate, index, rect, QSize(78, 39), selection);
    QCOMPARE(floor->cbSetting[0]->itemText(index), itemText);

    // The same text set with its top-left corner at (L + 4, T - 1), clipped to the item.
    auto reference = [&](const QString& text) {
        QImage ref(78, 39, QImage::Format_RGB32);
        ref.fill(Qt::white);
        QPainter p(&ref);
        p.fillRect(rect, selection);
        p.setClipRect(rect);
        p.setFont(floor->cbSetting[0]->font());
        p.setPen(Qt::black);
        p.drawText(QRect(rect.left() + 4, rect.top() - 1, 200, 40), Qt::AlignLeft | Qt::AlignTop, text);
        return ref;
    };
    QCOMPARE(image, reference(shown));
    QVERIFY(image != reference(itemText));
    // The background fills the whole item and nothing outside it.
    QCOMPARE(BoundsOf(image, selection.rgb(), image.rect()), rect);
    QCOMPARE(CountOf(image, White), 78 * 26);
}

void TestFloorSelectors::emptySlotDrawsNothing()
{
    auto floor = MakeFloor();
    QVERIFY(floor);
    floor->PlaceMachine(*floor->FMachines[0], mcStripe);
    floor->ClearSlot(0);
    QImage image(78, 13, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setBrush(Qt::red);
    floor->cbSetting1DrawItem(floor->cbSetting[0], 0, image.rect(), painter);
    painter.end();
    QCOMPARE(CountOf(image, White), 78 * 13);
}

void TestFloorSelectors::listAndFace_data()
{
    QTest::addColumn<TMachineKind>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRgb>("ink");
    QTest::newRow("stripes") << mcStripe << 2 << Blue;
    QTest::newRow("holes") << mcHoles << 5 << Black;
    QTest::newRow("rotation") << mcRotate << 1 << Black;
}

// What the player sees: each item of the dropped-down list, 13 pixels high,
// and the closed selector showing the chosen item through the same handler.
void TestFloorSelectors::listAndFace()
{
    QFETCH(TMachineKind, kind);
    QFETCH(int, index);
    QFETCH(QRgb, ink);
    auto floor = MakeFloor();
    QVERIFY(floor);
    TSettingSelector* selector = floor->cbSetting[5];
    floor->PlaceMachine(*floor->FMachines[5], kind);
    Choose(*floor, 5, index);
    QCOMPARE(selector->currentIndex(), index);

    // The closed face: nothing of the item's text, the picture of the item.
    const QImage face = selector->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect faceRect = selector->FaceRect();
    QVERIFY(!faceRect.isEmpty());
    QVERIFY(BoundsOf(face, ink, faceRect).isValid());
    if (kind != mcRotate) {
        TBraetFloor plain;
        QImage expected(face.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter p(&expected);
        p.setClipRect(faceRect);
        plain.cbSetting[0]->FSlot = floor->FMachines[5].get();
        plain.cbSetting1DrawItem(plain.cbSetting[0], index, faceRect, p);
        p.end();
        QCOMPARE(face.copy(faceRect), expected.copy(faceRect));
    }

    selector->showPopup();
    QAbstractItemView* view = selector->view();
    QTRY_VERIFY(view->isVisible());
    QCOMPARE(view->model()->rowCount(), selector->count());
    for (int row = 0; row < selector->count(); ++row)
        QCOMPARE(view->visualRect(view->model()->index(row, 0)).height(), TSettingSelector::ItemHeight);
    const QImage list = view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect last = view->visualRect(view->model()->index(selector->count() - 1, 0));
    QVERIFY(BoundsOf(list, ink, last).isValid());
    QVERIFY(view->visualRect(view->model()->index(0, 0)).bottom() < BoundsOf(list, ink, last).top());
    selector->hidePopup();
}

QTEST_MAIN(TestFloorSelectors)
#include "test_floor_selectors.moc"
