// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/stats_window.h"

#include "classroom/stats_log.h"
#include "model/draw_plate.h"
#include "shell/plain_text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr QSize ListPicture(40, 41);

QLabel* Number(QWidget* parent)
{
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

TfmStatistik::TfmStatistik(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("fmStatistik"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QStringLiteral("Statistik – Vorlen"));

    auto* top = new QVBoxLayout(this);

    auto* nameRow = new QHBoxLayout;
    lbNavn = new QLabel(this);
    // A name is never markup: "<b>Ida" is shown as typed.
    lbNavn->setTextFormat(Qt::PlainText);
    QFont bold = lbNavn->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lbNavn->setFont(bold);
    bbSkiftNavn = new QPushButton(QStringLiteral("Skift &navn ..."), this);
    nameRow->addWidget(lbNavn, 1);
    nameRow->addWidget(bbSkiftNavn);
    top->addLayout(nameRow);

    auto* counts = new QGroupBox(QStringLiteral("Opgaver i dag"), this);
    auto* grid = new QGridLayout(counts);
    const QString heads[] = {QStringLiteral("Givet"), QStringLiteral("Løst"), QStringLiteral("Løst i første kørsel"),
                             QStringLiteral("Kørsler"), QStringLiteral("Løst med færrest")};
    for (int c = 0; c < 5; ++c) {
        auto* head = new QLabel(QStringLiteral("<b>%1</b>").arg(heads[c]), counts);
        head->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(head, 0, c + 1);
    }
    for (int kind = 0; kind < KindCount; ++kind) {
        grid->addWidget(new QLabel(KindName(kind), counts), kind + 1, 0);
        for (int c = 0; c < 5; ++c) {
            lbCounts[std::size_t(kind)][std::size_t(c)] = Number(counts);
            grid->addWidget(lbCounts[std::size_t(kind)][std::size_t(c)], kind + 1, c + 1);
        }
    }
    grid->setColumnStretch(0, 1);
    top->addWidget(counts);

    auto* summary = new QHBoxLayout;
    lbStreak = new QLabel(this);
    lbTime = new QLabel(this);
    summary->addWidget(lbStreak, 1);
    summary->addWidget(lbTime);
    top->addLayout(summary);
    lbNu = new QLabel(this);
    lbNu->setObjectName(QStringLiteral("lbNu"));
    top->addWidget(lbNu);

    lvOpgaver = new QTreeWidget(this);
    lvOpgaver->setObjectName(QStringLiteral("lvOpgaver"));
    lvOpgaver->setHeaderLabels({QStringLiteral("Opgave"), QStringLiteral("Sværhed"), QStringLiteral("Kørsler"),
                                QStringLiteral("Løst"), QStringLiteral("Maskiner"), QStringLiteral("Tip")});
    lvOpgaver->headerItem()->setToolTip(4, QStringLiteral("Maskiner brugt / færrest mulige"));
    lvOpgaver->setRootIsDecorated(false);
    lvOpgaver->setIconSize(ListPicture);
    lvOpgaver->setSelectionMode(QAbstractItemView::NoSelection);
    lvOpgaver->setAccessibleName(QStringLiteral("Opgaverne, nyeste først"));
    lvOpgaver->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lvOpgaver->setMinimumHeight(200);
    top->addWidget(lvOpgaver, 1);

    auto* buttons = new QHBoxLayout;
    bbUdskriv = new QPushButton(QStringLiteral("&Udskriv"), this);
    bbKopier = new QPushButton(QStringLiteral("&Kopier"), this);
    bbGem = new QPushButton(QStringLiteral("Gem…"), this);
    bbGem->setToolTip(QStringLiteral("Gem statistikken som et regneark (CSV)"));
    bbOpgaveark = new QPushButton(QStringLiteral("Udskriv &opgaveark"), this);
    bbLuk = new QPushButton(QStringLiteral("&Luk"), this);
    for (QPushButton* b : {bbUdskriv, bbKopier, bbGem, bbOpgaveark})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(bbLuk);
    top->addLayout(buttons);

    connect(bbSkiftNavn, &QPushButton::clicked, this, &TfmStatistik::ChangeNameClicked);
    connect(bbUdskriv, &QPushButton::clicked, this, &TfmStatistik::PrintClicked);
    connect(bbKopier, &QPushButton::clicked, this, &TfmStatistik::CopyClicked);
    connect(bbGem, &QPushButton::clicked, this, &TfmStatistik::SaveClicked);
    connect(bbOpgaveark, &QPushButton::clicked, this, &TfmStatistik::WorksheetClicked);
    connect(bbLuk, &QPushButton::clicked, this, &QWidget::close);
    resize(560, 520);
}

void TfmStatistik::ShowStats(const TStatsLog& log, const QString& name, std::uint32_t playedMs, std::uint32_t now)
{
    // Ends in the program's name, so that Qt does not add it with a dash of
    // another style.
    setWindowTitle(name.isEmpty() ? QStringLiteral("Statistik – Vorlen")
                                  : QStringLiteral("Statistik – %1 – Vorlen").arg(IsolatedText(name)));
    lbNavn->setText(name.isEmpty() ? QStringLiteral("(intet navn)") : name);
    for (int kind = 0; kind < KindCount; ++kind) {
        const TKindCount c = log.Count(kind);
        const int values[] = {c.Given, c.Solved, c.SolvedFirstRun, c.Runs, c.SolvedWithFewest};
        for (int k = 0; k < 5; ++k)
            lbCounts[std::size_t(kind)][std::size_t(k)]->setText(QString::number(values[k]));
    }
    lbStreak->setText(QStringLiteral("Løst i træk: %1 (flest: %2)").arg(log.CurrentStreak()).arg(log.LongestStreak()));
    lbTime->setText(QStringLiteral("Spilletid: ") + PlayedText(playedMs));
    // Who is stuck, at a glance: the time and runs since the task was last
    // solved (or given).
    if (const TLoggedTask* current = log.Current()) {
        const int runs = current->RunsSinceRight;
        const QString runsText = runs == 1 ? QStringLiteral("1 kørsel") : QStringLiteral("%1 kørsler").arg(runs);
        lbNu->setText(QStringLiteral("Opgaven nu (%1): %2 og %3 siden %4")
                          .arg(TaskName(current->Number), PlayedText(current->TimeSinceRight(now)), runsText,
                               current->Solved ? QStringLiteral("sidste rigtige svar")
                                               : QStringLiteral("den blev givet")));
    } else {
        lbNu->setText(QStringLiteral("Ingen opgave nu."));
    }

    // Only the newest row changes between two tasks; the pictures are
    // redrawn when a task is added.
    const auto& tasks = log.Tasks();
    if (FShownTasks != int(tasks.size())) {
        lvOpgaver->clear();
        for (auto it = tasks.rbegin(); it != tasks.rend(); ++it) {
            auto* item = new QTreeWidgetItem(lvOpgaver);
            const QImage plate = PlateImage(it->Plate, true, 1, Qt::white);
            item->setIcon(0, QIcon(QPixmap::fromImage(plate.scaled(ListPicture, Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation))));
        }
        FShownTasks = int(tasks.size());
    }
    int row = 0;
    for (auto it = tasks.rbegin(); it != tasks.rend(); ++it, ++row) {
        QTreeWidgetItem* item = lvOpgaver->topLevelItem(row);
        item->setText(0, TaskName(it->Number));
        item->setText(1, KindName(KindOf(it->Number)));
        item->setText(2, QString::number(it->Runs));
        item->setText(3, SolvedText(*it));
        item->setText(4, MachinesText(*it));
        item->setText(5, it->Tips > 0 ? QString::number(it->Tips) : QString());
        for (int column : {2, 4, 5})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
}
