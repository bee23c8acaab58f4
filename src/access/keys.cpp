// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/keys.h"

#include "access/focus_mark.h"
#include "floor/hitarea.h"
#include "floor/settingselector.h"
#include "access/tab_order.h"
#include "game/braet.h"
#include "shell/helpwindow.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QShortcut>
#include <QToolButton>

TKeys::TKeys(TfmBraet& window) : QObject(&window), FWindow(window), FSeam(window)
{
    FMark = new TFocusMark(&window);
    const auto click = [this](TBraetButton b) {
        QToolButton* button = FSeam.Button(b);
        return [button] { button->click(); };
    };
    const auto trigger = [this](TBraetAction a) {
        QAction* action = FSeam.Action(a);
        return [action] { action->trigger(); };
    };

    AddShortcut(QKeySequence(Qt::Key_F5), click(btKoerPlade));
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), click(btKoerPlade));
    AddShortcut(QKeySequence(Qt::Key_F1), trigger(acVejledning));
    // As the task menu's items: they do nothing without a task.
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), trigger(acUdskriv));
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_C), trigger(acKopier));
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_1), click(btLet));
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_2), click(btMiddel));
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_3), click(btSvaer));
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), click(btOverfoerPlade));
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete), click(btNulstilOpgave));
    // A close request like any other: it asks "Luk?". Without a window
    // manager Alt+F4 reaches the program itself.
    AddShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), click(btAfslut));
    AddShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), click(btAfslut));
    for (int n = 1; n <= 5; ++n) {
        const auto digit = Qt::Key(Qt::Key_0 + n);
        AddShortcut(QKeySequence(digit), [this, n] { ChooseTool(n); });
        AddShortcut(QKeySequence(QKeyCombination(Qt::KeypadModifier, digit)), [this, n] { ChooseTool(n); });
    }

    for (int i = 0; i < 8; ++i)
        FSeam.SlotArea(i)->installEventFilter(this);
    window.installEventFilter(this);
    qApp->installEventFilter(this);
    NameKeysInToolTips();
    Refresh();
}

void TKeys::AddShortcut(const QKeySequence& key, const std::function<void()>& action)
{
    FShortcuts.push_back({key[0], action});
}

// The window's keys are looked up here rather than through QShortcut: a
// shortcut waits for its window to be the active one, which a window without
// a window manager does not become again after a question has closed, while
// the keys themselves still arrive.
bool TKeys::WindowKey(QObject* receiver, QKeyEvent& key)
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget)
        return false;
    if (auto* help = qobject_cast<THelpWindow*>(widget->window());
        help && help->parentWidget() == &FWindow && key.key() == Qt::Key_Escape) {
        help->close();
        return true;
    }
    if (widget->window() != &FWindow)
        return false;
    // Without a window manager nobody makes the window active again after a
    // question has closed; the keys still come, so the window takes them as
    // a sign to become active (focus changes and the focus mark need it).
    if (!FWindow.isActiveWindow())
        FWindow.activateWindow();
    Qt::KeyboardModifiers mods = key.modifiers();
    if (!(mods & Qt::KeypadModifier) || key.key() < Qt::Key_0 || key.key() > Qt::Key_9)
        mods &= ~Qt::KeypadModifier;
    // A selector with the focus chooses its items by typing ("1" for 135,
    // "9" for 90): there the keys that type are its own, not the tools'.
    if (qobject_cast<TSettingSelector*>(widget) && !(mods & ~Qt::KeypadModifier) && !key.text().isEmpty()
        && key.text().front().isPrint())
        return false;
    const QKeyCombination pressed(mods, Qt::Key(key.key()));
    for (const auto& [combination, action] : FShortcuts) {
        if (combination == pressed) {
            if (!key.isAutoRepeat())
                action();
            return true;
        }
    }
    // The other features' keys (F6, F9, Ctrl+O, ...) are Qt shortcuts and
    // actions of the window; when the window is not the active one they are
    // not matched, and the key arrives here instead.
    const QKeySequence sequence(pressed);
    for (QAction* action : FWindow.actions()) {
        if (action->isEnabled() && action->shortcuts().contains(sequence)) {
            if (!key.isAutoRepeat())
                action->trigger();
            return true;
        }
    }
    for (QShortcut* shortcut : FWindow.findChildren<QShortcut*>()) {
        if (shortcut->isEnabled() && shortcut->key() == sequence) {
            if (!key.isAutoRepeat())
                Q_EMIT shortcut->activated();
            return true;
        }
    }
    // Enter on a focused picture button presses it, as Space does.
    auto* button = qobject_cast<QToolButton*>(widget);
    if (button && button->hasFocus() && mods == Qt::NoModifier
        && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
        if (!key.isAutoRepeat())
            button->click();
        return true;
    }
    return false;
}

