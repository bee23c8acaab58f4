// SPDX-License-Identifier: GPL-3.0-or-later
// A child's hands, played through the game as it ships: undo and redo across
// floor edits, a task change and the own plate, and refused during a run;
// drag and drop of machines, also a drag that ends during a run; the chosen
// tool's frame and the slot's preview; the line that says how to begin.
#include "game/game_support.h"

#include "app/assembly.h"
#include "floor/hitarea.h"
#include "floor/picturebox.h"
#include "hands/drag.h"
#include "hands/first_step.h"
#include "hands/tool_mark.h"
#include "hands/undo.h"
#include "model/generator.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QMouseEvent>
#include <QToolButton>
#include <QtTest>

using namespace gametest;

namespace {

TMachineRec Rec(TMachineKind kind, int index = 0)
{
    TMachineRec rec{kind, 0, 0};
    if (kind != mcNone)
        ApplySelectorIndex(rec, index);
    return rec;
}

} // namespace

class TestHands : public QObject {
    Q_OBJECT
    TTestClock FClock;
    TRecordingSound FSound;
    std::unique_ptr<TfmBraet> W;
    TUndo* U = nullptr;

    TMachineLine Line() const { return W->Line(); }
    static bool Same(const TMachineLine& a, const TMachineLine& b)
    {
        THandsState x, y;
        x.Line = a;
        y.Line = b;
        return SameState(x, y);
    }
    TMachineLine LineOf(std::initializer_list<std::pair<int, TMachineRec>> machines) const
    {
        TMachineLine line;
        line.fill(Rec(mcNone));
        for (const auto& [slot, rec] : machines)
            line[std::size_t(slot - 1)] = rec;
        return line;
    }
    // The slot gesture with a palette tool: a press on the slot.
    void Gesture(QToolButton* tool, int slot)
    {
        if (!tool->isChecked())
            QTest::mouseClick(tool, Qt::LeftButton);
        QTest::mousePress(W->spContainer[std::size_t(slot - 1)], Qt::LeftButton, {}, QPoint(40, 10));
        QTest::mouseRelease(W->spContainer[std::size_t(slot - 1)], Qt::LeftButton, {}, QPoint(40, 10));
        QCoreApplication::processEvents(); // the hooks settle into one step
    }
    void Mouse(QWidget* to, QEvent::Type type, const QPoint& windowAt, Qt::MouseButtons held)
    {
        const QPoint global = W->mapToGlobal(windowAt);
        QMouseEvent e(type, QPointF(to->mapFromGlobal(global)), QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(to, &e);
    }
    // As a hand does it: press, a dozen moves, release, all to the widget
    // that took the press.
    void Drag(QWidget* from, const QPoint& start, const QPoint& end, const std::function<void()>& beforeRelease = {})
    {
        Mouse(from, QEvent::MouseButtonPress, start, Qt::LeftButton);
        for (int i = 1; i <= 12; ++i)
            Mouse(from, QEvent::MouseMove, start + (end - start) * i / 12, Qt::LeftButton);
        if (beforeRelease)
            beforeRelease();
        Mouse(from, QEvent::MouseButtonRelease, end, Qt::NoButton);
        QCoreApplication::processEvents();
    }
    QPoint SlotCentre(int slot) const { return W->spContainer[std::size_t(slot - 1)]->geometry().center(); }
    // On a machine's picture, the lower part of the slot.
    QPoint OnMachine(int slot) const { return W->imContainer[std::size_t(slot - 1)]->geometry().center(); }
    QPoint Centre(QWidget* w) const { return w->geometry().center(); }

private Q_SLOTS:
    void init()
    {
        W = AssembleGame(&FSound);
        W->FormActivate();
        U = W->findChild<TUndo*>();
        QVERIFY(U);
    }
    void cleanup()
    {
        FClock.OnWait = nullptr;
        W.reset();
    }

    // Every change of the floor and of the task is a step back; one gesture
    // is one step however many hooks it fires; the task comes back with its
    // number, the own plate as the own plate.
    void undoAndRedoFloorAndTask()
    {
        QVERIFY(!U->bbFortryd->isEnabled() && !U->bbGentag->isEnabled());
        QVERIFY(U->bbFortryd->toolTip().contains(QStringLiteral("Ctrl+Z")));
        Gesture(W->sbHuller, 1);
        Gesture(W->sbDrejer, 2);
        W->cbSetting[1]->setCurrentIndex(2);
        W->cbSettingChange(W->cbSetting[1]);
        QCoreApplication::processEvents();
        const TMachineLine before = Line();
        QVERIFY(Same(before, LineOf({{1, Rec(mcHoles)}, {2, Rec(mcRotate, 2)}})));
        QCOMPARE(U->UndoSteps(), 3);
        QVERIFY(U->bbFortryd->isEnabled());
        // "Skub maskiner" moves two machines: one step.
        Gesture(W->sbSkub, 1);
        QVERIFY(Same(Line(), LineOf({{2, Rec(mcHoles)}, {3, Rec(mcRotate, 2)}})));
        QCOMPARE(U->UndoSteps(), 4);
        QTest::keyClick(W.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Same(Line(), before));
        QVERIFY(U->bbGentag->isEnabled());
        QTest::keyClick(W.get(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(Same(Line(), LineOf({{2, Rec(mcHoles)}, {3, Rec(mcRotate, 2)}})));
        QTest::keyClick(W.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(W.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Same(Line(), LineOf({{2, Rec(mcHoles)}, {3, Rec(mcRotate, 2)}})));
        QTest::keyClick(W.get(), Qt::Key_Z, Qt::ControlModifier);
        // A new edit after an undo drops what could be redone.
        Gesture(W->sbHuller, 8);
        QCOMPARE(U->RedoSteps(), 0);
        QVERIFY(!U->Redo());
        QVERIFY(U->Undo());
        QVERIFY(Same(Line(), before));

        // A new task empties the floor: one step brings back both.
        W->StartTask(1, 4242);
        QVERIFY(W->FTask);
        QVERIFY(Same(Line(), LineOf({})));
        QVERIFY(U->Undo());
        QVERIFY(!W->FTask && !W->FTaskBox);
        QVERIFY(Same(Line(), before));
        QVERIFY(U->Redo());
        QVERIFY(W->FTask && W->FTaskBox);
        QCOMPARE(W->FTaskNumber, (std::optional<TTaskNumber>{TTaskNumber{1, 4242}}));
        QVERIFY(SameFields(*W->FTask, GenerateTask(4242, 1)));

        // The red arrow deletes the task; the button brings it back.
        PutLine(*W, {Rec(mcStripe, 1)});
        QCoreApplication::processEvents();
        QTest::mouseClick(W->bbNulstilOpgave, Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!W->FTask);
        QVERIFY(U->bbFortryd->isEnabled());
        U->bbFortryd->click();
        QVERIFY(W->FTask && W->FTaskBox && W->FTaskBox->isVisibleTo(W.get()));
        QCOMPARE(W->FTaskNumber, (std::optional<TTaskNumber>{TTaskNumber{1, 4242}}));
        QVERIFY(SameFields(*W->FTask, GenerateTask(4242, 1)));
        QVERIFY(Same(Line(), LineOf({{1, Rec(mcStripe, 1)}})));

        // The produced plate made the task: undone, the numbered task and the
        // line are back; redone, the own plate with its own number.
        W->bbKoerPladeClick();
        const TOpgave produced = *W->FProducedPlate;
        W->bbOverfoerPladeClick();
        QVERIFY(W->FTask && W->FTaskNumber == OwnTaskNumber(produced) && SameFields(*W->FTask, produced));
        QVERIFY(Same(Line(), LineOf({})));
        QVERIFY(U->Undo());
        QCOMPARE(W->FTaskNumber, (std::optional<TTaskNumber>{TTaskNumber{1, 4242}}));
        QVERIFY(Same(Line(), LineOf({{1, Rec(mcStripe, 1)}})));
        QVERIFY(!W->bbPrint->isEnabled());
        QVERIFY(U->Redo());
        QVERIFY(W->FTask && W->FTaskNumber == OwnTaskNumber(produced) && SameFields(*W->FTask, produced));
        QVERIFY(W->bbPrint->isEnabled() && W->bbCopy->isEnabled());
    }

    // At least fifty steps back, each the state before it.
    void fiftyStepsBack()
    {
        std::vector<TMachineLine> seen{Line()};
        for (int i = 0; i < 60; ++i) {
            W->SetLine(LineOf({{1 + i % 8, Rec(i % 2 ? mcRotate : mcStripe, i % 3)}}));
            QCoreApplication::processEvents();
            seen.push_back(Line());
        }
        QCOMPARE(U->UndoSteps(), 60);
        for (int i = 59; i >= 10; --i) {
            QVERIFY(U->Undo());
            QVERIFY(Same(Line(), seen[std::size_t(i)]));
        }
    }

    // During a run the keys and the button do nothing; the run's plate and
    // its verdict are not undone afterwards, only the floor.
    void refusedDuringRun()
    {
        Put(*W, 1, mcHoles);
        QCoreApplication::processEvents();
        Put(*W, 2, mcRotate, 1);
        QCoreApplication::processEvents();
        const TMachineLine line = Line();
        int tried = 0;
        FClock.OnWait = [&](std::size_t) {
            if (tried++ != 5)
                return;
            QVERIFY(W->FRunning);
            QVERIFY(!U->Undo());
            QTest::keyClick(W.get(), Qt::Key_Z, Qt::ControlModifier);
            U->bbFortryd->click();
            QVERIFY(Same(Line(), line));
        };
        W->bbKoerPladeClick();
        FClock.OnWait = nullptr;
        QVERIFY(tried > 5);
        QVERIFY(Same(Line(), line));
        QVERIFY(W->FProducedPlate);
        QVERIFY(U->Undo());
        QVERIFY(Same(Line(), LineOf({{1, Rec(mcHoles)}})));
    }

    // Drag and drop places, moves, swaps and removes; a drop where nothing
    // can go changes nothing; the palette's click stays its click.
    void dragAndDrop()
    {
        Drag(W->sbDrejer, Centre(W->sbDrejer), SlotCentre(3));
        QVERIFY(Same(Line(), LineOf({{3, Rec(mcRotate)}})));
        QVERIFY(!W->sbDrejer->isChecked() && !W->sbDrejer->isDown());
        QCOMPARE(W->cbSetting[2]->currentIndex(), 0);
        QCOMPARE(U->UndoSteps(), 1);

        // Moved a little, less than the start distance: the Parts' click.
        Drag(W->sbHuller, Centre(W->sbHuller), Centre(W->sbHuller) + QPoint(1, 1));
        QVERIFY(W->sbHuller->isChecked());
        QVERIFY(Same(Line(), LineOf({{3, Rec(mcRotate)}})));

        // With a tool chosen, a machine is still dragged by its picture, and
        // the tool's gesture does not happen.
        auto* drag = W->findChild<TDragDrop*>();
        Drag(W->imContainer[2], OnMachine(3), SlotCentre(6), [&] {
            QVERIFY(drag->Dragging() && drag->Picture()->isVisibleTo(W.get()));
            QVERIFY(drag->Target()->isVisibleTo(W.get()) && drag->Target()->geometry().contains(SlotCentre(6)));
        });
        QVERIFY(!drag->Picture()->isVisibleTo(W.get()) && !drag->Target()->isVisibleTo(W.get()));
        QVERIFY(Same(Line(), LineOf({{6, Rec(mcRotate)}})));
        QTest::mouseClick(W->sbHuller, Qt::LeftButton); // the tool goes up again
        QVERIFY(!W->sbHuller->isChecked());

        PutLine(*W, {Rec(mcStripe, 2)});
        // Onto a machine: the two swap, by the empty part of the slot too.
        Drag(W->spContainer[0], SlotCentre(1) - QPoint(0, 25), SlotCentre(6));
        QVERIFY(Same(Line(), LineOf({{1, Rec(mcRotate)}, {6, Rec(mcStripe, 2)}})));
        // Nowhere: the roof, the tool bar, the same slot.
        for (const QPoint& nowhere : {QPoint(400, 100), QPoint(400, 20), OnMachine(6) + QPoint(5, 0)})
            Drag(W->imContainer[5], OnMachine(6), nowhere);
        QVERIFY(Same(Line(), LineOf({{1, Rec(mcRotate)}, {6, Rec(mcStripe, 2)}})));
        Drag(W->sbStriber, Centre(W->sbStriber), QPoint(400, 100));
        QVERIFY(Same(Line(), LineOf({{1, Rec(mcRotate)}, {6, Rec(mcStripe, 2)}})));
        // Out onto the grass and onto the palette: removed, nothing else moves.
        Drag(W->imContainer[0], OnMachine(1), QPoint(650, 480));
        QVERIFY(Same(Line(), LineOf({{6, Rec(mcStripe, 2)}})));
        Drag(W->imContainer[5], OnMachine(6), Centre(W->sbSkub));
        QVERIFY(Same(Line(), LineOf({})));
        QVERIFY(!W->sbSkub->isChecked());
        // Each drop was one step.
        QVERIFY(U->Undo());
        QVERIFY(Same(Line(), LineOf({{6, Rec(mcStripe, 2)}})));
    }

    // A drag started before a run and let go during it changes nothing; a
    // drag begun during a run does not start.
    void dragEndingDuringRun()
    {
        PutLine(*W, {Rec(mcHoles)});
        const TMachineLine line = Line();
        const QPoint start = Centre(W->sbStriber);
        Mouse(W->sbStriber, QEvent::MouseButtonPress, start, Qt::LeftButton);
        for (int i = 1; i <= 12; ++i)
            Mouse(W->sbStriber, QEvent::MouseMove, start + (SlotCentre(2) - start) * i / 12, Qt::LeftButton);
        auto* drag = W->findChild<TDragDrop*>();
        QVERIFY(drag->Dragging());
        int waits = 0;
        FClock.OnWait = [&](std::size_t) {
            if (waits++ == 3) {
                Mouse(W->sbStriber, QEvent::MouseButtonRelease, SlotCentre(2), Qt::NoButton);
                Drag(W->imContainer[0], OnMachine(1), QPoint(650, 480));
                Drag(W->sbDrejer, Centre(W->sbDrejer), SlotCentre(4));
            }
            if (waits == 5)
                QVERIFY(!drag->Dragging() && !drag->Picture()->isVisibleTo(W.get()));
        };
        W->bbKoerPladeClick();
        FClock.OnWait = nullptr;
        QVERIFY(waits > 5);
        QVERIFY(Same(Line(), line));
        QVERIFY(W->FProducedPlate && W->FPlateBox);
        QVERIFY(!W->sbStriber->isChecked() && !W->sbDrejer->isChecked());
    }

    // The chosen tool wears a frame; the slot under the pointer shows what
    // a click will do; with no tool nothing shows. The first step's line
    // stands only on an empty start.
    void chosenToolAndFirstStep()
    {
        auto* mark = W->findChild<TToolMark*>();
        auto* first = W->findChild<TFirstStep*>();
        QVERIFY(first->isVisibleTo(W.get()));
        QCOMPARE(first->accessibleName(), TFirstStep::Text());
        QVERIFY(!mark->Frame()->isVisibleTo(W.get()) && !mark->Preview()->isVisibleTo(W.get()));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(W->spContainer[3], &enter);
        QVERIFY(!mark->Preview()->isVisibleTo(W.get()));

        QTest::mouseClick(W->sbStriber, Qt::LeftButton);
        QVERIFY(!first->isVisibleTo(W.get()));
        QVERIFY(mark->Frame()->isVisibleTo(W.get()));
        QVERIFY(mark->Frame()->geometry().contains(W->sbStriber->geometry()));
        // Inside the palette's gaps: the neighbours stay uncovered.
        QVERIFY(!mark->Frame()->geometry().intersects(W->sbDrejer->geometry()));
        QApplication::sendEvent(W->spContainer[3], &enter);
        QVERIFY(mark->Preview()->isVisibleTo(W.get()));
        QCOMPARE(mark->Preview()->geometry(), W->spContainer[3]->geometry());
        QCOMPARE(mark->Preview()->What(), TSlotPreview::Place);
        QTest::mouseClick(W->sbTraek, Qt::LeftButton);
        QCOMPARE(mark->Preview()->What(), TSlotPreview::Remove);
        QVERIFY(mark->Frame()->geometry().contains(W->sbTraek->geometry()));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(W->spContainer[3], &leave);
        QVERIFY(!mark->Preview()->isVisibleTo(W.get()));
        QTest::mouseClick(W->sbTraek, Qt::LeftButton);
        QVERIFY(!mark->Frame()->isVisibleTo(W.get()));
        QVERIFY(first->isVisibleTo(W.get()));

        W->StartTask(0, 77);
        QVERIFY(!first->isVisibleTo(W.get()));
        W->bbNulstilOpgaveClick();
        QVERIFY(first->isVisibleTo(W.get()));
        PutLine(*W, {Rec(mcHoles)});
        QVERIFY(!first->isVisibleTo(W.get()));
    }
};

QTEST_MAIN(TestHands)
#include "test_hands.moc"
