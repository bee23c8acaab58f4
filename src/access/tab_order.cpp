// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/tab_order.h"

#include "floor/hitarea.h"
#include "floor/settingselector.h"
#include "game/seam.h"

#include <QToolButton>

QList<QWidget*> PictureOrder(const TBraetSeam& window)
{
    QList<QWidget*> order;
    for (QToolButton* b : window.ToolBarButtons())
        order << b;
    for (TBraetButton b : {btHuller, btDrejer, btStriber, btTraek, btSkub})
        order << window.Button(b);
    // The run and task buttons keep their old place before the selectors.
    for (TBraetButton b : {btKoerPlade, btNulstilOpgave, btOverfoerPlade})
        order << window.Button(b);
    for (int i = 0; i < 8; ++i)
        order << window.SlotArea(i) << window.Selector(i);
    return order;
}

void BuildTabOrder(const TBraetSeam& window)
{
    const QList<QWidget*> order = PictureOrder(window);
    for (QWidget* w : order)
        if (!(w->focusPolicy() & Qt::TabFocus))
            w->setFocusPolicy(Qt::FocusPolicy(w->focusPolicy() | Qt::TabFocus));
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
