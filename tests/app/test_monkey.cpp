// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded monkey on the whole main window: thousands of random player
// actions (clicks, right clicks, keys, selector choices, tasks, sound, print
// and copy, menus, close requests answered at random), many of them in the
// middle of a run, a tilt, a machine animation, the slide or the blinking. The
// window's invariants are checked after every action.
//
// Replay a failing seed with VORLEN_MONKEY_SEED=<seed> (and
// VORLEN_MONKEY_ACTIONS=<count>); VORLEN_MONKEY_TRACE=1 prints every action.
#include "game/game_support.h"
#include "app/assembly.h"
#include "support/dialogs.h"

#include "floor/hitarea.h"
#include "floor/picturebox.h"
#include "shell/about.h"
#include "base/delay.h"
#include "shell/helpwindow.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <cstdio>
#include <deque>
#include <random>

using namespace gametest;

#if defined(__SANITIZE_ADDRESS__)
#define VORLEN_MONKEY_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORLEN_MONKEY_SANITIZED 1
#endif
#endif

namespace {

// The sanitizer build runs several times slower: fewer actions keep it in time.
#ifdef VORLEN_MONKEY_SANITIZED
constexpr int DefaultActions = 2500;
#else
constexpr int DefaultActions = 3500;
#endif
constexpr std::uint32_t DefaultSeeds[] = {20240611u, 7u, 31337u};

// The real lamp timer would tick on the wall clock at unforeseeable points;
// the monkey ticks it itself while it is running.
constexpr int LampTimerParked = 3600 * 1000;
// One wait in this many acts in the middle: rarely in the bar's long travel,
// often in the shorter tilts, animations and the slide.
constexpr int TravelOdds = 120;
constexpr int OtherOdds = 15;
constexpr int MaxDepth = 2;
constexpr int LogLength = 40;

enum class TAnswer { None, Yes, No, Esc, CloseButton, Other };

struct TStats {
    int Windows = 0;
    int Runs = 0;
    int Slides = 0;
    int Nested = 0;
    int InTilt = 0;
    int InTravel = 0;
    int InAnimation = 0;
    int InSlide = 0;
    int Dialogs = 0;
    int Popups = 0;
    int Closes = 0;
    int ClosesMidway = 0; // confirmed in the middle of a run or the slide
    int Ticks = 0;
};

// The offscreen platform says so at every popup; thousands of popups would
// bury the report.
QtMessageHandler gPreviousHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    gPreviousHandler(type, context, message);
}

