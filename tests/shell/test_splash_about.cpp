// SPDX-License-Identifier: GPL-3.0-or-later
// The splash, the about box and the help window with its guide.
#include "shell/about.h"
#include "base/delay.h"
#include "support/dialogs.h"
#include "shell/fonts.h"
#include "shell/helpwindow.h"
#include "shell/splash.h"
#include "support/testclock.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include <functional>

namespace {

QImage Picture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(180, 190, 200));
    return image;
}

QPoint ScreenCentre()
{
    return QGuiApplication::primaryScreen()->geometry().center();
}

QString HelpText()
{
    QFile file(QStringLiteral(VORLEN_SOURCE_DIR "/docs/help/Vorlen.HLP"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestSplashAbout : public QObject {
    Q_OBJECT
    TTestClock FClock;

private Q_SLOTS:
    void initTestCase() { InstallFontSubstitutes(); }
    void cleanup() { FreeSplash(); }

    void splashTakesThePictureSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("splash picture") << QSize(270, 220);
        QTest::newRow("other picture") << QSize(120, 64);
    }
    void splashTakesThePictureSize()
    {
        QFETCH(QSize, size);
        ShowSplash(Picture(size.width(), size.height()));
        QVERIFY(fmSplash);
        QVERIFY(fmSplash->isVisible());
        QCOMPARE(fmSplash->size(), size);
        QCOMPARE(fmSplash->Image1->geometry(), QRect(QPoint(0, 0), size));
        QCOMPARE(fmSplash->Image1->pixmap().size(), size);
        QVERIFY((fmSplash->geometry().center() - ScreenCentre()).manhattanLength() <= 2);
        QVERIFY(fmSplash->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(fmSplash->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    void splashClosesOnClickOrCharacterKey_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("closes");
        QTest::newRow("left click") << QStringLiteral("click") << true;
        QTest::newRow("right click") << QStringLiteral("right") << false;
        QTest::newRow("letter") << QStringLiteral("a") << true;
        QTest::newRow("space") << QStringLiteral("space") << true;
        QTest::newRow("shift alone") << QStringLiteral("shift") << false;
    }
    void splashClosesOnClickOrCharacterKey()
    {
        QFETCH(QString, gesture);
        QFETCH(bool, closes);
        ShowSplash(Picture(270, 220));
        QVERIFY(QTest::qWaitForWindowExposed(fmSplash));
        if (gesture == u"click")
            QTest::mouseClick(fmSplash->Image1, Qt::LeftButton, {}, QPoint(100, 100));
        else if (gesture == u"right")
            QTest::mouseClick(fmSplash->Image1, Qt::RightButton, {}, QPoint(100, 100));
        else if (gesture == u"a")
            QTest::keyClick(fmSplash, Qt::Key_A);
        else if (gesture == u"space")
            QTest::keyClick(fmSplash, Qt::Key_Space);
        else
            QTest::keyClick(fmSplash, Qt::Key_Shift);
        QCOMPARE(fmSplash->isVisible(), !closes);
        QCOMPARE(fmSplash->Timer1->isActive(), !closes);
        if (closes) {
            // Hidden for good: nothing brings it back, not even the time.
            Delay(3100);
            QVERIFY(!fmSplash->isVisible());
        }
    }

    void splashTimerFiresOnlyOnceEventsRun()
    {
        ShowSplash(Picture(270, 220));
        QCOMPARE(fmSplash->Timer1->interval(), 3000);
        QVERIFY(fmSplash->Timer1->isActive());
        // On show for the whole three seconds.
        Delay(2998);
        QVERIFY(fmSplash->isVisible());
        // Longer than the timer, but without an event loop: still on show.
        FClock.SetNow(FClock.Tick() + 100);
        QVERIFY(fmSplash->isVisible());
        // Overdue, it goes as soon as events are handled.
        Delay(0);
        QVERIFY(!fmSplash->isVisible());
        QVERIFY(!fmSplash->Timer1->isActive());
    }

    void splashWithoutPictureNeverShows()
    {
        ShowSplash(QImage());
        QVERIFY(fmSplash);
        QVERIFY(!fmSplash->isVisible());
        QVERIFY(!fmSplash->Timer1->isActive());
        RaiseSplash(); // harmless while hidden
        QVERIFY(!fmSplash->isVisible());
    }

    void aboutBoxLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("width"); // 0: as wide as its text
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::newRow("ProductName") << QStringLiteral("ProductName") << QPoint(64, 24) << 0 << QStringLiteral("Vorlen")
                                     << QStringLiteral("Arial") << 24 << true;
        QTest::newRow("Version") << QStringLiteral("Version") << QPoint(16, 96) << 0
                                 << QStringLiteral("Version 01022004") << QStringLiteral("Arial") << 13 << false;
        QTest::newRow("maker") << QStringLiteral("Comments") << QPoint(16, 120) << 258
                               << QStringLiteral("Lavet af Vorlen-holdet") << QStringLiteral("Arial") << 13 << false;
        QTest::newRow("OKButton") << QStringLiteral("OKButton") << QPoint(111, 178) << 77 << QStringLiteral("OK")
                                  << QStringLiteral("MS Sans Serif") << 11 << true;
    }
    void aboutBoxLayout()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, pos);
        QFETCH(int, width);
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        TfmAbout about;
        about.show(); // the texts are measured when the box is shown
        auto* widget = about.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->pos(), pos);
        if (width)
            QCOMPARE(widget->width(), width);
        QCOMPARE(widget->font().family(), family);
        QCOMPARE(widget->font().pixelSize(), pixels);
        QCOMPARE(widget->font().bold(), bold);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->parentWidget(), about.Panel1);
            // The whole text fits.
            QVERIFY(label->width() >= QFontMetrics(label->font()).horizontalAdvance(text));
            QVERIFY(label->height() >= QFontMetrics(label->font()).height());
            QVERIFY(about.Panel1->rect().contains(label->geometry()));
        } else {
            auto* button = qobject_cast<QPushButton*>(widget);
            QVERIFY(button);
            QCOMPARE(button->text(), text);
            QCOMPARE(button->size(), QSize(77, 27));
            QVERIFY(button->isDefault());
            // The OK glyph is a green check mark.
            const QImage glyph = button->icon().pixmap(QSize(16, 16)).toImage();
            int green = 0;
            for (int y = 0; y < glyph.height(); ++y)
                for (int x = 0; x < glyph.width(); ++x) {
                    const QRgb c = glyph.pixel(x, y);
                    green += qAlpha(c) == 255 && qGreen(c) > 120 && qRed(c) < 60 && qBlue(c) < 60;
                }
            QVERIFY(green >= 10);
        }
    }

    void aboutBoxFrame()
    {
        TfmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("Om Vorlen"));
        QCOMPARE(about.size(), QSize(298, 213));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QCOMPARE(about.Panel1->geometry(), QRect(8, 8, 281, 161));
        QCOMPARE(about.ProgramIcon->geometry(), QRect(16, 24, 32, 32));
        QCOMPARE(about.ProgramIcon->parentWidget(), about.Panel1);
        QCOMPARE(about.palette().color(QPalette::Window), about.palette().color(QPalette::Button));
        QVERIFY(!(about.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(about.windowFlags() & Qt::WindowMinimizeButtonHint));

        // The double bevel: lowered outside (dark top-left), raised inside
        // (light top-left, dark bottom-right).
        const QImage panel = about.Panel1->grab().toImage();
        const QColor dark = about.Panel1->palette().color(QPalette::Dark);
        const QColor light = about.Panel1->palette().color(QPalette::Light);
        QCOMPARE(panel.pixel(10, 0), dark.rgb());
        QCOMPARE(panel.pixel(0, 10), dark.rgb());
        QCOMPARE(panel.pixel(280, 10), light.rgb());
        QCOMPARE(panel.pixel(10, 160), light.rgb());
        QCOMPARE(panel.pixel(10, 1), light.rgb());
        QCOMPARE(panel.pixel(279, 10), dark.rgb());
        QCOMPARE(panel.pixel(10, 159), dark.rgb());
    }

    void aboutBoxOpensCentredWithOkFocusedAndCloses_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK clicked") << QStringLiteral("click");
        QTest::newRow("Enter") << QStringLiteral("enter");
        QTest::newRow("Esc") << QStringLiteral("esc");
        QTest::newRow("close button") << QStringLiteral("close");
    }
    void aboutBoxOpensCentredWithOkFocusedAndCloses()
    {
        QFETCH(QString, how);
        TfmAbout about;
        QWidget* focused = nullptr;
        QRect shownAt;
        OnDialog([&](QDialog* dialog) {
            focused = dialog->focusWidget();
            shownAt = dialog->frameGeometry();
            if (how == u"click")
                QTest::mouseClick(about.OKButton, Qt::LeftButton);
            else if (how == u"enter")
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
            else if (how == u"esc")
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
            else
                dialog->close();
        });
        about.exec();
        QVERIFY(!about.isVisible());
        QCOMPARE(focused, about.OKButton);
        QVERIFY((shownAt.center() - ScreenCentre()).manhattanLength() <= 2);
    }

    void helpFileIsFound()
    {
        const QString path = HelpFilePath();
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("Vorlen.HLP"));
    }

    void helpWindowOpensAtTheContents()
    {
        THelpWindow window;
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.OpenContents(HelpFilePath());
        QCOMPARE(window.Browser->documentTitle(), QStringLiteral("Vorlen – Vejledning"));
        QVERIFY(window.Browser->toPlainText().contains(QStringLiteral("Indhold")));
        QCOMPARE(window.Browser->verticalScrollBar()->value(), 0);

        // Following a link leaves the top; "Indhold" goes back to it.
        window.Browser->scrollToAnchor(QStringLiteral("afslut"));
        QVERIFY(window.Browser->verticalScrollBar()->value() > 0);
        window.bbIndhold->click();
        QCOMPARE(window.Browser->verticalScrollBar()->value(), 0);
    }

    void helpWindowReportsAMissingFileInDanish()
    {
        THelpWindow window;
        window.OpenContents(QStringLiteral("/nonexistent/folder/Vorlen.HLP"));
        QVERIFY(window.Browser->toPlainText().contains(QStringLiteral("Hjælpefilen Vorlen.HLP blev ikke fundet.")));
        // When the file turns up, the contents replace the report.
        window.OpenContents(HelpFilePath());
        QVERIFY(!window.Browser->toPlainText().contains(QStringLiteral("blev ikke fundet")));
        QVERIFY(window.Browser->toPlainText().contains(QStringLiteral("Indhold")));
    }

    void helpWindowIsOnePerOwner()
    {
        QWidget owner;
        THelpWindow* first = ShowHelpContents(&owner);
        THelpWindow* second = ShowHelpContents(&owner);
        QCOMPARE(first, second);
        QVERIFY(first->isVisible());
        QCOMPARE(first->parentWidget(), &owner);
        QVERIFY(first->isWindow());
    }

    void guideLinksResolveAndNamesMatchTheProgram()
    {
        const QString text = HelpText();
        QVERIFY(!text.isEmpty());
        QSet<QString> anchors;
        for (const auto& m : QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(text))
            anchors.insert(m.captured(1));
        int links = 0;
        for (const auto& m : QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(text)) {
            QVERIFY2(anchors.contains(m.captured(1)), qPrintable(m.captured(1)));
            ++links;
        }
        QVERIFY(links >= 10);
        // Pictures the guide shows must lie beside it.
        for (const auto& m : QRegularExpression(QStringLiteral("<img[^>]*src=\"([^\"]+)\"")).globalMatch(text))
            QVERIFY2(QFileInfo::exists(QStringLiteral(VORLEN_SOURCE_DIR "/docs/help/") + m.captured(1)),
                     qPrintable(m.captured(1)));
        // The guide calls the tools and buttons what their tool tips say.
        for (const char* name : {"Hullemaskine", "Drejemaskine", "Stregemaskine", "Fjern maskine", "Skub maskiner",
                                 "Let opgave", "Middelsvær opgave", "Svær opgave", "Gør pladen til en opgave",
                                 "Slet opgaven", "Kør pladen gennem fabrikken", "Udskriv opgave",
                                 "Kopier opgave til klippebordet", "Printer opsætning", "Luk Vorlen", "Lyd til",
                                 "Lyd fra", "Udskriv", "Kopier til klippebord", "Ny opgave?", "Luk?"})
            QVERIFY2(text.contains(QString::fromUtf8(name)), name);
    }
};

QTEST_MAIN(TestSplashAbout)
#include "test_splash_about.moc"
