// SPDX-License-Identifier: GPL-3.0-or-later
// The about box "Om Vorlen": made once at start-up, shown modally on request.
#pragma once

#include <QDialog>
#include <QFrame>

class QLabel;
class QPushButton;

// A panel with a double bevel: a lowered outer and a raised inner line.
class TBevelPanel : public QFrame {
    Q_OBJECT
public:
    explicit TBevelPanel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TfmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfmAbout(QWidget* parent = nullptr);

    TBevelPanel* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Comments = nullptr; // the maker's line
    QPushButton* OKButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool FTextLaidOut = false;
};
