// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame: start-up order, the help menu, the about box and
// every way of closing it.
#include "app/assembly.h"
#include "game/braet.h"
#include "support/dialogs.h"

#include "floor/hitarea.h"
#include "floor/picturebox.h"
#include "floor/settingselector.h"
#include "shell/about.h"
#include "base/delay.h"
#include "shell/fonts.h"
#include "shell/helpwindow.h"
#include "shell/splash.h"
#include "app/startup_steps.h"
#include "support/recordingsound.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QAbstractTextDocumentLayout>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <functional>

namespace {

int StackIndex(const QWidget* w)
{
    return static_cast<int>(w->parentWidget()->children().indexOf(const_cast<QWidget*>(w)));
}

struct TShownWindow {
    TRecordingSound sound;
    std::unique_ptr<TfmBraet> game = AssembleGame(&sound);
    TfmBraet& window = *game;

    bool Show()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

} // namespace

class TestShellWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { InstallFontSubstitutes(); }
    void cleanup()
    {
        FreeSplash();
        if (QuitRequested())
            ForgetQuit();
    }

    void frameAndFirstActivation()
    {
        TShownWindow shown;
        TfmBraet& w = shown.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Vorlen"));
        // Every button of the tool bar, the additions' too, has a place of its
        // own within the bar: in the first, narrower layout and once grown.
        const auto eachInPlace = [&w] {
            const QList<QToolButton*> bar = w.paTool->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
            for (const QToolButton* a : bar) {
                QVERIFY2(w.paTool->rect().contains(a->geometry()), qPrintable(a->objectName()));
                for (const QToolButton* b : bar)
                    QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + u' ' + b->objectName()));
            }
        };
        eachInPlace();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(shown.Show());
        // Without a window frame the outer size is the client size, so the
        // window grows to the 800 x 600 minimum.
        const QSize outer = w.frameGeometry().size();
        QVERIFY(outer.width() >= 800 && outer.height() >= 600);
        QVERIFY(w.width() >= 792 && w.height() >= 573);
        eachInPlace();
        // The additions' buttons keep their places in the left-hand group.
        for (const auto& [name, left] : {std::pair{"bbHentOpgave", 140}, {"bbHurtig", 196}, {"bbTip", 236}, {"bbTrin", 280}})
            QCOMPARE(w.paTool->findChild<QToolButton*>(QString::fromLatin1(name))->x(), left);
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(w.paTool->width(), w.width());
        QCOMPARE(w.bbAfslut->x() + w.bbAfslut->width(), w.paTool->width() - 8);
        const int right = w.paTool->width();
        QCOMPARE(w.bbHelp->x(), right - 8 - 36 - 4 - 36);
        QCOMPARE(w.bbCopy->x(), right - 8 - 6 * 36 - 3 * 4 - 2 * 32);
        QCOMPARE(w.ImageVorlen->geometry(), QRect(0, 40, 792, 533));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!w.bbCopy->isEnabled());
        QVERIFY(!w.bbPrint->isEnabled());
    }

    void toolTipsAndAccessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("key");
        const char* rows[][3] = {
            {"bbLet", "Let opgave", "Ctrl+1"},
            {"bbMiddel", "Middelsvær opgave", "Ctrl+2"},
            {"bbSvaer", "Svær opgave", "Ctrl+3"},
            {"bbCopy", "Kopier opgave til klippebordet", "Ctrl+C"},
            {"bbPrint", "Udskriv opgave", "Ctrl+P"},
            {"bbSound", "Lyd til", ""},
            {"bbPrinterSetup", "Printer opsætning", ""},
            {"bbHelp", "Hjælp & Om Vorlen", "F1: Vejledning"},
            {"bbAfslut", "Luk Vorlen", "Ctrl+Q"},
            {"bbKoerPlade", "Kør pladen gennem fabrikken", "F5"},
            {"bbNulstilOpgave", "Slet opgaven", "Ctrl+Delete"},
            {"bbOverfoerPlade", "Gør pladen til en opgave", "Ctrl+T"},
            {"sbHuller", "Hullemaskine", "1"},
            {"sbDrejer", "Drejemaskine", "2"},
            {"sbStriber", "Stregemaskine", "3"},
            {"sbTraek", "Fjern maskine", "4"},
            {"sbSkub", "Skub maskiner", "5"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1])
                                  << QString::fromLatin1(row[2]);
    }
    void toolTipsAndAccessibleNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        QFETCH(QString, key);
        TRecordingSound sound;
        const std::unique_ptr<TfmBraet> game = AssembleGame(&sound);
        TfmBraet& w = *game;
        auto* button = w.findChild<QToolButton*>(name);
        QVERIFY(button);
        // The tool tip names the button's key.
        QCOMPARE(button->toolTip(), key.isEmpty() ? hint : hint + QStringLiteral(" (") + key + QLatin1Char(')'));
        QCOMPARE(button->accessibleName(), hint);
        QVERIFY(button->text().isEmpty() || button->toolButtonStyle() == Qt::ToolButtonIconOnly);
    }

    void tabOrder()
    {
        TShownWindow shown;
        TfmBraet& w = shown.window;
        QVERIFY(shown.Show());
        // Picture order: the tool bar from left to right, the palette, the
        // run and task buttons (before the selectors, as they always were),
        // each slot with its selector.
        auto* hare = w.findChild<QToolButton*>(QStringLiteral("bbHurtig"));
        QVERIFY(hare);
        auto* hent = w.findChild<QToolButton*>(QStringLiteral("bbHentOpgave"));
        QVERIFY(hent);
        auto* trin = w.findChild<QToolButton*>(QStringLiteral("bbTrin"));
        QVERIFY(trin);
        QList<QWidget*> expected{w.bbLet,   w.bbMiddel, w.bbSvaer, hent, hare, trin, w.bbSound,
                                 w.bbPrinterSetup, w.bbHelp, w.bbAfslut};
        expected << w.sbHuller << w.sbDrejer << w.sbStriber << w.sbTraek << w.sbSkub;
        expected << w.bbKoerPlade << w.bbNulstilOpgave << w.bbOverfoerPlade;
        for (std::size_t i = 0; i < w.cbSetting.size(); ++i)
            expected << w.spContainer[i] << w.cbSetting[i];

        // Walk the focus chain once round from the printer button and keep
        // what Tab can reach.
        QList<QWidget*> reached;
        QWidget* start = w.bbLet;
        QWidget* current = start;
        do {
            if (current->window() == &w && current->isVisibleTo(&w) && current->isEnabled()
                && (current->focusPolicy() & Qt::TabFocus) && current != &w)
                reached.append(current);
            current = current->nextInFocusChain();
        } while (current != start);
        QStringList got;
        for (QWidget* widget : std::as_const(reached))
            got << widget->objectName();
        QStringList want;
        for (QWidget* widget : std::as_const(expected))
            want << widget->objectName();
        QCOMPARE(got, want);

        // And the real key presses go the same way.
        w.bbLet->setFocus();
        QCOMPARE(QApplication::focusWidget(), w.bbLet);
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected.at(i));
        }
    }

    void unlitLampsShowAtStart()
    {
        TRecordingSound sound;
        const std::unique_ptr<TfmBraet> game = AssembleGame(&sound);
        TfmBraet& w = *game;
        for (auto [lit, unlit] : {std::pair{w.imGroenTaend, w.imGroenSluk}, std::pair{w.imRoedTaend, w.imRoedSluk}}) {
            QVERIFY(StackIndex(lit) < StackIndex(w.ImageVorlen));
            QVERIFY(StackIndex(unlit) > StackIndex(w.ImageVorlen));
            QCOMPARE(lit->geometry(), unlit->geometry());
            QVERIFY(unlit->isVisibleTo(&w));
        }
        QVERIFY(!w.Image2->isVisibleTo(&w));
    }

    void helpMenuOpensBelowTheButton_data()
    {
        QTest::addColumn<QPoint>("windowAt");
        QTest::addColumn<int>("extraWidth");
        QTest::newRow("left of the screen") << QPoint(-300, 0) << 0;
        QTest::newRow("lower") << QPoint(-260, 40) << 0;
        QTest::newRow("wider window") << QPoint(-400, 20) << 60;
    }
    void helpMenuOpensBelowTheButton()
    {
        QFETCH(QPoint, windowAt);
        QFETCH(int, extraWidth);
        TShownWindow shown;
        TfmBraet& w = shown.window;
        QVERIFY(shown.Show());
        if (extraWidth) {
            w.setFixedSize(w.size() + QSize(extraWidth, 0));
            QTRY_COMPARE(w.bbAfslut->x() + 36, w.width() - 8);
        }
        w.move(windowAt);
        QTRY_COMPARE(w.pos(), windowAt);

        w.bbHelp->click();
        QTRY_VERIFY(w.Popup->isVisible());
        // 2 pixels in from the button's left edge and 2 below its bottom, in
        // the client coordinates of the window, whose origin the tool bar shares.
        const QPoint client(w.width() - 8 - 36 - 4 - 36 + 2, 2 + 36 + 2);
        QCOMPARE(w.Popup->pos(), w.mapToGlobal(client));
        // The game as it ships adds the statistics and the board's two items
        // after the help menu's own items.
        QCOMPARE(w.Popup->actions().size(), 6);
        QCOMPARE(w.Popup->actions().at(0)->text(), QStringLiteral("Vejledning"));
        QVERIFY(w.Popup->actions().at(1)->isSeparator());
        QCOMPARE(w.Popup->actions().at(2)->text(), QStringLiteral("Om Vorlen"));
        QCOMPARE(w.Popup->actions().at(3)->text(), QStringLiteral("Statistik"));
        QCOMPARE(w.Popup->actions().at(4)->text(), QStringLiteral("Tavletilstand"));
        QCOMPARE(w.Popup->actions().at(5)->text(), QStringLiteral("Vis opgavenummer"));

        // Choosing nothing closes the menu without effect.
        QTest::keyClick(w.Popup, Qt::Key_Escape);
        QTRY_VERIFY(!w.Popup->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!w.findChild<THelpWindow*>());
    }

    void vejledningOpensTheGuideAtItsContents()
    {
        TShownWindow shown;
        TfmBraet& w = shown.window;
        QVERIFY(shown.Show());
        w.Vejledning1->trigger();
        auto* help = w.findChild<THelpWindow*>();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Vejledning – Vorlen"));
        QCOMPARE(help->Browser->documentTitle(), QStringLiteral("Vorlen – Vejledning"));
        QVERIFY(help->Browser->toPlainText().startsWith(QStringLiteral("Vorlen – Vejledning")));
        // Its pictures fit the window: the page never scrolls sideways.
        help->Browser->document()->documentLayout()->documentSize(); // laid out to the end
        QCoreApplication::processEvents();
        QCOMPARE(help->Browser->horizontalScrollBar()->maximum(), 0);

        // Asked again after reading on, it shows the contents again, in the same window.
        help->Browser->scrollToAnchor(QStringLiteral("laerer"));
        w.Vejledning1->trigger();
        QCOMPARE(w.findChildren<THelpWindow*>().size(), 1);
        QCOMPARE(help->Browser->verticalScrollBar()->value(), 0);
    }

    void omVorlenShowsTheSameAboutBoxModally()
    {
        TShownWindow shown;
        TfmBraet& w = shown.window;
        auto* about = new TfmAbout(&w);
        w.fmAbout = about;
        QVERIFY(shown.Show());
        for (int time = 0; time < 2; ++time) {
            QDialog* seen = nullptr;
            bool modal = false;
            OnDialog([&](QDialog* dialog) {
                seen = dialog;
                modal = dialog->isModal();
                QTest::mouseClick(about->OKButton, Qt::LeftButton);
            });
            if (time == 0)
                w.OmVorlen1Click();
            else
                w.OmVorlen1->trigger();
            QCOMPARE(seen, about);
            QVERIFY(modal);
            QVERIFY(!about->isVisible());
        }
    }

    void everyCloseAsksLuk_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closes");
        for (const char* path : {"bbAfslut", "close", "title bar"}) {
            QTest::addRow("%s, Nej", path) << QString::fromLatin1(path) << QStringLiteral("NO") << false;
            QTest::addRow("%s, Esc", path) << QString::fromLatin1(path) << QStringLiteral("esc") << false;
            QTest::addRow("%s, question closed", path) << QString::fromLatin1(path) << QStringLiteral("close") << false;
            QTest::addRow("%s, Ja", path) << QString::fromLatin1(path) << QStringLiteral("YES") << true;
        }
    }
    void everyCloseAsksLuk()
    {
        QFETCH(QString, path);
        QFETCH(QString, answer);
        QFETCH(bool, closes);
        TShownWindow shown;
        TfmBraet& w = shown.window;
        QVERIFY(shown.Show());
        w.FTask = std::make_unique<TOpgave>();
        TOpgave* task = w.FTask.get();
        w.FSoundOn = true;

        QString question;
        int asked = 0;
        OnDialog([&](QDialog* dialog) {
            ++asked;
            if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("Message")))
                question = label->text();
            QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("YES")));
            if (answer == u"esc")
                QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape);
            else if (answer == u"close")
                dialog->close();
            else
                dialog->findChild<QPushButton*>(answer)->click();
        });
        if (path == u"bbAfslut")
            w.bbAfslut->click();
        else if (path == u"close")
            w.close();
        else
            w.windowHandle()->close();
        QTRY_COMPARE(asked, 1);
        QCOMPARE(question, QStringLiteral("Luk?"));
        QCOMPARE(w.isVisible(), !closes);
        QCOMPARE(QuitRequested(), closes);
        // Declining leaves the game exactly as it was.
        QCOMPARE(w.FTask.get(), task);
        QVERIFY(w.FSoundOn);
    }

    void closingEndsAWaitAtOnce()
    {
        // A close confirmed while an animation waits ends that wait, so the
        // program does not sit out the rest of a run.
        TShownWindow shown;
        TfmBraet& w = shown.window;
        QVERIFY(shown.Show());
        QTimer::singleShot(0, &w, [&w] { w.close(); });
        OnDialog([](QDialog* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("YES"))->click(); });
        QElapsedTimer clock;
        clock.start();
        Delay(10000);
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(QuitRequested());
        QVERIFY(!w.isVisible());
        Delay(10000); // later waits do not wait either
        QVERIFY(clock.elapsed() < 5000);
    }

    void startSequence()
    {
        std::unique_ptr<TfmBraet> form = CreateMainWindow();
        QVERIFY(form);
        QVERIFY(!form->isVisible());
        const QImage splash = form->Image2->Canvas();
        if (!splash.isNull()) {
            // The splash comes first and carries the picture of Image2.
            QVERIFY(fmSplash && fmSplash->isVisible());
            QCOMPARE(fmSplash->size(), splash.size());
        }
        auto* about = qobject_cast<TfmAbout*>(form->fmAbout);
        QVERIFY(about);
        QVERIFY(!about->isVisible());
        QCOMPARE(about->parentWidget(), form.get());
        QVERIFY(!form->FTask && !form->FProducedPlate && !form->FSoundOn && !form->FRunning && !form->FTaskGiven);

        ShowMainWindow(*form);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
        QTRY_VERIFY((form->frameGeometry().center() - centre).manhattanLength() <= 2);
        if (!splash.isNull())
            QVERIFY(fmSplash->isVisible());
        // The sound is off: nothing loads in the background that could
        // outlive the window.
        QVERIFY(!form->Sound().Loading());
        form.reset();
        QVERIFY(!QuitRequested());
    }

    // The window is tied to the package's desktop entry by the desktop file
    // name (Wayland) and by its class, the application name (X); the version
    // is the catalogue's newest release.
    void namedAsThePackageKnowsIt()
    {
        NameApplication();
        QCOMPARE(QGuiApplication::desktopFileName() + u".desktop",
                 QStringLiteral("dk.vorlen.Vorlen.desktop"));
        QFile entry(QStringLiteral(VORLEN_SOURCE_DIR "/packaging/dk.vorlen.Vorlen.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString entryText = QString::fromUtf8(entry.readAll());
        QVERIFY(entryText.contains(u"\nStartupWMClass=" + QCoreApplication::applicationName() + u'\n'));
        QVERIFY(entryText.contains(u"\nIcon=" + QGuiApplication::desktopFileName() + u'\n'));
        QFile catalogue(QStringLiteral(VORLEN_SOURCE_DIR "/packaging/dk.vorlen.Vorlen.metainfo.xml"));
        QVERIFY(catalogue.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString catalogueText = QString::fromUtf8(catalogue.readAll());
        QVERIFY(catalogueText.contains(u"<id>" + QGuiApplication::desktopFileName() + u"</id>"));
        const QRegularExpressionMatch newest =
            QRegularExpression(QStringLiteral("<release version=\"([^\"]+)\"")).match(catalogueText);
        QVERIFY(newest.hasMatch());
        QCOMPARE(QCoreApplication::applicationVersion(), newest.captured(1));
    }

    void danishTextsOfQt()
    {
        QCOMPARE(InstallDanishTranslations(*qApp), 2);
        QCOMPARE(QLocale().language(), QLocale::Danish);
        QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Yes | QDialogButtonBox::No);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuller"));
        QCOMPARE(box.button(QDialogButtonBox::No)->text(), QStringLiteral("&Nej"));
    }
};

QTEST_MAIN(TestShellWindow)
#include "test_shell_window.moc"