void TKeys::NameKeysInToolTips()
{
    const std::pair<TBraetButton, const char*> keys[] = {
        {btLet, "Ctrl+1"},       {btMiddel, "Ctrl+2"},          {btSvaer, "Ctrl+3"},
        {btCopy, "Ctrl+C"},      {btPrint, "Ctrl+P"},           {btHelp, "F1: Vejledning"},
        {btAfslut, "Ctrl+Q"},    {btKoerPlade, "F5"},           {btNulstilOpgave, "Ctrl+Delete"},
        {btOverfoerPlade, "Ctrl+T"}, {btHuller, "1"},           {btDrejer, "2"},
        {btStriber, "3"},        {btTraek, "4"},                {btSkub, "5"},
    };
    for (const auto& [id, key] : keys) {
        QToolButton* button = FSeam.Button(id);
        button->setToolTip(button->toolTip() + QStringLiteral(" (") + QString::fromLatin1(key) + QLatin1Char(')'));
    }
    for (int i = 0; i < 8; ++i)
        FSeam.Selector(i)->setToolTip(QStringLiteral("Vælg med pil op og ned eller ved at skrive, f.eks. 9 for 90º.\n"
                                                     "Her vælger tasterne 1-5 ikke værktøj."));
}

// The Tab order and the focus mark's targets; run again when the window is
// shown, so that controls added after start-up are included.
void TKeys::Refresh()
{
    BuildTabOrder(FSeam);
    for (QWidget* w : PictureOrder(FSeam)) {
        if (qobject_cast<QToolButton*>(w))
            FMark->AddTarget(w);
    }
    for (int i = 0; i < 8; ++i) {
        FMark->AddTarget(FSeam.SlotArea(i), FSeam.Selector(i));
        // An empty slot's selector shows no item, so without the mark its
        // focus could not be seen.
        FMark->AddTarget(FSeam.Selector(i));
    }
}

void TKeys::ChooseTool(int number)
{
    const TBraetButton tools[] = {btHuller, btDrejer, btStriber, btTraek, btSkub};
    if (number < 1 || number > 5)
        return;
    FSeam.Button(tools[number - 1])->click();
    // The window's focus child counts even while the window is not active.
    for (int i = 0; i < 8; ++i)
        if (FWindow.focusWidget() == FSeam.SlotArea(i))
            FLastSlot = i;
    THitArea* slot = FSeam.SlotArea(FLastSlot);
    if (slot->isVisible())
        slot->setFocus(Qt::ShortcutFocusReason);
}

bool TKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && WindowKey(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == &FWindow) {
        if (event->type() == QEvent::Show) {
            Refresh();
            // The window starts with the first control of the tool bar, where
            // Tab would begin.
            if (!FWindow.focusWidget())
                PictureOrder(FSeam).first()->setFocus(Qt::OtherFocusReason);
        }
        return false;
    }
    for (int i = 0; i < 8; ++i) {
        if (watched != FSeam.SlotArea(i))
            continue;
        if (event->type() == QEvent::FocusIn)
            FLastSlot = i;
        else if (event->type() == QEvent::KeyPress)
            return SlotKey(i, *static_cast<QKeyEvent*>(event));
        return false;
    }
    return false;
}

bool TKeys::SlotKey(int index, QKeyEvent& key)
{
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier)
        return false;
    THitArea* const slot = FSeam.SlotArea(index);
    switch (key.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Exactly a press on the hit area; a held key is one press, not a
        // stream of them (a held remove key would empty the line).
        if (!key.isAutoRepeat())
            FWindow.spContainer8MouseDown(slot);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int next = index + (key.key() == Qt::Key_Left ? -1 : 1);
        if (THitArea* neighbour = FSeam.SlotArea(next))
            neighbour->setFocus(Qt::TabFocusReason);
        return true;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
        // The selector's own keys, as if it had the focus.
        QCoreApplication::sendEvent(FSeam.Selector(index), &key);
        return true;
    default:
        return false;
    }
}
