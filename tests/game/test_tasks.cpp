// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks by difficulty and from the produced plate, printing and copying them,
// and a whole game.
#include "game_support.h"

#include "app/assembly.h"
#include "game/seam.h"
#include "floor/hitarea.h"
#include "floor/picturebox.h"
#include "game/seam.h"
#include "model/generator.h"
#include "model/solver.h"
#include "base/delay.h"
#include "support/dialogs.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace gametest;

class TestTasks : public QObject, TGameFixture {
    Q_OBJECT

    // A line on the floor, run, and made the task.
    void TaskFromPlate()
    {
        Put(*W, 2, mcHoles, 4);
        Put(*W, 6, mcStripe, 2);
        W->bbKoerPladeClick();
        W->bbOverfoerPladeClick();
    }

    QImage ReferencePicture() const
    {
        QImage reference(80, 81, QImage::Format_RGB32);
        reference.fill(Qt::white);
        QPainter painter(&reference);
        W->FTask->Draw(painter, true);
        return reference;
    }

    bool FloorEmpty() const
    {
        return std::all_of(W->FMachines.begin(), W->FMachines.end(),
                           [](const auto& slot) { return slot->FMachine.Kind == mcNone; });
    }

private Q_SLOTS:
    void init()
    {
        StartGame();
    }
    void cleanup() { EndGame(); }

