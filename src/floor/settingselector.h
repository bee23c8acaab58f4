// SPDX-License-Identifier: GPL-3.0-or-later
// A slot's setting selector: a drop-down list without an edit field whose
// items (and closed face) are drawn by the window's item-drawing handler.
#pragma once

#include <QComboBox>

#include <functional>

class TMachineComp;

class TSettingSelector : public QComboBox {
    Q_OBJECT
public:
    TSettingSelector(QWidget* parent, const QString& objectName);

    static constexpr int ItemHeight = 13;

    TMachineComp* FSlot = nullptr;

    // Item drawing handler: (selector, index, rect, painter). The painter's
    // font and brush are set up as the toolkit would before the call.
    std::function<void(TSettingSelector*, int, const QRect&, QPainter&)> FOnDrawItem;

    // Prepares `canvas` as the list does before an item is drawn (font,
    // background brush or selection colours, text colour) and calls the
    // drawing handler.
    void DrawItem(QPainter& canvas, int index, const QRect& rect, bool selected);
    // The rectangle of the closed face that the handler draws into.
    QRect FaceRect() const;

    void showPopup() override;

Q_SIGNALS:
    // The player chose an item (mouse or keyboard); not emitted for changes
    // made by the program.
    void Chosen(TSettingSelector* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool FListReady = false;
};
