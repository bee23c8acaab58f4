// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded monkey on the game as it ships: thousands of random player
// actions (clicks, right clicks, every key of keyboard play, selector choices,
// tasks, sound, print and copy, menus, drags and undo, the fast run, task numbers typed in,
// the statistics window and its buttons, worksheets, the magnifier, the step
// pictures, close requests answered at random), many of them in the middle of
// a run, a tilt, a machine animation, the slide or the blinking. The window's
// invariants are checked after every action.
//
// Everything the game writes goes into one temporary folder, which is also
// the process's home: the test checks that nothing appeared elsewhere.
//
// Replay a failing seed with VORLEN_MONKEY_SEED=<seed> (and
// VORLEN_MONKEY_ACTIONS=<count>); VORLEN_MONKEY_TRACE=1 prints every action.
#include "game/game_support.h"
#include "app/assembly.h"
#include "support/dialogs.h"

#include "floor/hitarea.h"
#include "floor/picturebox.h"
#include "shell/about.h"
#include "shell/plain_text.h"
#include "base/delay.h"
#include "shell/helpwindow.h"
#include "support/recordingsound.h"
#include "support/testclock.h"

#include "classroom/classroom.h"
#include "classroom/fetch_dialog.h"
#include "classroom/stats_window.h"
#include "classroom/worksheet_dialog.h"
#include "feedback/magnifier.h"
#include "model/task_number.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDirIterator>
#include <QFileDialog>
#include <QHelpEvent>
#include <QInputDialog>
#include <QScreen>
#include <QSpinBox>
#include <QToolTip>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFrame>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <array>
#include <cstdio>
#include <deque>
#include <random>

using namespace gametest;

namespace {

// Two seeds of 10,000 actions each, in both builds: about 75 s of processor
// time in the normal build and 265 s with the sanitizers (2026-12-09).
// tests/CMakeLists.txt runs each seed as a CTest test of its own.
constexpr int DefaultActions = 10000;
constexpr std::uint32_t DefaultSeeds[] = {20240611u, 7u};

// The lamp timer would tick inside any wait of the test clock; the monkey
// ticks it itself while it is running, at points of its own choosing.
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
    if (type == QtWarningMsg
        && (message.startsWith(QLatin1String("This plugin does not support"))
            || message.contains(QLatin1String("OpenType support missing"))))
        return;
    gPreviousHandler(type, context, message);
}

// The process's home, its XDG folders and every file the monkey lets the
// game write, inside one temporary folder. Made before the application, since
// Qt reads the folders as it starts; what was there before is remembered, to
// find anything written outside afterwards.
struct TPrivateHome {
    const QString RealHome = QDir::homePath();
    const QString StartFolder = QDir::currentPath();
    const QDateTime Start = QDateTime::currentDateTime().addSecs(-1);
    QTemporaryDir Dir;

