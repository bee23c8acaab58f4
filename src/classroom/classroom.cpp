// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classroom.h"

#include "floor/platebox.h"
#include "game/braet.h"
#include "shell/printjob.h"
#include "classroom/print_page.h"
#include "classroom/fetch_dialog.h"
#include "classroom/ladder.h"
#include "classroom/stats_file.h"
#include "classroom/stats_print.h"
#include "classroom/task_print.h"
#include "classroom/stats_window.h"
#include "classroom/worksheet_dialog.h"
#include "classroom/worksheet_print.h"
#include "model/answer_key.h"
#include "model/generator.h"
#include "model/ladder_tasks.h"
#include "base/clock.h"
#include "base/clock_timer.h"
#include "shell/messagedialog.h"
#include "shell/plain_text.h"
#include "shell/resources.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMimeData>
#include <QMenu>
#include <QPrinter>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int HentOpgaveLeft = 140;
// On the floor slab under the task place's sign.
constexpr int LabelTop = 265;
constexpr int MaxNameLength = 40;

// A one-line Danish text dialog; false when cancelled.
bool AskText(QWidget* parent, const QString& title, const QString& label, const QString& okText, QString& text)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    dialog.setOkButtonText(okText);
    dialog.setCancelButtonText(QStringLiteral("Annuller"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = dialog.textValue();
    return true;
}

// First shown beside the game where the screen has room: right of it, else
// left of it. Without room on either side it stands at the screen's edge on
// the roomier side, the left one on a tie: there it leaves the task place
// and the lamps in view.
void PlaceBeside(QWidget& window, const QWidget& form)
{
    const QScreen* screen = form.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect game = form.frameGeometry();
    const QSize size = window.frameGeometry().size();
    const int roomRight = area.right() - game.right();
    const int roomLeft = game.left() - area.left();
    int x = game.right() + 9;
    if (roomRight < size.width() + 9) {
        if (roomLeft >= size.width() + 9)
            x = game.left() - 9 - size.width();
        else if (roomLeft >= roomRight)
            x = area.left();
        else
            x = std::max(area.left(), area.right() + 1 - size.width());
    }
    const int y = std::clamp(game.top(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    window.move(x, y);
}

} // namespace

TClassroom::TClassroom(TfmBraet& form) : QObject(&form), FForm(form), FSeam(form)
{
    setObjectName(QStringLiteral("Classroom"));

    bbHentOpgave = FSeam.AddToolButton(QStringLiteral("bbHentOpgave"), QStringLiteral("Hent opgave"), HentOpgaveLeft);
    bbHentOpgave->setToolTip(QStringLiteral("Hent opgave (Ctrl+O)"));
    connect(bbHentOpgave, &QToolButton::clicked, this, [this] { bbHentOpgaveClick(); });


    auto* hent = new QAction(QStringLiteral("Hent opgave"), &form);
    hent->setObjectName(QStringLiteral("HentOpgave1"));
    hent->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    // Ctrl+O and F9 work from the statistics window too; a question still
    // blocks them, and a held key counts once.
    hent->setShortcutContext(Qt::ApplicationShortcut);
    hent->setAutoRepeat(false);
    form.addAction(hent);
    connect(hent, &QAction::triggered, this, [this] { bbHentOpgaveClick(); });

    Statistik1 = FSeam.HelpMenu()->addAction(QStringLiteral("Statistik"));
    Statistik1->setObjectName(QStringLiteral("Statistik1"));
    Statistik1->setShortcut(QKeySequence(Qt::Key_F9));
    Statistik1->setShortcutContext(Qt::ApplicationShortcut);
    Statistik1->setAutoRepeat(false);
    form.addAction(Statistik1);
    connect(Statistik1, &QAction::triggered, this, [this] { Statistik1Click(); });

    Opgaveark1 = FSeam.TaskMenu()->addAction(QStringLiteral("Udskriv opgaveark"));
    Opgaveark1->setObjectName(QStringLiteral("Opgaveark1"));
    connect(Opgaveark1, &QAction::triggered, this, [this] { Opgaveark1Click(); });

    connect(&form, &TfmBraet::TaskChanged, this, [this] { TaskChanged(); });
    // A run starts by clearing the plate.
    connect(&form, &TBraetFloor::PlateCleared, this, [this] { PlayChanged(); });
    connect(&form, &TfmBraet::RunFinished, this, [this] { PlayChanged(); });
    connect(&form, &TfmBraet::TaskCopied, this, [this] { TaskCopied(); });
    FSeam.SetTaskPrint([this] { PrintTask(); });
    connect(&form, &TfmBraet::VerdictShown, this, [this](TVerdict verdict) {
        FLog.Verdict(verdict == vdRight, FSeam.LastRun().Rating.Used, CurrentClock().Tick());
        Refresh();
    });
    connect(&form, &TfmBraet::TipGiven, this, [this] {
        FLog.TipGiven();
        Refresh();
    });

    Ladder = new TLadder(form, this);
    connect(Ladder, &TLadder::Changed, this, [this] { ShowNumber(); });

    auto* clock = new TClockTimer(this);
    clock->setInterval(1000);
    connect(clock, &TClockTimer::timeout, this, [this, clock] {
        if (FWindow && FWindow->isVisible())
            Refresh();
        else
            clock->stop();
    });
    connect(Statistik1, &QAction::triggered, clock, qOverload<>(&TClockTimer::start));
}

TClassroom* InstallClassroom(TfmBraet& form)
{
    return new TClassroom(form);
}

std::uint32_t TClassroom::PlayedMs() const
{
    return FPlay.PlayedMs(CurrentClock().Tick());
}

void TClassroom::PlayChanged()
{
    FPlay.Update(FSeam.Task() || FSeam.Running(), CurrentClock().Tick());
}

void TClassroom::TaskCopied()
{
    // The number as text beside the picture, for a message or a document.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || !FSeam.Task())
        return;
    const QImage picture = clipboard->image();
    if (picture.isNull())
        return;
    auto* data = new QMimeData;
    data->setImageData(picture);
    data->setText(TaskName(FSeam.TaskNumber()));
    clipboard->setMimeData(data);
}

TfmStatistik* TClassroom::Window() const
{
    return FWindow;
}

QString TClassroom::PlayerName() const
{
    return FSeam.PlayerName();
}

void TClassroom::TaskChanged()
{
    const TOpgave* task = FSeam.Task();
    // A plate made the task gets its own number; that change comes back
    // here as a task change of its own.
    if (task && !FSeam.TaskNumber()) {
        if (const auto own = OwnTaskNumber(*task)) {
            FSeam.SetTaskNumber(own);
            return;
        }
    }
    // First, so that the label below shows whether the ladder goes on.
    Ladder->TaskChanged();
    const std::uint32_t now = CurrentClock().Tick();
    if (task != FLoggedTask) {
        FLoggedTask = task;
        if (task)
            FLog.TaskGiven(FSeam.TaskNumber(), *task, now, Ladder->TaskStep());
        else
            FLog.TaskRemoved(now);
        Refresh();
    }
    PlayChanged();
    ShowNumber();
}

void TClassroom::ShowNumber()
{
    if (!FSeam.Task() || !FSeam.TaskBox()) {
        if (lbOpgaveNummer)
            lbOpgaveNummer->hide();
        return;
    }
    // Made with the first task: its style sheet costs memory at start-up.
    if (!lbOpgaveNummer) {
        lbOpgaveNummer = new QLabel(&FForm);
        lbOpgaveNummer->setObjectName(QStringLiteral("lbOpgaveNummer"));
        lbOpgaveNummer->setAlignment(Qt::AlignCenter);
        lbOpgaveNummer->setStyleSheet(QStringLiteral(
            "QLabel { background: #fffdf4; color: #202020; border: 1px solid #4a4a4a; border-radius: 3px;"
            " padding: 0px 3px; font-family: Arial; font-size: 10px; font-weight: bold; }"));
    }
    const QString name = TaskName(FSeam.TaskNumber());
    const QString described = FSeam.TaskNumber() ? QStringLiteral("Opgave ") + name : name;
    // The task box's accessible name and description belong to the screen
    // reader, which says the number and the plate in words.
    FSeam.TaskBox()->setToolTip(described);
    const QString step = Ladder->StepText();
    lbOpgaveNummer->setText(step.isEmpty() ? name : name + QStringLiteral(" \u00B7 ") + step);
    lbOpgaveNummer->setAccessibleName(step.isEmpty() ? described : described + QStringLiteral(", ") + step);
    lbOpgaveNummer->adjustSize();
    // Centred under the task.
    lbOpgaveNummer->move(FSeam.TaskBox()->x() + FSeam.TaskBox()->width() / 2 - lbOpgaveNummer->width() / 2, LabelTop);
    lbOpgaveNummer->show();
    lbOpgaveNummer->raise();
}

void TClassroom::bbHentOpgaveClick()
{
    // Like the difficulty buttons: no new task while a run or the slide uses
    // the produced plate.
    if (FSeam.Busy())
        return;
    TfmHentOpgave dialog(&FForm);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString message = HentOpgave(FormatTaskNumber(dialog.Number()));
    if (!message.isEmpty())
        ShowError(message);
}

QString TClassroom::HentOpgave(const QString& text)
{
    TTaskNumber number;
    const QString problem = TaskNumberProblem(text, number);
    if (!problem.isEmpty())
        return problem;
    if (FSeam.Busy())
        return QStringLiteral("Opgaven kan ikke hentes, mens pladen kører.");
    FSeam.StartTask(number);
    return {};
}

void TClassroom::Refresh()
{
    if (FWindow)
        FWindow->ShowStats(FLog, PlayerName(), PlayedMs(), CurrentClock().Tick());
}

void TClassroom::Statistik1Click()
{
    if (!FWindow) {
        FWindow = new TfmStatistik(&FForm);
        connect(FWindow, &TfmStatistik::ChangeNameClicked, this, [this] { ChangeName(); });
        connect(FWindow, &TfmStatistik::PrintClicked, this, [this] { PrintStatistics(); });
        connect(FWindow, &TfmStatistik::CopyClicked, this, [this] { CopyStatistics(); });
        connect(FWindow, &TfmStatistik::SaveClicked, this, [this] { SaveStatistics(); });
        connect(FWindow, &TfmStatistik::WorksheetClicked, this, [this] { Opgaveark1Click(); });
    }
    if (PlayerName().isEmpty() && !FNameAsked) {
        FNameAsked = true;
        ChangeName();
        if (!FWindow)
            return;
    }
    Refresh();
    if (!FWindow->isVisible() && !FPlaced) {
        FPlaced = true;
        PlaceBeside(*FWindow, FForm);
    }
    FWindow->show();
    FWindow->raise();
    FWindow->activateWindow();
}

void TClassroom::ChangeName()
{
    QWidget* parent = FWindow && FWindow->isVisible() ? static_cast<QWidget*>(FWindow) : &FForm;
    QString name = PlayerName();
    if (!AskText(parent, QStringLiteral("Vorlen"),
                 QStringLiteral("Hvad hedder du?\nNavnet står på statistikken og på det, du udskriver.\n"
                                "Vorlen glemmer det, når programmet lukkes."),
                 QStringLiteral("OK"), name))
        return;
    // On one line, without invisible controls (a pasted name may bring
    // colour codes or a right-to-left override), and of a name's length: the
    // statistics window and its page show it whole.
    name = PlainLine(name);
    if (name.size() > MaxNameLength)
        name.truncate(name.at(MaxNameLength - 1).isHighSurrogate() ? MaxNameLength - 1 : MaxNameLength);
    FSeam.SetPlayerName(name);
    Refresh();
}

void TClassroom::PrintStatistics()
{
    QPrinter printer(QPrinter::HighResolution);
    UseChosenPrinter(printer, FForm.Printer());
    if (!ChoosePrintOutput(printer, FWindow, QStringLiteral("Vorlen-statistik.pdf")))
        return;
    PrintAndCheck(printer, QStringLiteral("Statistikken kunne ikke udskrives."), [&] {
        return ::PrintStatistics(printer, FLog, PlayerName(), QDate::currentDate(), PlayedMs());
    });
}

void TClassroom::CopyStatistics()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(FLog.Text(PlayerName(), QDate::currentDate(), PlayedMs()));
}

void TClassroom::SaveStatistics()
{
    QWidget* parent = FWindow && FWindow->isVisible() ? static_cast<QWidget*>(FWindow) : &FForm;
    const QString file = AskCsvFileName(parent, QStringLiteral("Vorlen-statistik.csv"));
    if (file.isEmpty())
        return;
    if (!WriteTextFile(file, FLog.Csv(PlayerName(), CurrentClock().Tick())))
        ShowError(QStringLiteral("Statistikken kunne ikke gemmes i \"%1\".").arg(QFileInfo(file).fileName()));
}

void TClassroom::PrintTask()
{
    if (!FSeam.Task())
        return;
    // Taken now: the task may change while the save dialog is open.
    const TOpgave task = *FSeam.Task();
    const QString name = TaskName(FSeam.TaskNumber());
    // A printer of its own: the copies of "Printer opsætning" are the
    // worksheet's, one task prints once.
    QPrinter printer(QPrinter::HighResolution);
    UseChosenPrinter(printer, FForm.Printer());
    const QPrinter& chosen = FForm.Printer();
    if (chosen.outputFormat() == QPrinter::PdfFormat && !chosen.outputFileName().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(chosen.outputFileName());
    }
    TPrintJob job(printer);
    if (!job.BeginPrintJob(&FForm, QStringLiteral("Vorlen-opgave.pdf")))
        return;
    PrintAndCheck(printer, QStringLiteral("Opgaven kunne ikke udskrives."),
                  [&] { return PrintTaskPage(printer, task, name, PlayerName()); });
}

void TClassroom::Opgaveark1Click()
{
    QWidget* parent = FWindow && FWindow->isActiveWindow() ? static_cast<QWidget*>(FWindow) : &FForm;
    const std::optional<TTaskNumber> shown = FSeam.TaskNumber();
    const int difficulty = shown && shown->Difficulty < OwnTask ? shown->Difficulty : 1;
    TfmOpgaveark dialog(parent, difficulty, shown ? FormatTaskNumber(*shown) : QString(),
                        FForm.Printer().copyCount(), Ladder->Step());
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::vector<TTaskNumber> tasks;
    QString title;
    switch (dialog.Source()) {
    case ssNew:
        tasks = WorksheetTasks(dialog.Difficulty(), dialog.Count(), TimeOfDaySeed());
        break;
    case ssNumbers:
        tasks = dialog.Numbers();
        break;
    case ssStep:
        tasks = LadderSheetTasks(dialog.Step(), dialog.Count(), TimeOfDaySeed());
        title = QStringLiteral("Vorlen – opgaveark, trin %1").arg(dialog.Step());
        break;
    }
    const TAnswerKeyPlace key = dialog.AnswerKey();
    QPrinter printer(QPrinter::HighResolution);
    UseChosenPrinter(printer, FForm.Printer());
    // The copies are printed here, sheet by sheet, so that the key comes
    // once; the print dialog may still change their number.
    printer.setCopyCount(dialog.Copies());
    if (!ChoosePrintOutput(printer, parent, QStringLiteral("Vorlen-opgaveark.pdf")))
        return;
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    if (!PrintAndCheck(printer, QStringLiteral("Opgavearket kunne ikke udskrives."),
                       [&] { return PrintWorksheet(printer, tasks, QDate::currentDate(), key, copies, title); }))
        return;
    if (key != akSeparate)
        return;
    // A job of its own on the same printer; into a PDF of its own, never
    // over the sheet's file.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString sheet = printer.outputFileName();
        QString file;
        do {
            file = AskPdfFileName(parent, QStringLiteral("Vorlen-facitliste.pdf"));
            if (file.isEmpty())
                return;
            if (QFileInfo(file) == QFileInfo(sheet))
                ShowError(QStringLiteral("Facitlisten skal gemmes i en anden fil end opgavearket."));
        } while (QFileInfo(file) == QFileInfo(sheet));
        printer.setOutputFileName(file);
    }
    PrintAndCheck(printer, QStringLiteral("Facitlisten kunne ikke udskrives."),
                  [&] { return PrintAnswerKey(printer, tasks, QDate::currentDate(), title); });
}