std::uint32_t EnvNumber(const char* name, std::uint32_t fallback)
{
    bool ok = false;
    const std::uint32_t value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

QString NameOf(const QObject* o)
{
    if (!o)
        return QStringLiteral("(none)");
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
    TTestClock FClock;
    TRecordingSound FSound;
    std::unique_ptr<TfmBraet> W;
    QTemporaryDir FDir;
    std::mt19937 FRng;
    std::uint32_t FSeed = 0;
    int FAction = 0;
    int FDepth = 0;
    bool FTrace = false;
    bool FFailed = false;
    QString FFailure;
    std::deque<QString> FLog;
    TStats FStats;
    bool FRunSeen = false;
    QElapsedTimer FWatch;

    // What the last modal dialog asked and how it was answered.
    QString FQuestion;
    TAnswer FAnswer = TAnswer::None;
    int FAnswered = 0;

    // --- randomness, log, checks --------------------------------------

    std::uint32_t Pick(std::uint32_t n) { return n ? FRng() % n : 0; }
    bool Chance(std::uint32_t oneIn) { return Pick(oneIn) == 0; }

    void Log(const QString& what)
    {
        const QString line = QStringLiteral("#%1.%2 %3").arg(FAction).arg(FDepth - 1).arg(what);
        if (FTrace) // not through Qt Test's log, which stops after 2000 messages
            std::fprintf(stderr, "%7lld ms %s\n", FWatch.elapsed(), qPrintable(line));
        FLog.push_back(line);
        if (FLog.size() > LogLength)
            FLog.pop_front();
    }

    bool Check(bool ok, const QString& what)
    {
        if (ok || FFailed)
            return ok;
        FFailed = true;
        QStringList last(FLog.begin(), FLog.end());
        FFailure = QStringLiteral("seed %1, action %2 (depth %3): %4\nlast actions:\n  %5\n"
                                  "replay: VORLEN_MONKEY_SEED=%1 VORLEN_MONKEY_ACTIONS=%6")
                       .arg(FSeed)
                       .arg(FAction)
                       .arg(std::max(0, FDepth - 1))
                       .arg(what, last.join(QStringLiteral("\n  ")))
                       .arg(FAction + 1);
        return false;
    }

    bool Active() const { return !FFailed && !QuitRequested() && W && W->isVisible(); }

    // --- the window -----------------------------------------------------

    void NewWindow()
    {
        W = AssembleGame(&FSound);
        auto* about = new TfmAbout(W.get());
        W->fmAbout = about;
        W->LightTimer->setInterval(LampTimerParked);
        QPrinter& printer = W->Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(FDir.filePath(QStringLiteral("opgave.pdf")));
        W->show();
        W->activateWindow();
        Check(QTest::qWaitForWindowExposed(W.get()), QStringLiteral("the window did not show"));
        W->FormActivate();
        ++FStats.Windows;
    }

    // A confirmed close: the stack has unwound; the window must have ended
    // cleanly before the next one starts.
    void EndWindow()
    {
        Check(!W->isVisible(), QStringLiteral("window still shown after a confirmed close"));
        Check(!W->FRunning && !W->FSliding, QStringLiteral("a run or slide still marked after the close"));
        Check(W->LiggendePlade->isHidden(), QStringLiteral("bar still shown after the close"));
        Check(!QApplication::activeModalWidget(), QStringLiteral("a modal dialog outlived the window"));
        W.reset();
        ForgetQuit();
        ++FStats.Closes;
    }

    std::vector<TMachineRec> Line() const
    {
        std::vector<TMachineRec> line;
        for (const auto& slot : W->FMachines)
            line.push_back(slot->FMachine);
        return line;
    }

    // The same machine: the shape counts for hole machines only, and an empty
    // slot keeps no setting.
    static bool SameMachine(const TMachineRec& a, const TMachineRec& b)
    {
        return a.Kind == b.Kind && (a.Kind == mcNone || (a.Setting == b.Setting && (a.Kind != mcHoles || a.Shape == b.Shape)));
    }

    static bool SameLine(const std::vector<TMachineRec>& a, const std::vector<TMachineRec>& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameMachine);
    }

    static QString LineText(const std::vector<TMachineRec>& line)
    {
        QStringList parts;
        for (const TMachineRec& rec : line)
            parts << (rec.Kind == mcNone ? QStringLiteral("-")
                                         : QStringLiteral("%1/%2/%3").arg(rec.Kind).arg(rec.Setting).arg(rec.Shape));
        return parts.join(u' ');
    }

    bool FloorEmpty() const
    {
        return std::all_of(W->FMachines.begin(), W->FMachines.end(),
                           [](const auto& slot) { return slot->FMachine.Kind == mcNone; });
    }

    int LampsShownLit() const
    {
        return (InFront(W->imGroenTaend, W->imGroenSluk) ? 1 : 0) + (InFront(W->imRoedTaend, W->imRoedSluk) ? 1 : 0);
    }

    void CheckInvariants()
    {
        if (!Active())
            return;
        if (!Check(W->FMachines.size() == 8, QStringLiteral("not eight slots")))
            return;
        for (std::size_t i = 0; i < 8; ++i) {
            const TMachineComp& slot = *W->FMachines[i];
            const TSettingSelector* selector = W->cbSetting[i];
            const QString at = QStringLiteral(" (slot %1)").arg(i + 1);
            Check(slot.FSelector == selector, QStringLiteral("slot without its selector") + at);
            if (slot.FMachine.Kind == mcNone) {
                Check(selector->count() == 0 && selector->currentIndex() == -1,
                      QStringLiteral("empty slot's selector shows an item") + at);
                Check(!W->imContainer[i]->isVisibleTo(W.get()), QStringLiteral("empty slot shows a machine") + at);
                continue;
            }
            QStringList items;
            for (int k = 0; k < selector->count(); ++k)
                items << selector->itemText(k);
            Check(items == SelectorItems(slot.FMachine.Kind), QStringLiteral("selector lists another kind") + at);
            Check(selector->currentIndex() == SelectorIndexOf(slot.FMachine),
                  QStringLiteral("selector shows item %1, the slot holds item %2")
                          .arg(selector->currentIndex())
                          .arg(SelectorIndexOf(slot.FMachine)) + at);
            Check(W->imContainer[i]->isVisibleTo(W.get()), QStringLiteral("machine picture hidden") + at);
        }
        if (!W->Busy()) {
            Check(bool(W->FProducedPlate) == bool(W->FPlateBox),
                  QStringLiteral("produced plate %1, its box %2").arg(bool(W->FProducedPlate)).arg(bool(W->FPlateBox)));
            if (W->FPlateBox)
                Check(W->FPlateBox->geometry() == QRect(626, 330, 80, 81) && W->FPlateBox->isVisible(),
                      QStringLiteral("produced-plate box out of place"));
        }
        if (!W->FRunning)
            Check(W->LiggendePlade->isHidden(), QStringLiteral("bar shown outside a run"));
        Check(bool(W->FTask) == bool(W->FTaskBox),
              QStringLiteral("task %1, task box %2").arg(bool(W->FTask)).arg(bool(W->FTaskBox)));
        if (W->FTaskBox)
            Check(W->FTaskBox->geometry() == QRect(626, 164, 80, 81) && W->FTaskBox->isVisible(),
                  QStringLiteral("task box out of place"));
        Check(!W->bbPrint->isEnabled() || W->FTask, QStringLiteral("print enabled without a task"));
        Check(!W->bbCopy->isEnabled() || W->FTask, QStringLiteral("copy enabled without a task"));
        int down = 0;
        for (QToolButton* b : {W->sbHuller, W->sbDrejer, W->sbStriber, W->sbTraek, W->sbSkub})
            down += b->isChecked() ? 1 : 0;
        Check(down <= 1, QStringLiteral("%1 palette buttons down").arg(down));
        Check(!W->LightTimer->isActive() || W->FBlinksLeft > 0, QStringLiteral("lamp timer runs with no blinks left"));
        Check(LampsShownLit() <= 1, QStringLiteral("both lamps lit"));
        Check(!QApplication::activeModalWidget(), QStringLiteral("a modal dialog left open"));
    }

    // A run that started ends with its produced plate, which is what the line
    // makes of a blank plate (edits wait until the run has ended).
    void CheckRunEnded()
    {
        ++FStats.Runs;
        Check(!W->FRunning, QStringLiteral("run still marked after it returned"));
        Check(W->LiggendePlade->isHidden(), QStringLiteral("bar shown after the run"));
        if (!Check(W->FProducedPlate && W->FPlateBox, QStringLiteral("run ended without its produced plate")))
            return;
        Check(W->FPlateBox->geometry() == QRect(626, 330, 80, 81), QStringLiteral("produced plate not in the end box"));
        Check(!W->FProducedPlate->FLying, QStringLiteral("produced plate still lying"));
        const TOpgave expected = ExpectedPlate(*W);
        Check(W->FProducedPlate->SameAs(expected) && SameFields(*W->FProducedPlate, expected),
              QStringLiteral("produced plate differs from what the line makes"));
    }

    // --- input helpers --------------------------------------------------

    void Click(QWidget* target, QPoint at = {}, Qt::MouseButton button = Qt::LeftButton, bool twice = false)
    {
        QPointer<QWidget> t(target);
        if (!t)
            return;
        if (at.isNull())
            at = t->rect().center();
        QTest::mousePress(t, button, {}, at);
        if (t)
            QTest::mouseRelease(t, button, {}, at);
        if (twice && t && Active())
            QTest::mouseDClick(t, button, {}, at);
    }

    void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QPointer<QWidget> t(target);
        if (!t)
            return;
        QTest::keyPress(t, key, modifiers);
        if (t)
            QTest::keyRelease(t, key, modifiers);
    }

    void RightClick(QWidget* target, QPoint at)
    {
        QPointer<QWidget> t(target);
        Click(t, at, Qt::RightButton);
        if (!t || !Active())
            return;
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, t->mapToGlobal(at));
        QApplication::sendEvent(t, &event);
    }

    // The deepest child of the window under `p`, and `p` in its coordinates.
    std::pair<QWidget*, QPoint> At(const QPoint& p) const
    {
        QWidget* child = W->childAt(p);
        if (!child)
            return {W.get(), p};
        return {child, child->mapFrom(W.get(), p)};
    }

    QPoint RandomPoint() { return {int(Pick(uint(W->width()))), int(Pick(uint(W->height())))}; }

    // --- dialogs: every modal dialog is answered as it opens --------------

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow() && widget->isModal()) {
                QPointer<QWidget> dialog(widget);
                QTimer::singleShot(0, this, [this, dialog] { Answer(dialog); });
            }
        }
        return false;
    }

    void Answer(QPointer<QWidget> dialog)
    {
        if (!dialog || !dialog->isVisible())
            return;
        // The lamp goes on blinking while a question waits.
        if (W && W->LightTimer->isActive() && Chance(3)) {
            ++FStats.Ticks;
            W->LightTimerTimer();
        }
        ++FStats.Dialogs;
        ++FAnswered;
        auto* label = dialog->findChild<QLabel*>(QStringLiteral("Message"));
        FQuestion = label ? label->text() : NameOf(dialog);
        auto* yes = dialog->findChild<QPushButton*>(QStringLiteral("YES"));
        auto* no = dialog->findChild<QPushButton*>(QStringLiteral("NO"));
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("OK"));
        auto* about = qobject_cast<TfmAbout*>(dialog);
        const std::uint32_t way = Pick(4);
        if (yes && no && way < 2) {
            FAnswer = way == 0 ? TAnswer::Yes : TAnswer::No;
            (way == 0 ? yes : no)->click();
        } else if ((ok || about) && way < 2) {
            FAnswer = TAnswer::Other;
            (ok ? ok : about->OKButton)->click();
        } else if (way == 2 || way == 0) {
            FAnswer = TAnswer::Esc;
            // The message dialog's buttons pass Esc on to it; other dialogs
            // take it themselves.
            QWidget* focus = dialog->focusWidget();
            Key((yes || ok) && focus ? focus : dialog.data(), Qt::Key_Escape);
        } else {
            FAnswer = TAnswer::CloseButton;
            dialog->close();
        }
        Log(QStringLiteral("  answered \"%1\" by %2").arg(FQuestion).arg(int(FAnswer)));
        if (dialog && dialog->isVisible()) {
            Check(false, QStringLiteral("dialog \"%1\" stayed open after answer %2").arg(FQuestion).arg(int(FAnswer)));
            if (auto* d = qobject_cast<QDialog*>(dialog))
                d->done(0);
        }
    }

    // --- popups: an open menu or drop-down list takes the next input ------

    void HandlePopup(QWidget* popup)
    {
        ++FStats.Popups;
        QPointer<QWidget> p(popup);
        const std::uint32_t way = Pick(4);
        if (auto* menu = qobject_cast<QMenu*>(popup)) {
            Log(QStringLiteral("popup %1: way %2").arg(NameOf(menu)).arg(way));
            QList<QAction*> items;
            for (QAction* a : menu->actions())
                if (!a->isSeparator())
                    items << a;
            if (way == 0 || items.isEmpty()) {
                Key(menu, Qt::Key_Escape);
            } else if (way == 1) {
                const int steps = 1 + int(Pick(uint(items.size()) + 1));
                for (int i = 0; i < steps && p && p->isVisible(); ++i)
                    Key(menu, Qt::Key_Down);
                if (p && p->isVisible())
                    Key(menu, Qt::Key_Return);
            } else if (way == 2) {
                QAction* a = items[qsizetype(Pick(uint(items.size())))];
                Click(menu, menu->actionGeometry(a).center());
            } else {
                menu->close(); // a click outside
            }
        } else {
            auto* selector = qobject_cast<QComboBox*>(popup->parentWidget());
            auto* view = popup->findChild<QAbstractItemView*>();
            Log(QStringLiteral("popup list of %1: way %2").arg(NameOf(selector)).arg(way));
            if (view && way == 0) {
                Key(view, Qt::Key_Escape);
            } else if (view && way == 1) {
                const int steps = int(Pick(4));
                for (int i = 0; i < steps && p && p->isVisible(); ++i)
                    Key(view, Chance(3) ? Qt::Key_Up : Qt::Key_Down);
                if (p && p->isVisible())
                    Key(view, Qt::Key_Return);
            } else if (view && way == 2 && view->model() && view->model()->rowCount() > 0) {
                const QModelIndex index = view->model()->index(int(Pick(uint(view->model()->rowCount()))), 0);
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
            } else if (selector) {
                selector->hidePopup();
            }
        }
        if (p && p->isVisible()) {
            Log(QStringLiteral("  popup still open: closed"));
            if (auto* selector = qobject_cast<QComboBox*>(p->parentWidget()))
                selector->hidePopup();
            else
                p->close();
        }
    }

    // --- actions ----------------------------------------------------------

    void ClickControl()
    {
        std::vector<QWidget*> controls{W->bbLet, W->bbMiddel, W->bbSvaer, W->bbCopy, W->bbPrint, W->bbSound,
                                       W->bbHelp, W->sbHuller, W->sbDrejer, W->sbStriber, W->sbTraek, W->sbSkub,
                                       W->bbKoerPlade, W->bbNulstilOpgave, W->bbOverfoerPlade, W->imGroenSluk,
                                       W->imRoedSluk, W->ImageVorlen, W->imSnydeGulv, W->paTool};
        // The additions' own buttons too: a tip may come in a run or a slide.
        if (auto* tip = W->findChild<QToolButton*>(QStringLiteral("bbTip")))
            controls.push_back(tip);
        for (std::size_t i = 0; i < 8; ++i) {
            controls.push_back(W->spContainer[i]);
            controls.push_back(W->cbSetting[i]);
            if (W->imContainer[i]->isVisible())
                controls.push_back(W->imContainer[i]);
        }
        for (QWidget* box : {static_cast<QWidget*>(W->FTaskBox), static_cast<QWidget*>(W->FPlateBox)})
            if (box)
                controls.push_back(box);
        QWidget* target = controls[Pick(uint(controls.size()))];
        const bool twice = Chance(8);
        Log(QStringLiteral("click %1%2").arg(NameOf(target), twice ? QStringLiteral(" twice") : QString()));
        Click(target, {}, Qt::LeftButton, twice);
    }

    void ClickPoint()
    {
        const QPoint p = RandomPoint();
        if (Chance(2)) {
            // Through the window system, as a real click comes: Qt finds the
            // widget, makes double clicks and context menu events itself.
            const Qt::MouseButton button = Chance(4) ? Qt::RightButton : Qt::LeftButton;
            Log(QStringLiteral("window %1 click at %2,%3 (%4)")
                    .arg(button == Qt::LeftButton ? QStringLiteral("left") : QStringLiteral("right"))
                    .arg(p.x())
                    .arg(p.y())
                    .arg(NameOf(W->childAt(p))));
            QPointer<QWindow> window = W->windowHandle();
            QTest::mousePress(window, button, {}, p);
            if (window && Active())
                QTest::mouseRelease(window, button, {}, p);
            return;
        }
        const auto [target, at] = At(p);
        Log(QStringLiteral("click at %1,%2 on %3").arg(p.x()).arg(p.y()).arg(NameOf(target)));
        Click(target, at);
    }

    void RightClickSomewhere()
    {
        QPoint p = RandomPoint();
        if (W->FTaskBox && Chance(2))
            p = W->FTaskBox->geometry().topLeft() + QPoint(int(Pick(80)), int(Pick(81)));
        const auto [target, at] = At(p);
        Log(QStringLiteral("right click at %1,%2 on %3").arg(p.x()).arg(p.y()).arg(NameOf(target)));
        RightClick(target, at);
    }

    void PressKey()
    {
        static constexpr Qt::Key Keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape,
                                           Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Up,   Qt::Key_Down,
                                           Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Home,  Qt::Key_End,
                                           Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_F1, Qt::Key_F4,
                                           Qt::Key_1,     Qt::Key_4,      Qt::Key_9,     Qt::Key_J,
                                           Qt::Key_N};
        std::vector<QWidget*> targets{W.get(), W->bbKoerPlade, W->bbNulstilOpgave, W->bbOverfoerPlade};
        for (TSettingSelector* selector : W->cbSetting)
            targets.push_back(selector);
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus->window() == W.get())
            targets.push_back(focus);
        QWidget* target = targets[Pick(uint(targets.size()))];
        const Qt::Key key = Keys[Pick(std::size(Keys))];
        const Qt::KeyboardModifiers modifiers = Chance(10) ? Qt::AltModifier : Qt::NoModifier;
        Log(QStringLiteral("key %1%2 to %3")
                .arg(modifiers ? QStringLiteral("Alt+") : QString())
                .arg(QKeySequence(QKeyCombination(key)).toString(), NameOf(target)));
        Key(target, key, modifiers);
    }

    void Wheel()
    {
        TSettingSelector* selector = W->cbSetting[Pick(8)];
        if (Chance(2))
            selector->setFocus(Qt::TabFocusReason);
        const int delta = Chance(2) ? 120 : -120;
        Log(QStringLiteral("wheel %1 on %2%3")
                .arg(delta)
                .arg(NameOf(selector), selector->hasFocus() ? QStringLiteral(" (focused)") : QString()));
        const QPointF at(40, 10);
        QWheelEvent event(at, selector->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(selector, &event);
    }

    // The player picks an item of a selector's list.
    void ChooseSetting()
    {
        std::vector<TSettingSelector*> filled;
        for (TSettingSelector* s : W->cbSetting)
            if (s->count() > 0)
                filled.push_back(s);
        if (filled.empty())
            return Gesture();
        TSettingSelector* selector = filled[Pick(uint(filled.size()))];
        const int index = int(Pick(uint(selector->count())));
        const bool busy = W->Busy();
        const auto before = Line();
        TMachineRec expected = selector->FSlot->FMachine;
        ApplySelectorIndex(expected, index);
        Log(QStringLiteral("choose item %1 of %2").arg(index).arg(NameOf(selector)));
        selector->setCurrentIndex(index);
        Q_EMIT selector->activated(index);
        if (!Active())
            return;
        if (busy) {
            Check(SameLine(before, Line()), QStringLiteral("a choice changed the line while busy"));
        } else {
            Check(SameMachine(selector->FSlot->FMachine, expected), QStringLiteral("the slot did not take the chosen item"));
            Check(!W->FProducedPlate && !W->FPlateBox, QStringLiteral("a choice kept the produced plate"));
        }
    }

    // A palette tool (sometimes), then a slot's hit area or machine picture.
    void Gesture()
    {
        QToolButton* tools[] = {W->sbHuller, W->sbDrejer, W->sbStriber, W->sbTraek, W->sbSkub};
        if (Chance(2)) {
            QToolButton* tool = tools[Pick(5)];
            Log(QStringLiteral("palette %1").arg(NameOf(tool)));
            Click(tool);
            if (!Active())
                return;
        }
        const std::size_t i = Pick(8);
        const bool onPicture = W->imContainer[i]->isVisible() && Chance(3);
        QWidget* target = onPicture ? static_cast<QWidget*>(W->imContainer[i]) : W->spContainer[i];
        const bool busy = W->Busy();
        const QToolButton* tool = W->SelectedTool();
        std::vector<TMachineRec> expected = Line();
        bool clears = onPicture;
        if (tool == W->sbHuller || tool == W->sbDrejer || tool == W->sbStriber) {
            TMachineRec rec;
            rec.Kind = tool == W->sbHuller ? mcHoles : tool == W->sbDrejer ? mcRotate : mcStripe;
            ApplySelectorIndex(rec, 0);
            expected[i] = rec;
            clears = true;
        } else if (tool == W->sbTraek) {
            for (std::size_t k = i; k < 7; ++k)
                expected[k] = expected[k + 1];
            expected[7].Kind = mcNone;
            clears = clears || i < 7;
        } else if (tool == W->sbSkub) {
            for (std::size_t k = 7; k > i; --k)
                expected[k] = expected[k - 1];
            expected[i].Kind = mcNone;
            clears = clears || i < 7;
        }
        const TOpgave* plate = W->FProducedPlate.get();
        Log(QStringLiteral("gesture %1 on %2").arg(NameOf(tool), NameOf(target)));
        if (onPicture)
            Click(target);
        else
            QTest::mousePress(target, Qt::LeftButton, {}, QPoint(40, 40));
        if (!onPicture && Active())
            QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(40, 40));
        if (!Active())
            return;
        if (busy) {
            Check(W->FProducedPlate.get() == plate, QStringLiteral("a gesture while busy touched the run's plate"));
            return;
        }
        Check(SameLine(expected, Line()), QStringLiteral("gesture gave %1, expected %2")
                                              .arg(LineText(Line()), LineText(expected)));
        if (clears)
            Check(!W->FProducedPlate && !W->FPlateBox, QStringLiteral("gesture kept the produced plate"));
        else
            Check(W->FProducedPlate.get() == plate, QStringLiteral("gesture discarded the produced plate"));
    }

    void Run()
    {
        const bool starts = !W->Busy();
        const TOpgave* plate = W->FProducedPlate.get();
        const int callsBefore = int(FSound.Calls().size());
        Log(QStringLiteral("run%1").arg(starts ? QString() : QStringLiteral(" (busy)")));
        Click(W->bbKoerPlade);
        if (FFailed || !W)
            return;
        if (!starts) {
            Check(W->FProducedPlate.get() == plate, QStringLiteral("a second run touched the run's plate"));
            return;
        }
        Check(FRunSeen, QStringLiteral("the run did not start"));
        const QStringList calls = FSound.Calls().mid(callsBefore);
        const bool played = calls.filter(QStringLiteral("play:")).size() > 0;
        if (QuitRequested() || !W->FTask) {
            Check(!played, QStringLiteral("a sound without a verdict"));
            if (!QuitRequested())
                Check(!W->LightTimer->isActive() && LampsShownLit() == 0, QStringLiteral("lamp lit without a verdict"));
            return;
        }
        if (!W->FProducedPlate)
            return; // reported by the run check
        const bool right = W->FProducedPlate->SameAs(*W->FTask);
        Check(W->FVerdict == (right ? vdRight : vdWrong), QStringLiteral("wrong verdict"));
        Check(W->FLampLit && W->LightTimer->isActive() && W->FBlinksLeft == 7, QStringLiteral("verdict lamp not lit"));
        if (W->FSoundOn)
            Check(!calls.isEmpty() && calls.last() == (right ? QStringLiteral("play:OKLYD") : QStringLiteral("play:FEJLLYD")),
                  QStringLiteral("verdict sound missing: %1").arg(calls.join(u',')));
        else
            Check(!played, QStringLiteral("verdict sound with sound off"));
    }

    void Slide()
    {
        const bool slides = !W->Busy() && W->FProducedPlate && W->FPlateBox;
        TOpgave produced;
        if (slides)
            produced = *W->FProducedPlate;
        const TOpgave* task = W->FTask.get();
        const TOpgave* plate = W->FProducedPlate.get();
        Log(QStringLiteral("make the plate the task%1").arg(slides ? QString() : QStringLiteral(" (no effect)")));
        Click(W->bbOverfoerPlade);
        if (FFailed || !W)
            return;
        if (!slides) {
            Check(W->FTask.get() == task && W->FProducedPlate.get() == plate,
                  QStringLiteral("make-task without a plate (or while busy) changed something"));
            return;
        }
        ++FStats.Slides;
        Check(!W->FSliding, QStringLiteral("slide still marked"));
        Check(W->FTask && W->FTask->SameAs(produced) && SameFields(*W->FTask, produced),
              QStringLiteral("the task is not the produced plate"));
        Check(!W->FProducedPlate && !W->FPlateBox, QStringLiteral("produced plate kept after the slide"));
        Check(FloorEmpty(), QStringLiteral("floor not emptied by the slide"));
        Check(W->bbPrint->isEnabled() && W->bbCopy->isEnabled(), QStringLiteral("print/copy not enabled"));
    }

    void Difficulty()
    {
        QToolButton* buttons[] = {W->bbLet, W->bbMiddel, W->bbSvaer};
        QToolButton* button = buttons[Pick(3)];
        const bool busy = W->Busy();
        const bool asks = W->FTaskGiven && !busy;
        const TOpgave* task = W->FTask.get();
        // A new task may take the freed one's address: the old box tells.
        const QPointer<TPlateBox> box = W->FTaskBox;
        const int answered = FAnswered;
        FAnswer = TAnswer::None;
        Log(QStringLiteral("difficulty %1").arg(NameOf(button)));
        Click(button);
        if (!Active())
            return;
        Check((FAnswered > answered) == asks, QStringLiteral("\"Ny opgave?\" asked: %1, expected %2")
                                                  .arg(FAnswered > answered)
                                                  .arg(asks));
        if (asks)
            Check(FQuestion == QStringLiteral("Ny opgave?"), QStringLiteral("asked \"%1\"").arg(FQuestion));
        const bool newTask = !busy && (!asks || FAnswer == TAnswer::Yes);
        if (newTask) {
            Check(W->FTask && W->FTaskBox && !box && W->FTaskGiven, QStringLiteral("no new task"));
            Check(FloorEmpty() && !W->FProducedPlate, QStringLiteral("a new task kept the floor or the plate"));
            Check(!W->LightTimer->isActive(), QStringLiteral("lamp blinks on with a new task"));
        } else {
            Check(W->FTask.get() == task && W->FTaskBox == box.data(), QStringLiteral("task changed without a yes"));
        }
    }

    void Sound()
    {
        const bool was = W->FSoundOn;
        FSound.ClearCalls();
        Log(QStringLiteral("sound switch"));
        Click(W->bbSound);
        if (!Active())
            return;
        Check(W->FSoundOn != was, QStringLiteral("sound switch did not switch"));
        if (was)
            Check(FSound.Calls().contains(QStringLiteral("stop")), QStringLiteral("switching off did not stop the sound"));
    }

    void PrintOrCopy()
    {
        const QString pdf = W->Printer().outputFileName();
        QFile::remove(pdf);
        QGuiApplication::clipboard()->clear();
        const bool task = W->FTask != nullptr;
        const std::uint32_t way = Pick(4);
        Log(QStringLiteral("print/copy way %1").arg(way));
        switch (way) {
        case 0:
            Click(W->bbPrint);
            break;
        case 1:
            Click(W->bbCopy);
            break;
        case 2:
            W->Udskriv1->trigger();
            break;
        default:
            W->Kopiertilklippebordet1->trigger();
            break;
        }
        if (!Active())
            return;
        if (way == 2 || (way == 0 && W->bbPrint->isEnabled()))
            Check((QFileInfo(pdf).size() > 0) == task, QStringLiteral("printed: %1, task: %2").arg(QFileInfo::exists(pdf)).arg(task));
        if (way == 3 || (way == 1 && W->bbCopy->isEnabled()))
            Check(task ? QGuiApplication::clipboard()->image().size() == QSize(80, 81)
                       : QGuiApplication::clipboard()->image().isNull(),
                  QStringLiteral("clipboard picture does not match the task"));
    }

    void PrinterSetup()
    {
        Log(QStringLiteral("printer setup"));
        const QString file = W->Printer().outputFileName();
        Click(W->bbPrinterSetup);
        if (Active())
            Check(W->Printer().outputFileName() == file, QStringLiteral("cancelled printer setup changed the printer"));
    }

    void Help()
    {
        Log(QStringLiteral("help button"));
        Click(W->bbHelp);
    }

    void CloseHelp()
    {
        if (auto* help = W->findChild<THelpWindow*>(); help && help->isVisible()) {
            Log(QStringLiteral("close the help window"));
            help->close();
        }
    }

    void CloseRequest()
    {
        const std::uint32_t way = Pick(3);
        const int answered = FAnswered;
        FAnswer = TAnswer::None;
        Log(QStringLiteral("close request way %1").arg(way));
        if (way == 0)
            Click(W->bbAfslut);
        else if (way == 1)
            W->close();
        else
            W->windowHandle()->close();
        if (FFailed)
            return;
        if (!Check(FAnswered == answered + 1 && FQuestion == QStringLiteral("Luk?"),
                   QStringLiteral("close asked \"%1\" %2 times").arg(FQuestion).arg(FAnswered - answered)))
            return;
        const bool yes = FAnswer == TAnswer::Yes;
        if (yes && W->Busy())
            ++FStats.ClosesMidway;
        Check(QuitRequested() == yes, QStringLiteral("answer %1 gave quit %2").arg(int(FAnswer)).arg(QuitRequested()));
        Check(W->isVisible() == !yes, QStringLiteral("answer %1 left the window shown: %2").arg(int(FAnswer)).arg(W->isVisible()));
    }

    void Tick()
    {
        if (!W->LightTimer->isActive())
            return;
        const int ticks = 1 + int(Pick(4));
        Log(QStringLiteral("%1 lamp ticks").arg(ticks));
        for (int i = 0; i < ticks && W->LightTimer->isActive(); ++i) {
            ++FStats.Ticks;
            W->LightTimerTimer();
        }
        if (W->FBlinksLeft <= 0)
            Check(W->FLampLit && !W->LightTimer->isActive(), QStringLiteral("blinking did not end lit"));
    }

    void Act()
    {
        ++FDepth;
        if (QWidget* popup = QApplication::activePopupWidget()) {
            HandlePopup(popup);
        } else {
            struct TChoice {
                int Weight;
                void (TestMonkey::*Action)();
            };
            static constexpr TChoice Choices[] = {
                {14, &TestMonkey::Gesture},     {8, &TestMonkey::ChooseSetting}, {8, &TestMonkey::Run},
                {6, &TestMonkey::Slide},        {12, &TestMonkey::ClickControl}, {6, &TestMonkey::ClickPoint},
                {4, &TestMonkey::RightClickSomewhere}, {8, &TestMonkey::PressKey}, {4, &TestMonkey::Difficulty},
                {2, &TestMonkey::Sound},        {3, &TestMonkey::PrintOrCopy},   {1, &TestMonkey::PrinterSetup},
                {2, &TestMonkey::Help},         {1, &TestMonkey::CloseHelp},     {3, &TestMonkey::CloseRequest},
                {8, &TestMonkey::Tick},         {2, &TestMonkey::Wheel},
            };
            int total = 0;
            for (const TChoice& c : Choices)
                total += c.Weight;
            int roll = int(Pick(uint(total)));
            for (const TChoice& c : Choices) {
                if (roll < c.Weight) {
                    (this->*c.Action)();
                    break;
                }
                roll -= c.Weight;
            }
        }
        CheckInvariants();
        --FDepth;
    }

    // Inside every wait of a run, a tilt, an animation or the slide.
    void OnWait(std::size_t index)
    {
        if (!W)
            return;
        if (W->FRunning)
            FRunSeen = true;
        if (FFailed || FDepth >= MaxDepth)
            return;
        const std::uint32_t ms = FClock.Waits()[index];
        const bool travel = W->FRunning && !W->FPlateBox && ms == 2;
        if (!Chance(travel ? TravelOdds : OtherOdds))
            return;
        ++FStats.Nested;
        if (W->FSliding)
            ++FStats.InSlide;
        else if (W->FRunning && W->FPlateBox)
            ++FStats.InTilt;
        else if (W->FRunning && ms != 2)
            ++FStats.InAnimation;
        else if (W->FRunning)
            ++FStats.InTravel;
        Act();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        FTrace = qEnvironmentVariableIntValue("VORLEN_MONKEY_TRACE") != 0;
        qApp->installEventFilter(this);
        gPreviousHandler = qInstallMessageHandler(QuietHandler);
        FClock.OnWait = [this](std::size_t index) { OnWait(index); };
    }
    void cleanupTestCase()
    {
        FClock.OnWait = nullptr;
        qApp->removeEventFilter(this);
        qInstallMessageHandler(gPreviousHandler);
    }

    void monkey_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("actions");
        const int actions = int(EnvNumber("VORLEN_MONKEY_ACTIONS", DefaultActions));
        if (qEnvironmentVariableIsSet("VORLEN_MONKEY_SEED")) {
            const quint32 seed = EnvNumber("VORLEN_MONKEY_SEED", 0);
            QTest::addRow("seed %u", seed) << seed << actions;
            return;
        }
        for (std::uint32_t seed : DefaultSeeds)
            QTest::addRow("seed %u", seed) << quint32(seed) << actions;
    }
    void monkey()
    {
        QFETCH(quint32, seed);
        QFETCH(int, actions);
        qInfo("monkey: seed %u, %d actions (replay: VORLEN_MONKEY_SEED=%u VORLEN_MONKEY_ACTIONS=%d)", seed, actions,
              seed, actions);
        FSeed = seed;
        FRng.seed(seed);
        FFailed = false;
        FFailure.clear();
        FLog.clear();
        FStats = {};
        ClearQuitRequest();
        QElapsedTimer& watch = FWatch;
        watch.start();
        NewWindow();
        for (FAction = 0; FAction < actions && !FFailed; ++FAction) {
            FRunSeen = false;
            FClock.ClearWaits();
            FSound.ClearCalls();
            Act();
            if (FFailed)
                break;
            if (FRunSeen)
                CheckRunEnded();
            if (QuitRequested()) {
                EndWindow();
                NewWindow();
            }
        }
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        W.reset();
        if (QuitRequested())
            ForgetQuit();
        qInfo("monkey: seed %u: %d actions in %lld ms; %d windows, %d confirmed closes (%d in a run or slide), "
              "%d runs, %d slides, %d dialogs, %d popups, %d lamp ticks; %d nested actions (%d in a tilt, %d in "
              "the travel, %d in an animation, %d in the slide)",
              seed, FAction, watch.elapsed(), FStats.Windows, FStats.Closes, FStats.ClosesMidway, FStats.Runs,
              FStats.Slides,
              FStats.Dialogs, FStats.Popups, FStats.Ticks, FStats.Nested, FStats.InTilt, FStats.InTravel,
              FStats.InAnimation, FStats.InSlide);
        if (FFailed)
            QFAIL(qPrintable(FFailure));
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