    TPrivateHome()
    {
        const QString home = Dir.filePath(QStringLiteral("home"));
        QDir().mkpath(home + QStringLiteral("/Documents"));
        QDir().mkpath(Out(QString()));
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toUtf8());
        qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toUtf8());
        qputenv("XDG_STATE_HOME", (home + QStringLiteral("/.local/state")).toUtf8());
        qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/.cache")).toUtf8());
    }
    QString Out(const QString& name) const { return Dir.filePath(QStringLiteral("out/") + name); }

    // PDFs written since the start where a print could land by mistake, and
    // a file dialog's settings that name this folder.
    QStringList WrittenOutside() const
    {
        QStringList found;
        const QStringList folders{RealHome, RealHome + QStringLiteral("/Documents"), RealHome + QStringLiteral("/PDF"),
                                  StartFolder};
        for (const QString& folder : folders) {
            QDirIterator it(folder, {QStringLiteral("*.pdf"), QStringLiteral("*.PDF")}, QDir::Files);
            while (it.hasNext()) {
                const QFileInfo file(it.next());
                if (file.lastModified() >= Start)
                    found << file.filePath();
            }
        }
        QFile settings(RealHome + QStringLiteral("/.config/QtProject.conf"));
        if (settings.open(QIODevice::ReadOnly) && settings.readAll().contains(Dir.path().toUtf8()))
            found << settings.fileName();
        return found;
    }
};
TPrivateHome* gHome = nullptr;

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
    // The dialogs answered since the current action cleared the list: which
    // (class name), whether accepted, and the text or file given.
    struct TAnswered {
        QString Kind;
        bool Accepted = false;
        QString Given;
    };
    std::vector<TAnswered> FAnswers;
    int FFilesSaved = 0;

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
        printer.setOutputFileName(gHome->Out(QStringLiteral("opgave.pdf")));
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
        CheckStepPictures();
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
            // A tool button's own menu runs a loop of its own inside the
            // click that opened it: it is answered there, like a dialog.
            if (qobject_cast<QMenu*>(widget) && qobject_cast<QToolButton*>(widget->parentWidget())) {
                QPointer<QWidget> menu(widget);
                QTimer::singleShot(0, this, [this, menu] {
                    if (menu && menu->isVisible())
                        HandlePopup(menu);
                });
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
        // Whatever was typed, a question fits on the screen with its buttons.
        if (const QScreen* screen = dialog->screen())
            Check(dialog->frameGeometry().width() <= screen->availableGeometry().width(),
                  QStringLiteral("%1 is %2 pixels wide").arg(NameOf(dialog)).arg(dialog->frameGeometry().width()));
        if (auto* input = qobject_cast<QInputDialog*>(dialog))
            return AnswerInput(input);
        if (auto* fetch = qobject_cast<TfmHentOpgave*>(dialog))
            return AnswerFetch(fetch);
        if (auto* files = qobject_cast<QFileDialog*>(dialog))
            return AnswerFile(files);
        if (auto* sheet = qobject_cast<TfmOpgaveark*>(dialog))
            return AnswerWorksheet(sheet);
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
        Log(QStringLiteral("  answered \"%1\" by %2").arg(FQuestion, QString::number(int(FAnswer))));
        FAnswers.push_back({NameOf(dialog), FAnswer == TAnswer::Yes || FAnswer == TAnswer::Other, FQuestion});
        if (dialog && dialog->isVisible()) {
            Check(false, QStringLiteral("dialog \"%1\" stayed open after answer %2").arg(FQuestion, QString::number(int(FAnswer))));
            if (auto* d = qobject_cast<QDialog*>(dialog))
                d->done(0);
        }
    }

    // What a pupil might type for a task number: right ones, wrong ones, far
    // too long ones, digits of other scripts, and odd characters.
    QString TaskNumberText()
    {
        static const char16_t* const Fixed[] = {
            u"M-20000089", u" l - 123 ", u"S-0", u"M-000000000000000000012", u"M-86400000", u"M-4294967296",
            u"L-99999999999999999999999999", u"X-12", u"M20000089", u"", u"M-", u"M--5", u"M-12a", u"M-\u0663",
            u"M-\u0661\u0662\u0663", u"S-\u06F4\u06F5", u"M-\uFF11\uFF12\uFF13", u"\uFF2D-12", u"L\u201012",
            u"S\u221277", u"M-12\u200B", u"\U0001F600-1", u"M-\U0001D7D9", u"m-\u0967\u0968",
        };
        switch (Pick(4)) {
        case 0:
            return QString::fromUtf16(Fixed[Pick(std::size(Fixed))]);
        case 1:
            return FormatTaskNumber({int(Pick(3)), Pick(MaxTaskSeed + 1)});
        case 2: {
            QString digits(int(50 + Pick(3000)), u'7');
            return QStringLiteral("M-") + digits;
        }
        default:
            return OddText(int(1 + Pick(40)));
        }
    }

    // Letters of many scripts, marks that join, direction marks, controls,
    // a lone surrogate.
    QString OddText(int length)
    {
        static const char16_t Pieces[] = {u'A', u'z', u'\u00C5', u'\u00F8', u'\u0301', u'\u05D0', u'\u0645',
                                          u'\u200F', u'\u202E', u'\u200D', u'\u4E2D', u'\uFF10', u'\u0663',
                                          u'\t', u'\n', u' ', u'\0', char16_t(0xD800), u'&', u'<', u'%'};
        QString text;
        for (int i = 0; i < length; ++i)
            text.append(QChar(Pieces[Pick(std::size(Pieces))]));
        if (Chance(4))
            text.append(QString::fromUtf16(u"\U0001F469\u200D\U0001F52C"));
        return text;
    }

    QString NameText()
    {
        static const char16_t* const Fixed[] = {u"\u00C5se", u"", u"   ", u"Ann  Bo", u"\u0645\u0631\u064A\u0645",
                                                u"Zo\u00EB \u674E", u"<b>fed</b> &amp; %1"};
        switch (Pick(3)) {
        case 0:
            return QString::fromUtf16(Fixed[Pick(std::size(Fixed))]);
        case 1:
            return QString(int(100 + Pick(5000)), QChar(u'\u00D8'));
        default:
            return OddText(int(1 + Pick(60)));
        }
    }

    void AnswerInput(QInputDialog* dialog)
    {
        FQuestion = dialog->labelText();
        const bool number = FQuestion.contains(QStringLiteral("nummer"));
        const QString text = number ? TaskNumberText() : NameText();
        const bool accept = !Chance(5);
        Log(QStringLiteral("  %1 \"%2\"").arg(accept ? QStringLiteral("types") : QStringLiteral("cancels"),
                                             text.left(40)));
        if (accept) {
            dialog->setTextValue(text);
            dialog->accept();
        } else if (Chance(2)) {
            dialog->reject();
        } else {
            Key(dialog, Qt::Key_Escape);
        }
        FAnswers.push_back({QStringLiteral("QInputDialog"), accept, text});
        Check(!dialog->isVisible(), QStringLiteral("text dialog \"%1\" stayed open").arg(FQuestion));
    }

    // "Hent opgave": numbers typed until one is good, or a cancel. A number
    // the box cannot read keeps it open with the text for correcting.
    void AnswerFetch(TfmHentOpgave* dialog)
    {
        FQuestion = dialog->windowTitle();
        QString text;
        bool accepted = false;
        for (int tries = 0; tries < 3 && dialog->isVisible(); ++tries) {
            if (Chance(5))
                break;
            text = TaskNumberText();
            Log(QStringLiteral("  types \"%1\"").arg(text.left(40)));
            dialog->edNummer->setText(text);
            QTest::keyClick(dialog->edNummer, Qt::Key_Return);
            TTaskNumber number;
            if (ParseTaskNumber(text, number) == npOk) {
                accepted = true;
                break;
            }
            Check(dialog->isVisible() && dialog->edNummer->text() == text,
                  QStringLiteral("\"%1\" closed the box or lost the text").arg(text.left(40)));
        }
        if (dialog->isVisible()) {
            Log(QStringLiteral("  cancels"));
            if (Chance(2))
                dialog->reject();
            else
                Key(dialog, Qt::Key_Escape);
        }
        FAnswers.push_back({QStringLiteral("TfmHentOpgave"), accepted, accepted ? text : QString()});
        Check(!dialog->isVisible(), QStringLiteral("the number box stayed open"));
    }

    // A file in the temporary folder, now and then the name the game
    // suggests (in the private home's Documents), or a cancel. A file that
    // is there already brings Qt's overwrite question.
    void AnswerFile(QFileDialog* dialog)
    {
        FQuestion = dialog->windowTitle();
        const std::uint32_t way = Pick(8);
        QString file;
        if (way == 0) {
            Log(QStringLiteral("  cancels the file dialog"));
            dialog->reject();
        } else {
            if (way > 1) {
                file = gHome->Out(QStringLiteral("print-%1.pdf").arg(Chance(10) ? 0 : ++FFilesSaved));
                dialog->selectFile(file);
            }
            Log(QStringLiteral("  saves as %1").arg(file.isEmpty() ? QStringLiteral("(suggested)") : file));
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own, which checks the name
            if (dialog->isVisible()) // the overwrite was declined
                dialog->reject();
        }
        const bool accepted = dialog->result() == QDialog::Accepted;
        const QString chosen = accepted && !dialog->selectedFiles().isEmpty() ? dialog->selectedFiles().constFirst() : QString();
        Check(!accepted || file.isEmpty() || chosen == file,
              QStringLiteral("the file dialog chose %1 for %2").arg(chosen, file));
        FAnswers.push_back({QStringLiteral("QFileDialog"), accepted, chosen});
    }

    void AnswerWorksheet(TfmOpgaveark* dialog)
    {
        FQuestion = dialog->windowTitle();
        dialog->cbSvaerhed->setCurrentIndex(int(Pick(uint(dialog->cbSvaerhed->count()))));
        dialog->seAntal->setValue(int(Pick(14)));
        const bool accept = !Chance(4);
        Log(QStringLiteral("  worksheet %1 x %2: %3")
                .arg(dialog->cbSvaerhed->currentIndex())
                .arg(dialog->seAntal->value())
                .arg(accept ? QStringLiteral("print") : QStringLiteral("cancel")));
        if (accept)
            dialog->accept();
        else
            Key(dialog, Qt::Key_Escape);
        FAnswers.push_back({QStringLiteral("TfmOpgaveark"), accept, QString()});
        Check(!dialog->isVisible(), QStringLiteral("worksheet dialog stayed open"));
    }

    // --- popups: an open menu or drop-down list takes the next input ------

    void HandlePopup(QWidget* popup)
    {
        ++FStats.Popups;
        QPointer<QWidget> p(popup);
        const std::uint32_t way = Pick(4);
        if (qobject_cast<TMagnifier*>(popup)) {
            Log(QStringLiteral("magnifier: way %1").arg(way));
            if (way < 2)
                Key(popup, Qt::Key_Escape);
            else
                Click(popup, {int(Pick(uint(popup->width()))), int(Pick(uint(popup->height())))});
            Check(!p || !p->isVisible(), QStringLiteral("magnifier stayed open"));
        } else if (auto* menu = qobject_cast<QMenu*>(popup)) {
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

    void SendMouse(QWidget* to, QEvent::Type type, const QPoint& windowAt, Qt::MouseButtons held)
    {
        const QPoint global = W->mapToGlobal(windowAt);
        QMouseEvent e(type, QPointF(to->mapFromGlobal(global)), QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(to, &e);
    }

    // A drag as a hand makes it, from a palette tool or a slot to a slot,
    // the grass, the palette or anywhere; short ones are clicks.
    void DragMachine()
    {
        QToolButton* tools[] = {W->sbHuller, W->sbDrejer, W->sbStriber};
        const std::size_t from = Pick(8);
        const std::uint32_t kind = Pick(3);
        QWidget* source = nullptr;
        if (Chance(3))
            source = tools[kind];
        else
            source = W->imContainer[from]->isVisible() && Chance(2) ? static_cast<QWidget*>(W->imContainer[from])
                                                                    : W->spContainer[from];
        const std::size_t to = Pick(8);
        QPoint end;
        switch (Pick(4)) {
        case 0:
        case 1:
            end = W->spContainer[to]->geometry().center();
            break;
        case 2:
            end = QPoint(560 + int(Pick(220)), 430 + int(Pick(130))); // the grass
            break;
        default:
            end = RandomPoint();
        }
        const QPoint start = source->geometry().center();
        const bool busy = W->Busy();
        const std::vector<TMachineRec> before = Line();
        const bool toolDown = W->SelectedTool() != nullptr;
        Log(QStringLiteral("drag %1 to %2,%3").arg(NameOf(source)).arg(end.x()).arg(end.y()));
        QPointer<QWidget> s(source);
        SendMouse(source, QEvent::MouseButtonPress, start, Qt::LeftButton);
        // A press on a slot with a tool chosen is the tool's gesture.
        const std::vector<TMachineRec> pressed = Line();
        for (int i = 1; i <= 12 && s && Active(); ++i)
            SendMouse(s, QEvent::MouseMove, start + (end - start) * i / 12, Qt::LeftButton);
        if (s && Active())
            SendMouse(s, QEvent::MouseButtonRelease, end, Qt::NoButton);
        if (!Active() || !s)
            return;
        if (busy || W->Busy()) {
            Check(SameLine(before, Line()), QStringLiteral("a drag changed the line while busy"));
            return;
        }
        if ((end - start).manhattanLength() < QApplication::startDragDistance())
            return;
        std::vector<TMachineRec> expected = pressed;
        int target = -1;
        for (int i = 0; i < 8; ++i)
            if (W->spContainer[std::size_t(i)]->geometry().united(W->cbSetting[std::size_t(i)]->geometry()).contains(end))
                target = i;
        if (source == tools[kind]) {
            if (target >= 0) {
                expected[std::size_t(target)] = TMachineRec{std::uint8_t(kind == 0 ? mcHoles : kind == 1 ? mcRotate : mcStripe), 0, 0};
                ApplySelectorIndex(expected[std::size_t(target)], 0);
            }
        } else if (pressed[from].Kind != mcNone && (source == W->imContainer[from] || !toolDown)) {
            if (target >= 0 && target != int(from))
                std::swap(expected[std::size_t(target)], expected[from]);
            else if (target < 0 && end.y() >= 424)
                expected[from] = TMachineRec{mcNone, 0, 0};
        }
        Check(SameLine(expected, Line()), QStringLiteral("drag gave %1, expected %2").arg(LineText(Line()), LineText(expected)));
    }

    // Undo and redo by key or button; during a run or the slide nothing.
    void UndoRedo()
    {
        auto* fortryd = W->findChild<QToolButton*>(QStringLiteral("bbFortryd"));
        auto* gentag = W->findChild<QToolButton*>(QStringLiteral("bbGentag"));
        if (!Check(fortryd && gentag, QStringLiteral("no undo buttons")))
            return;
        const bool busy = W->Busy();
        const std::vector<TMachineRec> before = Line();
        const TOpgave* task = W->FTask.get();
        const std::uint32_t way = Pick(5);
        Log(QStringLiteral("undo/redo %1").arg(way));
        switch (way) {
        case 0:
            Key(Focused(), Qt::Key_Z, Qt::ControlModifier);
            break;
        case 1:
            Key(Focused(), Qt::Key_Y, Qt::ControlModifier);
            break;
        case 2:
            Key(Focused(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        case 3:
            Click(fortryd);
            break;
        default:
            Click(gentag);
        }
        if (!Active() || !busy)
            return;
        Check(SameLine(before, Line()) && W->FTask.get() == task, QStringLiteral("undo or redo while busy"));
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
                   QStringLiteral("close asked \"%1\" %2 times").arg(FQuestion, QString::number(FAnswered - answered))))
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

    // --- the additions ------------------------------------------------------

    TClassroom* Classroom() const { return W->findChild<TClassroom*>(QStringLiteral("Classroom")); }

    QWidget* Focused() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus : W.get();
    }

    // Every key of keyboard play, sent where the keyboard sends it: to the
    // focused widget (often a slot, a picture button or a selector), now and
    // then to the window itself.
    void KeyboardPlay()
    {
        static constexpr QKeyCombination Keys[] = {
            Qt::Key_F5, Qt::CTRL | Qt::Key_R, Qt::Key_F1, Qt::CTRL | Qt::Key_P, Qt::CTRL | Qt::Key_C,
            Qt::CTRL | Qt::Key_1, Qt::CTRL | Qt::Key_2, Qt::CTRL | Qt::Key_3, Qt::CTRL | Qt::Key_T,
            Qt::CTRL | Qt::Key_Delete, Qt::CTRL | Qt::Key_Q, Qt::ALT | Qt::Key_F4, Qt::Key_1, Qt::Key_2,
            Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::KeypadModifier | Qt::Key_3, Qt::KeypadModifier | Qt::Key_5,
            Qt::Key_F6, Qt::Key_F7, Qt::SHIFT | Qt::Key_F7, Qt::Key_F8, Qt::Key_F9, Qt::CTRL | Qt::Key_O, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab,
            Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space, Qt::Key_Space,
            Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape,
        };
        const QKeyCombination key = Keys[Pick(std::size(Keys))];
        QWidget* target = Chance(5) ? W.get() : Focused();
        Log(QStringLiteral("keyboard %1 to %2").arg(QKeySequence(key).toString(), NameOf(target)));
        Key(target, key.key(), key.keyboardModifiers());
    }

    void FastRun()
    {
        auto* hare = W->findChild<QToolButton*>(QStringLiteral("bbHurtig"));
        if (!Check(hare, QStringLiteral("no fast-run button")))
            return;
        const bool was = hare->isChecked();
        const bool byKey = Chance(2);
        QWidget* target = byKey ? Focused() : hare;
        const bool inGame = target->window() == W.get();
        Log(QStringLiteral("fast run by %1").arg(byKey ? QStringLiteral("F6 to ") + NameOf(target) : QStringLiteral("the hare")));
        if (byKey)
            Key(target, Qt::Key_F6);
        else
            Click(hare);
        // In another window (help, statistics) the key does nothing, for now.
        if (!Active() || !inGame)
            return;
        Check(hare->isChecked() != was && DelayFactor() == (hare->isChecked() ? 0.25 : 1.0),
              QStringLiteral("fast run: was %1, now %2, factor %3").arg(was).arg(hare->isChecked()).arg(DelayFactor()));
    }

    // Ctrl+O or the button, a number typed in: its task, or a message and
    // the task left as it was.
    void FetchTask()
    {
        auto* button = W->findChild<QToolButton*>(QStringLiteral("bbHentOpgave"));
        const bool busy = W->Busy();
        const QPointer<TPlateBox> box = W->FTaskBox;
        const auto numberBefore = W->FTaskNumber;
        FAnswers.clear();
        const bool byKey = Chance(2) || !button;
        Log(QStringLiteral("fetch a task by %1").arg(byKey ? QStringLiteral("Ctrl+O") : QStringLiteral("the button")));
        if (byKey)
            Key(W.get(), Qt::Key_O, Qt::ControlModifier);
        else
            Click(button);
        if (!Active() || busy) // silent while busy, for now
            return;
        if (!Check(!FAnswers.empty() && FAnswers.front().Kind == QStringLiteral("TfmHentOpgave"),
                   QStringLiteral("\"Hent opgave\" asked nothing")))
            return;
        const TAnswered typed = FAnswers.front();
        TTaskNumber number;
        const bool valid = typed.Accepted && ParseTaskNumber(typed.Given, number) == npOk;
        if (valid) {
            Check(FAnswers.size() == 1 && W->FTask && W->FTaskBox && !box && W->FTaskNumber == number,
                  QStringLiteral("\"%1\" did not give its task").arg(typed.Given.left(40)));
            Check(FloorEmpty() && !W->FProducedPlate, QStringLiteral("a fetched task kept the floor or the plate"));
            return;
        }
        // The reasons stand in the box itself: no message follows it.
        Check(FAnswers.size() == 1u,
              QStringLiteral("\"%1\": %2 dialogs").arg(typed.Given.left(40), QString::number(FAnswers.size())));
        Check(W->FTaskBox == box.data() && W->FTaskNumber == numberBefore,
              QStringLiteral("\"%1\" changed the task").arg(typed.Given.left(40)));
    }

    void CheckName(const TAnswered& typed)
    {
        if (!typed.Accepted || typed.Kind != QStringLiteral("QInputDialog"))
            return;
        // Kept on one line, without invisible controls.
        const QString name = PlainLine(typed.Given);
        Check(name.startsWith(W->FPlayerName) && (W->FPlayerName == name || W->FPlayerName.size() >= 39),
              QStringLiteral("the name typed is not the player's"));
        if (TfmStatistik* window = Classroom()->Window())
            Check(window->lbNavn->text() == (W->FPlayerName.isEmpty() ? QStringLiteral("(intet navn)") : W->FPlayerName),
                  QStringLiteral("the statistics window shows another name"));
    }

    void Statistics()
    {
        FAnswers.clear();
        const bool byKey = Chance(2);
        QWidget* target = Focused();
        const bool inGame = target->window() == W.get();
        Log(QStringLiteral("statistics by %1").arg(byKey ? QStringLiteral("F9 to ") + NameOf(target) : QStringLiteral("the menu")));
        if (byKey)
            Key(target, Qt::Key_F9);
        else
            Classroom()->Statistik1->trigger();
        if (!Active())
            return;
        if (!FAnswers.empty())
            CheckName(FAnswers.front());
        TfmStatistik* window = Classroom()->Window();
        if (byKey && !inGame)
            return; // F9 in another window does nothing, for now
        Check(window && window->isVisible(), QStringLiteral("no statistics window"));
    }

    // A PDF written where the file dialog said.
    void CheckPrinted(const QString& what)
    {
        const auto saved = std::find_if(FAnswers.begin(), FAnswers.end(),
                                        [](const TAnswered& a) { return a.Kind == QStringLiteral("QFileDialog"); });
        if (saved == FAnswers.end() || !saved->Accepted)
            return;
        QFile file(saved->Given);
        Check(file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-",
              QStringLiteral("%1 not printed to %2").arg(what, saved->Given));
        Check(saved->Given.startsWith(gHome->Dir.path()), QStringLiteral("%1 printed outside: %2").arg(what, saved->Given));
    }

    void StatisticsButton()
    {
        TfmStatistik* window = Classroom()->Window();
        if (!window || !window->isVisible())
            return Statistics();
        // Whatever the name, the window and its buttons fit on the screen.
        if (const QScreen* screen = window->screen())
            Check(window->frameGeometry().width() <= screen->availableGeometry().width(),
                  QStringLiteral("the statistics window is %1 pixels wide").arg(window->frameGeometry().width()));
        QPushButton* const buttons[] = {window->bbUdskriv, window->bbKopier, window->bbSkiftNavn,
                                        window->bbOpgaveark, window->bbLuk};
        QPushButton* button = buttons[Pick(std::size(buttons))];
        FAnswers.clear();
        QGuiApplication::clipboard()->clear();
        Log(QStringLiteral("statistics: %1").arg(button->text()));
        const QPointer<TfmStatistik> guard(window);
        Click(button);
        if (!Active() || !guard)
            return;
        if (button == window->bbUdskriv) {
            CheckPrinted(QStringLiteral("the statistics"));
        } else if (button == window->bbKopier) {
            const QString text = QGuiApplication::clipboard()->text();
            Check(!text.isEmpty() && text.contains(W->FPlayerName), QStringLiteral("the statistics copied no text"));
        } else if (button == window->bbSkiftNavn) {
            if (Check(!FAnswers.empty(), QStringLiteral("no name asked")))
                CheckName(FAnswers.front());
        } else if (button == window->bbOpgaveark) {
            CheckPrinted(QStringLiteral("the worksheet"));
        } else {
            Check(!window->isVisible(), QStringLiteral("the statistics window stayed open"));
        }
    }

    // "Udskriv opgaveark" from the task's context menu.
    void Worksheet()
    {
        if (!W->FTaskBox)
            return Difficulty();
        const QPoint at(int(Pick(80)), int(Pick(81)));
        Log(QStringLiteral("worksheet from the task's menu"));
        RightClick(W->FTaskBox, at);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!Active() || !Check(menu == W->pmUdskrivOpgave, QStringLiteral("no menu on the task")))
            return;
        const QList<QAction*> items = menu->actions();
        const auto item = std::find_if(items.begin(), items.end(), [](QAction* a) {
            return a->objectName() == QStringLiteral("Opgaveark1");
        });
        if (!Check(item != items.end(), QStringLiteral("no worksheet item")))
            return;
        FAnswers.clear();
        Click(menu, menu->actionGeometry(*item).center());
        if (!Active())
            return;
        Check(!FAnswers.empty() && FAnswers.front().Kind == QStringLiteral("TfmOpgaveark"),
              QStringLiteral("the worksheet item asked nothing"));
        CheckPrinted(QStringLiteral("the worksheet"));
    }

    void Magnify()
    {
        std::vector<TPlateBox*> boxes;
        for (TPlateBox* box : {W->FTaskBox, W->FPlateBox})
            if (box)
                boxes.push_back(box);
        if (boxes.empty())
            return Difficulty();
        TPlateBox* box = boxes[Pick(uint(boxes.size()))];
        // A plate still on its way is not shown.
        const bool tool = W->SelectedTool() != nullptr || W->Busy();
        Log(QStringLiteral("magnify from %1%2").arg(NameOf(box), tool ? QStringLiteral(" (a tool chosen)") : QString()));
        Click(box, {int(Pick(80)), int(Pick(81))});
        if (!Active() || tool)
            return;
        auto* shown = qobject_cast<TMagnifier*>(QApplication::activePopupWidget());
        Check(shown && shown->isVisible(), QStringLiteral("no magnifier"));
    }

    // After a run: a slot's step picture, by its tool tip and by keyboard
    // focus.
    void StepPicture()
    {
        const std::size_t i = Pick(8);
        THitArea* slot = W->spContainer[i];
        Log(QStringLiteral("step picture of slot %1").arg(i + 1));
        if (Chance(2)) {
            QHelpEvent help(QEvent::ToolTip, QPoint(20, 20), slot->mapToGlobal(QPoint(20, 20)));
            QApplication::sendEvent(slot, &help);
            return;
        }
        slot->setFocus(Qt::TabFocusReason);
        if (!Active() || W->Busy() || !W->FPlateBox || !slot->hasFocus() || W->FMachines[i]->FMachine.Kind == mcNone)
            return;
        auto* panel = W->findChild<QWidget*>(QStringLiteral("StepPicture"));
        Check(panel && panel->isVisible(), QStringLiteral("no step picture on the focused slot"));
    }

    // The step pictures belong to the plate of the last run: while any slot
    // shows one, that plate stands in its box and every machine's slot shows
    // its step. (A change at the last slot keeps the plate but drops them.)
    void CheckStepPictures()
    {
        if (W->Busy())
            return;
        std::array<bool, 8> shows{};
        for (std::size_t i = 0; i < 8; ++i)
            shows[i] = W->spContainer[i]->toolTip().contains(QStringLiteral("Pladen efter plads"));
        if (std::find(shows.begin(), shows.end(), true) != shows.end()) {
            for (std::size_t i = 0; i < 8; ++i) {
                const bool should = W->FPlateBox && W->FMachines[i]->FMachine.Kind != mcNone;
                Check(shows[i] == should, QStringLiteral("slot %1's step picture: %2, plate and machine: %3")
                                              .arg(i + 1)
                                              .arg(shows[i])
                                              .arg(should));
            }
        }
        auto* panel = W->findChild<QWidget*>(QStringLiteral("StepPicture"));
        if (panel && panel->isVisible())
            Check(W->FPlateBox && std::find(W->spContainer.begin(), W->spContainer.end(), W->focusWidget()) != W->spContainer.end(),
                  QStringLiteral("a step picture without a focused slot or a plate"));
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
                {8, &TestMonkey::Tick},         {2, &TestMonkey::Wheel},         {12, &TestMonkey::KeyboardPlay},
                {2, &TestMonkey::FastRun},      {3, &TestMonkey::FetchTask},     {2, &TestMonkey::Statistics},
                {3, &TestMonkey::StatisticsButton}, {2, &TestMonkey::Worksheet}, {3, &TestMonkey::Magnify},
                {4, &TestMonkey::StepPicture},  {6, &TestMonkey::DragMachine}, {4, &TestMonkey::UndoRedo},
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
        QVERIFY(gHome && gHome->Dir.isValid());
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
        const QStringList outside = gHome->WrittenOutside();
        QVERIFY2(outside.isEmpty(), qPrintable(QStringLiteral("written outside the temporary folder: ") + outside.join(u',')));
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
            // Between two actions of a player the event loop runs and
            // carries out what was closed for deletion.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

int main(int argc, char** argv)
{
    TPrivateHome home;
    gHome = &home;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    // Each seed is one test function: more than Qt Test's 5 minutes on a
    // busy machine with the sanitizers.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "1200000");
    TestMonkey test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_monkey.moc"
