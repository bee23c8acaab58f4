// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's factory floor: every control of the window, the eight
// machine slots with their gestures and selectors, and the game state that the
// floor and the game flow share. The game flow (TfmBraet) derives from it.
#pragma once

#include "base/clock_timer.h"
#include "floor/machinecomp.h"
#include "model/opgave.h"

#include <QImage>
#include <QMargins>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QFrame;
class QMenu;
class QPainter;
class QToolButton;
class TPictureBox;
class THitArea;
class TPlateBox;
class TSettingSelector;

enum TVerdict : std::uint8_t { vdRight = 0, vdWrong = 1 };

class TBraetFloor : public QWidget {
    Q_OBJECT
public:
    explicit TBraetFloor(QWidget* parent = nullptr);
    ~TBraetFloor() override;

    // Tool bar and its buttons.
    QFrame* paTool = nullptr;
    QToolButton* bbLet = nullptr;
    QToolButton* bbMiddel = nullptr;
    QToolButton* bbSvaer = nullptr;
    QToolButton* bbCopy = nullptr;
    QToolButton* bbPrint = nullptr;
    QToolButton* bbSound = nullptr;
    QToolButton* bbPrinterSetup = nullptr;
    QToolButton* bbHelp = nullptr;
    QToolButton* bbAfslut = nullptr;

    // The factory area.
    TPictureBox* ImageVorlen = nullptr;
    QToolButton* sbHuller = nullptr;
    QToolButton* sbDrejer = nullptr;
    QToolButton* sbStriber = nullptr;
    QToolButton* sbTraek = nullptr;
    QToolButton* sbSkub = nullptr;
    QToolButton* bbKoerPlade = nullptr;
    QToolButton* bbNulstilOpgave = nullptr;
    QToolButton* bbOverfoerPlade = nullptr;
    TPictureBox* imRoedSluk = nullptr;
    TPictureBox* imRoedTaend = nullptr;
    TPictureBox* imGroenSluk = nullptr;
    TPictureBox* imGroenTaend = nullptr;
    QWidget* LiggendePlade = nullptr;
    TPictureBox* imSnydeGulv = nullptr;
    TPictureBox* Image2 = nullptr;
    std::array<TPictureBox*, 8> imContainer{};
    std::array<THitArea*, 8> spContainer{};
    std::array<TSettingSelector*, 8> cbSetting{};

    // Menus and the lamp timer.
    QMenu* Popup = nullptr;
    QAction* Vejledning1 = nullptr;
    QAction* OmVorlen1 = nullptr;
    QMenu* pmUdskrivOpgave = nullptr;
    QAction* Udskriv1 = nullptr;
    QAction* Kopiertilklippebordet1 = nullptr;
    TClockTimer* LightTimer = nullptr;

    // Game state.
    std::vector<std::unique_ptr<TMachineComp>> FMachines;
    std::unique_ptr<TOpgave> FTask;
    TPlateBox* FTaskBox = nullptr;
    std::unique_ptr<TOpgave> FProducedPlate;
    TPlateBox* FPlateBox = nullptr;
    QImage FStartBackground;
    QImage FEndBackground;
    int FMachinesInRow = 0;
    bool FRunning = false;
    bool FSliding = false; // the produced plate is sliding up to the task place
    bool FTaskGiven = false;
    TVerdict FVerdict = vdRight;
    bool FLampLit = false;
    int FBlinksLeft = 0;
    bool FSoundOn = false;

    // While a run or the slide is in progress the floor must not change.
    bool Busy() const { return FRunning || FSliding; }

    // Window handlers.
    void FormActivate();
    void FormResize();
    void pbOpgavePaint(TPlateBox* sender);

    // The floor.
    void CreateMachineSlots();
    void cbSettingChange(TSettingSelector* sender);
    void cbSetting1DrawItem(TSettingSelector* control, int index, const QRect& rect, QPainter& canvas);
    void spContainer8MouseDown(QWidget* sender);
    void imStriberClick(TPictureBox* sender);
    void PlaceMachine(TMachineComp& slot, TMachineKind kind);
    void CopyMachine(int destIndex, int srcIndex);
    void ClearSlot(int index);
    void ClearAllSlots();
    void ClearPlate();

    // Stacking: brings a drawn element to the front of the drawn elements;
    // buttons and selectors (windowed controls) stay above them all.
    void BringToFront(QWidget* drawn);
    void RaiseWindowedControls();

    // The part of the factory picture that lies under `windowRect`.
    QImage FactoryPiece(const QRect& windowRect) const;
    // Draws the pictures, glyphs, machines and plates again for the device
    // pixel ratio of the screen the window is now on, if that needs another
    // grid (after a run when one is in progress).
    void FollowDeviceGrid();
    // The machine tool selected in the palette, or nullptr.
    QToolButton* SelectedTool() const;

    // The slots' machines in conveyor order (all empty until the slots are
    // built at the first activation).
    TMachineLine Line() const;
    // Puts `line` on the floor as one edit: the last run's result goes and
    // FloorChanged comes once. Refused (false, nothing changes) during a run
    // or the slide, and before the slots are built.
    bool SetLine(const TMachineLine& line);

    // A button of the features around the game in the tool bar's left-hand
    // group, `left` pixels in once the tool bar has its full width; until
    // then, where it would cover a button of the right-hand group, it waits
    // after the last button. The floor keeps it in place from then on.
    QToolButton* AddToolButton(const QString& name, const QString& hint, int left, int width = 36);

Q_SIGNALS:
    // Hooks for the features around the floor (accessibility, hints, ...).
    // A slot's machine or setting changed.
    void FloorChanged();
    // The last run's result was dropped.
    void PlateCleared();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildToolBar();
    void BuildFactory();
    void ConnectFloor();
    void PaletteClicked(QToolButton* button);
    void LayOutAddedButtons();
    // Updates a slot's picture for its record (no ClearPlate, no hook).
    void ShowSlotMachine(TMachineComp& slot);
    struct TAddedButton {
        QToolButton* Button;
        int Left;
    };
    std::vector<TAddedButton> FAddedButtons; // by Left
    bool FQuietEdits = false; // inside SetLine: one hook at the end
    QImage FFactory; // the factory picture, 792 x 533
    bool FFrameKnown = false; // activated or framed: the outer size is real
    QMargins FLastFrame; // the window manager's frame, kept while it is away
};
