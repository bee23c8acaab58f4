// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/tab_order.h"

#include "floor/braet_floor.h"
#include "floor/hitarea.h"
#include "floor/settingselector.h"

#include <QFrame>
#include <QToolButton>

#include <algorithm>

QList<QWidget*> PictureOrder(const TBraetFloor& floor)
{
    QList<QWidget*> order;
    if (!floor.paTool)
        return order;
    QList<QToolButton*> bar = floor.paTool->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    std::stable_sort(bar.begin(), bar.end(), [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    for (QToolButton* b : bar)
        order << b;
    order << floor.sbHuller << floor.sbDrejer << floor.sbStriber << floor.sbTraek << floor.sbSkub;
    // The run and task buttons keep their old place before the selectors.
    order << floor.bbKoerPlade << floor.bbNulstilOpgave << floor.bbOverfoerPlade;
    for (std::size_t i = 0; i < floor.spContainer.size(); ++i)
        order << floor.spContainer[i] << floor.cbSetting[i];
    return order;
}

void BuildTabOrder(TBraetFloor& floor)
{
    const QList<QWidget*> order = PictureOrder(floor);
    for (QWidget* w : order)
        if (!(w->focusPolicy() & Qt::TabFocus))
            w->setFocusPolicy(Qt::FocusPolicy(w->focusPolicy() | Qt::TabFocus));
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