    void firstDifficultyAsksNothing_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("Let") << 0;
        QTest::newRow("Middelsvær") << 1;
        QTest::newRow("Svær") << 2;
    }
    void firstDifficultyAsksNothing()
    {
        QFETCH(int, button);
        QToolButton* buttons[] = {W->bbLet, W->bbMiddel, W->bbSvaer};
        Put(*W, 3, mcRotate, 1);
        W->bbKoerPladeClick();
        W->LightTimer->start();
        TDialogAnswer answer(QStringLiteral("NO"));
        buttons[button]->click();
        QVERIFY(!answer.Seen());
        QVERIFY(W->FTaskGiven);
        QVERIFY(W->FTask);
        QVERIFY(W->FTaskBox);
        QCOMPARE(W->FTaskBox->geometry(), QRect(626, 164, 80, 81));
        QCOMPARE(W->FTaskBox->FPopupMenu, W->pmUdskrivOpgave);
        QVERIFY(FloorEmpty());
        QVERIFY(!W->FProducedPlate);
        QVERIFY(!W->FPlateBox);
        QVERIFY(!W->LightTimer->isActive());
        QVERIFY(!W->bbPrint->isEnabled());
        QVERIFY(!W->bbCopy->isEnabled());
        QVERIFY(!W->FTask->FLying);
    }

    void laterClicksAsk_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("deleteFirst");
        QTest::newRow("yes") << QStringLiteral("YES") << false;
        QTest::newRow("no") << QStringLiteral("NO") << false;
        QTest::newRow("yes after delete") << QStringLiteral("YES") << true;
        QTest::newRow("no after delete") << QStringLiteral("NO") << true;
    }
    void laterClicksAsk()
    {
        QFETCH(QString, answer);
        QFETCH(bool, deleteFirst);
        W->bbLet->click();
        if (deleteFirst)
            W->bbNulstilOpgave->click();
        Put(*W, 1, mcStripe, 1);
        W->bbKoerPladeClick();
        QPointer<TPlateBox> taskBox = W->FTaskBox;
        const TPlateBox* plateBox = W->FPlateBox;
        const TMachineRec slot1 = W->FMachines[0]->FMachine;

        TDialogAnswer reply(answer);
        W->bbSvaer->click();
        QVERIFY(reply.Seen());
        QCOMPARE(reply.Message(), QStringLiteral("Ny opgave?"));
        if (answer == QStringLiteral("YES")) {
            QVERIFY(W->FTask);
            QVERIFY(W->FTaskBox);
            QVERIFY(!taskBox); // replaced (or deleted with its task before)
            QVERIFY(FloorEmpty());
            QVERIFY(!W->FPlateBox);
        } else {
            QCOMPARE(W->FTaskBox, taskBox.data());
            QCOMPARE(bool(W->FTask), !deleteFirst);
            QCOMPARE(W->FPlateBox, plateBox);
            QCOMPARE(W->FMachines[0]->FMachine, slot1);
        }
    }

    void deleteTask()
    {
        TaskFromPlate();
        QVERIFY(W->bbPrint->isEnabled());
        W->bbNulstilOpgave->click();
        QVERIFY(!W->FTask);
        QVERIFY(!W->FTaskBox);
        QVERIFY(!W->bbPrint->isEnabled());
        QVERIFY(!W->bbCopy->isEnabled());
        QVERIFY(!W->FTaskGiven);
        W->bbNulstilOpgave->click(); // without a task: harmless
    }

    // The box rises 167 pixels in steps of 10 ms, behind the floor strip.
    void slide()
    {
        Put(*W, 2, mcHoles, 4);
        Put(*W, 6, mcStripe, 2);
        W->bbKoerPladeClick();
        const TOpgave produced = *W->FProducedPlate;

        QList<int> tops;
        bool behindStrip = true;
        FClock.ClearWaits();
        FClock.OnWait = [&](std::size_t) {
            tops << W->FPlateBox->y();
            behindStrip = behindStrip && InFront(W->imSnydeGulv, W->FPlateBox) && W->FSliding;
        };
        W->bbOverfoerPlade->click();
        QCOMPARE(FClock.Waits(), std::vector<std::uint32_t>(167, 10));
        QCOMPARE(tops.size(), 167);
        for (int i = 0; i < tops.size(); ++i)
            QCOMPARE(tops[i], 330 - i);
        QVERIFY(behindStrip);

        QVERIFY(!W->FSliding);
        QVERIFY(!W->FProducedPlate);
        QVERIFY(!W->FPlateBox);
        QVERIFY(W->FTask);
        QVERIFY(W->FTask->SameAs(produced));
        QVERIFY(SameFields(*W->FTask, produced));
        QCOMPARE(W->FTaskBox->geometry(), QRect(626, 164, 80, 81));
        QVERIFY(FloorEmpty());
        QVERIFY(W->bbPrint->isEnabled());
        QVERIFY(W->bbCopy->isEnabled());
        QVERIFY(!W->FTaskGiven);
    }

    void slideNeedsAPlate()
    {
        W->bbOverfoerPlade->click();
        QVERIFY(FClock.Waits().empty());
        QVERIFY(!W->FTask);
    }

    // During the slide only deleting the task (harmless) takes effect.
    void inputDuringSlide()
    {
        W->bbKoerPladeClick();
        W->bbLet->click(); // a random task...
        Put(*W, 4, mcRotate, 2);
        W->bbKoerPladeClick(); // ...and a plate to slide
        FClock.ClearWaits();
        FClock.OnWait = [&](std::size_t i) {
            if (i == 20) {
                W->bbOverfoerPlade->click();
                W->bbKoerPlade->click();
                W->bbMiddel->click();
                W->sbDrejer->setChecked(true);
                W->spContainer8MouseDown(W->spContainer[0]);
                W->bbNulstilOpgave->click();
            }
        };
        W->bbOverfoerPladeClick();
        QCOMPARE(FClock.Waits().size(), std::size_t(167));
        QVERIFY(W->FTask);
        QVERIFY(W->FTaskBox);
        QVERIFY(FloorEmpty());
        QVERIFY(W->bbCopy->isEnabled());
    }

    void contextMenu()
    {
        W->show();
        QVERIFY(QTest::qWaitForWindowExposed(W.get()));
        // No task: nothing under the mouse takes a context menu there.
        QVERIFY(!W->childAt(650, 200) || !qobject_cast<TPlateBox*>(W->childAt(650, 200)));

        W->bbLet->click();
        QWidget* box = W->childAt(650, 200);
        QCOMPARE(box, static_cast<QWidget*>(W->FTaskBox));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(24, 36), box->mapToGlobal(QPoint(24, 36)));
        QApplication::sendEvent(box, &event);
        QTRY_VERIFY(W->pmUdskrivOpgave->isVisible());
        QCOMPARE(W->pmUdskrivOpgave->actions().size(), 4); // with the worksheets' and the board's items
        QCOMPARE(W->pmUdskrivOpgave->actions().at(2)->text(), QStringLiteral("Udskriv opgaveark"));
        QCOMPARE(W->pmUdskrivOpgave->actions().at(3)->text(), QStringLiteral("Vis opgavenummer"));
        QVERIFY(W->pmUdskrivOpgave->actions().at(3)->isEnabled());

        // The task goes while the menu is open: the menu goes, its items do nothing.
        QGuiApplication::clipboard()->clear();
        W->bbNulstilOpgave->click();
        QVERIFY(!W->pmUdskrivOpgave->isVisible());
        W->Kopiertilklippebordet1->trigger();
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

    void printCopyEnabled()
    {
        W->bbLet->click();
        QVERIFY(!W->bbPrint->isEnabled());
        QVERIFY(!W->bbCopy->isEnabled());
        // ...but the menu copies a random task.
        QGuiApplication::clipboard()->clear();
        W->Kopiertilklippebordet1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(80, 81));

        TaskFromPlate();
        QVERIFY(W->bbPrint->isEnabled());
        QVERIFY(W->bbCopy->isEnabled());
    }

    void copy()
    {
        TaskFromPlate();
        QGuiApplication::clipboard()->clear();
        W->bbCopy->click();
        const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(copied.size(), QSize(80, 81));
        QCOMPARE(copied, ReferencePicture());
        QCOMPARE(copied.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(copied.pixel(79, 80), qRgb(255, 255, 255));
        // The plate's edge is black, its face white.
        QCOMPARE(copied.pixel(7, 20), qRgb(0, 0, 0));
        QCOMPARE(copied.pixel(67, 20), qRgb(0, 0, 0));
        QCOMPARE(copied.pixel(20, 7), qRgb(0, 0, 0));
        QCOMPARE(copied.pixel(20, 20), qRgb(255, 255, 255));
    }

    void copyWithoutTaskDoesNothing()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("urørt"));
        W->Kopiertilklippebordet1Click();
        W->Udskriv1Click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("urørt"));
    }

    // One page with the plate at twice the printer-to-screen ratio, 16
    // printer pixels into the printable area: the window's own print, as
    // without the classroom's page.
    void print()
    {
        TBraetSeam(*W).SetTaskPrint({});
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("opgave.pdf"));
        QPrinter& printer = W->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        TaskFromPlate();
        W->bbPrint->click();
        QVERIFY(QFileInfo::exists(pdf));

        const int dpi = printer.resolution();
        const int scale = std::max(1, dpi / W->logicalDpiX() * 2);
        const QPoint origin = printer.pageRect(QPrinter::DevicePixel).topLeft().toPoint() -
                              printer.paperRect(QPrinter::DevicePixel).topLeft().toPoint();
        constexpr int Raster = 300;
        const double ratio = double(Raster) / dpi;
        QProcess render;
        render.start(pdftoppm, {QStringLiteral("-r"), QString::number(Raster), QStringLiteral("-png"),
                                QStringLiteral("-singlefile"), QStringLiteral("-x"), QStringLiteral("0"),
                                QStringLiteral("-y"), QStringLiteral("0"), QStringLiteral("-W"), QStringLiteral("700"),
                                QStringLiteral("-H"), QStringLiteral("700"), pdf, dir.filePath(QStringLiteral("page"))});
        QVERIFY(render.waitForFinished(60000));
        QCOMPARE(render.exitCode(), 0);
        QImage page(dir.filePath(QStringLiteral("page.png")));
        QVERIFY(!page.isNull());

        // The plate's black edge: from plate column 7 to 67 (inclusive).
        QRect black;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 64)
                    black |= QRect(x, y, 1, 1);
        const auto at = [&](int printerPixel) { return printerPixel * ratio; };
        QVERIFY2(std::abs(black.left() - at(origin.x() + 16 + 7 * scale)) <= 2, qPrintable(QString::number(black.left())));
        QVERIFY2(std::abs(black.top() - at(origin.y() + 16 + 7 * scale)) <= 2, qPrintable(QString::number(black.top())));
        // The plate is drawn on a grid of about 300 dots per inch: its last
        // column is one grid pixel wide.
        const int lastColumnEnd = 67 * scale + scale / std::clamp(scale * 300 / dpi, 1, scale);
        QVERIFY2(std::abs(black.right() + 1 - at(origin.x() + 16 + lastColumnEnd)) <= 2,
                 qPrintable(QString::number(black.right())));
        QVERIFY2(std::abs(black.bottom() + 1 - at(origin.y() + 16 + lastColumnEnd)) <= 2,
                 qPrintable(QString::number(black.bottom())));

        QProcess info;
        info.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {pdf});
        if (info.waitForFinished(30000) && info.exitCode() == 0)
            QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    }

    // A print that cannot be made says so, in Danish, and keeps the task.
    void printFailureIsReported()
    {
        QPrinter& printer = W->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent-folder/for/sure/opgave.pdf"));
        TaskFromPlate();
        const TOpgave task = *W->FTask;
        TDialogAnswer ok(QStringLiteral("OK"));
        W->Udskriv1Click();
        QVERIFY(ok.Seen());
        QCOMPARE(ok.Message(), QStringLiteral("Opgaven kunne ikke udskrives."));
        QVERIFY(W->FTask && W->FTask->SameAs(task));
    }

    // Without a printer Qt prints into a PDF file without a name: the player
    // chooses it, once for each print; cancelling writes nothing.
    void pdfWithoutFileNameAsksWhereToSave()
    {
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        const auto restore = qScopeGuard([&] { qputenv("HOME", realHome); });
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Documents")));
        const QString expected = QDir(home.path()).filePath(QStringLiteral("Documents/Vorlen-opgave.pdf"));
        QPrinter& printer = W->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString());
        TaskFromPlate();

        QString shownFile;
        OnDialog([&shownFile](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            if (files && files->acceptMode() == QFileDialog::AcceptSave && files->nameFilters().join(u' ').contains(QStringLiteral("*.pdf")))
                shownFile = files->directory().filePath(files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text());
            dialog->reject();
        });
        W->Udskriv1Click();
        QCOMPARE(QFileInfo(shownFile).absoluteFilePath(), QFileInfo(expected).absoluteFilePath());
        QVERIFY(QDir(home.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(!QFileInfo::exists(expected));

        OnDialog([](QDialog* dialog) { dialog->accept(); });
        W->Udskriv1Click();
        QVERIFY(QFileInfo(expected).size() > 0);
        QVERIFY(printer.outputFileName().isEmpty());
    }

    void printerSetupCancelChangesNothing()
    {
        QPrinter& printer = W->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/tmp/vorlen-setup-test.pdf"));
        printer.setCopyCount(1);
        const QPageLayout layout = printer.pageLayout();
        bool shown = false;
        QTimer::singleShot(50, [&shown] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                shown = true;
                QMetaObject::invokeMethod(dialog, "reject");
            }
        });
        // It only sets up the printer: its accept button must not say "print".
        QString acceptText;
        QTimer::singleShot(40, [&acceptText] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
                    acceptText = buttons->button(QDialogButtonBox::Ok)->text();
        });
        W->bbPrinterSetup->click();
        QVERIFY(shown);
        QCOMPARE(acceptText, QStringLiteral("OK"));
        QCOMPARE(printer.outputFileName(), QStringLiteral("/tmp/vorlen-setup-test.pdf"));
        QCOMPARE(printer.copyCount(), 1);
        QVERIFY(printer.pageLayout().isEquivalentTo(layout));
    }

    // The additions' seam sets the floor as one edit and reads the run back.
    void seamSetsTheLineAsOneEdit()
    {
        const TBraetSeam seam(*W);
        TMachineLine line;
        line[1] = {mcHoles, 2, 1};  // two square holes
        line[4] = {mcRotate, 1, 0}; // 90
        line[6] = {mcStripe, 2, 0}; // thick
        line[7] = {mcHoles, 0, 0};  // no selector item shows it: stays empty
        Put(*W, 1, mcStripe);
        W->bbKoerPladeClick();
        QVERIFY(W->FProducedPlate);
        int floorChanged = 0;
        connect(W.get(), &TBraetFloor::FloorChanged, this, [&floorChanged] { ++floorChanged; });
        QVERIFY(seam.SetLine(line));
        QCOMPARE(floorChanged, 1);
        QVERIFY(!W->FProducedPlate && !W->FPlateBox);
        line[7] = {};
        QVERIFY(seam.Line() == line);
        for (std::size_t i = 0; i < line.size(); ++i) {
            QCOMPARE(!W->FMachines[i]->FPicture->isHidden(), line[i].Kind != mcNone);
            QCOMPARE(W->cbSetting[i]->currentIndex(), line[i].Kind == mcNone ? -1 : SelectorIndexOf(line[i]));
        }

        // During a run the floor stays as the run reads it.
        W->StartTask(1, 20000089);
        QVERIFY(seam.SetLine(line));
        bool refused = false;
        FClock.OnWait = [&](std::size_t) {
            if (!refused && W->FRunning)
                refused = !seam.SetLine(TMachineLine{}) && seam.Line() == line;
        };
        W->bbKoerPladeClick();
        FClock.OnWait = nullptr;
        QVERIFY(refused);
        TOpgave made;
        made.Reset();
        for (const TMachineRec& rec : line)
            made.ApplyMachine(rec);
        QVERIFY(SameFields(*W->FProducedPlate, made));
        const TRunLine& run = seam.LastRun();
        QVERIFY(run.Line == line);
        QCOMPARE(run.Right, made.SameAs(*W->FTask));
        QCOMPARE(run.Rating.Used, 3);
    }

    // A pupil's game: random tasks of each difficulty, then a known task built
    // right (green) and wrong (red).
    void wholeGame()
    {
        W->bbSound->click();
        QToolButton* buttons[] = {W->bbLet, W->bbMiddel, W->bbSvaer};
        for (int d = 0; d < 3; ++d) {
            TDialogAnswer yes(QStringLiteral("YES"));
            buttons[d]->click();
            QCOMPARE(yes.Seen(), d > 0);
            QVERIFY(W->FTask && W->FTaskBox);
        }

        std::vector<TMachineRec> line;
        const TOpgave known = GenerateTask(4242, 2, &line);
        QCOMPARE(int(line.size()), TaskLength(2));
        TOpgave blank;
        blank.Reset();
        QVERIFY(!known.SameAs(blank));
        W->FTask = std::make_unique<TOpgave>(known);
        W->ShowTaskBox();

        PutLine(*W, line);
        FSound.ClearCalls();
        W->bbKoerPlade->click();
        QCOMPARE(W->FVerdict, vdRight);
        QVERIFY(W->FLampLit && InFront(W->imGroenTaend, W->imGroenSluk));
        QCOMPARE(FSound.Calls(), QStringList{QStringLiteral("play:OKLYD")});
        // The rating of the right line, for everyone who asks.
        QVERIFY(TBraetSeam(*W).LastRun().Right);
        QCOMPARE(TBraetSeam(*W).LastRun().Rating.Used, int(line.size()));
        QCOMPARE(TBraetSeam(*W).LastRun().Rating.Fewest, FewestMachines(known));

        W->ClearAllSlots();
        FSound.ClearCalls();
        W->bbKoerPlade->click();
        QCOMPARE(W->FVerdict, vdWrong);
        QVERIFY(W->FLampLit && InFront(W->imRoedTaend, W->imRoedSluk));
        QVERIFY(!InFront(W->imGroenTaend, W->imGroenSluk));
        QCOMPARE(FSound.Calls(), QStringList{QStringLiteral("play:FEJLLYD")});
        QVERIFY(!TBraetSeam(*W).LastRun().Right && TBraetSeam(*W).LastRun().Rating.Sentence.isEmpty());
        QVERIFY(W->FTask->SameAs(known)); // a verdict keeps the task
    }
};

QTEST_MAIN(TestTasks)
#include "test_tasks.moc"
