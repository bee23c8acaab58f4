// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus mark: a bold rounded outline around the slot, palette
// tool or picture button that has the focus. It shows only while the player
// works with the keyboard (from a key press to the next mouse press), so a
// game played with the mouse looks exactly as without it.
#pragma once

#include <QPointer>
#include <QWidget>

#include <map>

class TFocusMark : public QWidget {
    Q_OBJECT
public:
    explicit TFocusMark(QWidget* window);

    // `target` gets the mark while it has the focus; the mark goes round
    // `extent` (in the target's parent), by default the target itself.
    void AddTarget(QWidget* target, QWidget* alsoAround = nullptr);

    bool KeyboardMode() const { return FKeyboardMode; }
    // The widget that shows the mark now, or nullptr.
    QWidget* Marked() const { return isVisible() ? FMarked.data() : nullptr; }

    static constexpr int Width = 3; // of the outline, in pixels

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Follow();
    QWidget* FWindow;
    std::map<QWidget*, QPointer<QWidget>> FTargets; // target -> also around
    QPointer<QWidget> FMarked;
    bool FKeyboardMode = false;
};
