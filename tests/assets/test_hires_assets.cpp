// SPDX-License-Identifier: GPL-3.0-or-later
// The high-resolution versions beside the 1x resources: one for every
// picture and animation, of exactly two and three times the size, and
// animations that play in the same time with the same frames.
#include "model/draw_grid.h"
#include "shell/gifplayer.h"
#include "shell/picture_prefetch.h"
#include "shell/resources.h"
#include "support/testclock.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTest>

class THiResAssetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyPictureComesAtEveryGrid();
    void animationsKeepTheirFramesAndTiming();
    void oneXResourcesUnchanged();
    void fractionalRatiosUseTheNextLargerGrid();
    void prefetchedPicturesAreThePictures();
};

namespace {

QStringList Names(const QString& folder)
{
    QStringList names;
    for (QDirIterator it(folder); it.hasNext();) {
        const QString name = it.nextFileInfo().fileName();
        if (!name.contains(u'@'))
            names << name;
    }
    names.sort();
    return names;
}

} // namespace

void THiResAssetsTest::everyPictureComesAtEveryGrid()
{
    const QStringList names = Names(QStringLiteral(":/pictures"));
    QVERIFY(names.size() >= 25);
    for (const QString& name : names) {
        const QImage one = LoadPicture(name);
        for (int grid : {2, 3}) {
            const QString fine = name + u'@' + QString::number(grid) + u'x';
            // A real drawing, not the 1x picture enlarged by the loader.
            const QImage picture = LoadPicture(name, grid);
            QVERIFY2(QFile::exists(u":/pictures/" + fine), qPrintable(fine));
            QCOMPARE(picture.size(), one.size() * grid);
            QCOMPARE(picture.devicePixelRatio(), qreal(grid));
        }
    }
    for (const char* speaker : {"LOUDSPEAKER", "NOLOUDSPEAKER"})
        QCOMPARE(LoadPicture(QString::fromLatin1(speaker), 2).size(), QSize(50, 50));
}

void THiResAssetsTest::animationsKeepTheirFramesAndTiming()
{
    TTestClock clock;
    const QStringList names = Names(QStringLiteral(":/res/GIF"));
    QCOMPARE(names.size(), 8);
    for (const QString& name : names) {
        TGifAnimation one;
        QVERIFY(one.LoadFromResource(name));
        for (int grid : {2, 3}) {
            TGifAnimation fine;
            QVERIFY(fine.LoadFromResource(name, grid));
            QCOMPARE(fine.Grid(), grid);
            QCOMPARE(fine.Width(), one.Width());
            QCOMPARE(fine.Height(), one.Height());
            QCOMPARE(fine.FrameCount(), one.FrameCount());
            for (int i = 0; i < one.FrameCount(); ++i)
                QCOMPARE(fine.FrameDelay(i), one.FrameDelay(i));

            // Played on a canvas of its grid, the last frame is the machine
            // at rest, as the first (and as the 1x animation shows it).
            QImage first(QSize(one.Width(), one.Height()) * grid, QImage::Format_ARGB32_Premultiplied);
            first.setDevicePixelRatio(grid);
            first.fill(Qt::transparent);
            QImage played = first;
            const QRect area(0, 0, one.Width(), one.Height());
            fine.DrawFirstFrame(first, area);
            fine.SetAnimate(true);
            int shown = 0;
            fine.Play(played, area, [&shown] { ++shown; });
            QCOMPARE(shown, one.FrameCount());
            QCOMPARE(played.devicePixelRatio(), qreal(grid));
            QCOMPARE(played, first);
        }
    }
}

void THiResAssetsTest::oneXResourcesUnchanged()
{
    const struct {
        const char* path;
        const char* sha1;
    } files[] = {
#include "hires_assets_1x.inc"
    };
    int checked = 0;
    for (const auto& f : files) {
        QFile file(QString::fromLatin1(f.path));
        QVERIFY2(file.open(QIODevice::ReadOnly), f.path);
        QCOMPARE(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex(), QByteArray(f.sha1));
        ++checked;
    }
    QVERIFY(checked >= 39);
}

void THiResAssetsTest::fractionalRatiosUseTheNextLargerGrid()
{
    QCOMPARE(DeviceGrid(1.0), 1);
    QCOMPARE(DeviceGrid(1.25), 2);
    QCOMPARE(DeviceGrid(1.5), 2);
    QCOMPARE(DeviceGrid(2.0), 2);
    QCOMPARE(DeviceGrid(2.5), 3);
    QCOMPARE(DeviceGrid(3.0), 3);
    QCOMPARE(DeviceGrid(4.0), 3); // no larger version: the largest, scaled
}

// The second thread decodes the window's pictures while the window is built.
// Whatever state a picture is in when it is asked for (decoded, being
// decoded, not begun), it is the same picture, handed out once; ending the
// prefetch with pictures left over is clean.
void THiResAssetsTest::prefetchedPicturesAreThePictures()
{
    for (int grid : {1, 2}) {
        QMap<QString, QImage> expected;
        for (const QString& name : Names(QStringLiteral(":/pictures"))) {
            expected[name] = LoadPicture(name);
            if (grid > 1)
                expected[name + u"@2x"] = LoadPicture(name + u"@2x");
        }
        PrefetchPictures(grid);
        // The last first: those the thread comes to last are decoded here.
        const QStringList names = expected.keys();
        for (auto name = names.crbegin(); name != names.crend(); ++name) {
            const QImage picture = LoadPicture(*name);
            QVERIFY2(!picture.isNull(), qPrintable(*name));
            QCOMPARE(picture, expected[*name]);
        }
        // Taken once: the next time it is read again.
        QVERIFY(!TakePrefetchedPicture(QStringLiteral(":/pictures/ImageVorlen")));
        QCOMPARE(LoadPicture(QStringLiteral("ImageVorlen")), expected[QStringLiteral("ImageVorlen")]);
        EndPicturePrefetch();
    }
    PrefetchPictures(2);
    QCOMPARE(LoadPicture(QStringLiteral("bbLet@2x")), LoadPicture(QStringLiteral("bbLet@2x")));
    EndPicturePrefetch(); // with the rest still on the thread or waiting
    QVERIFY(!TakePrefetchedPicture(QStringLiteral(":/pictures/ImageVorlen@2x")));
}

QTEST_MAIN(THiResAssetsTest)
#include "test_hires_assets.moc"
