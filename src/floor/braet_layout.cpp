// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, their places and stacking, and the handlers
// that keep the layout.
#include "floor/braet_floor.h"

#include "floor/braet_geometry.h"
#include "floor/devicegridwatch.h"
#include "floor/hitarea.h"
#include "floor/picturebox.h"
#include "floor/platebox.h"
#include "floor/settingselector.h"
#include "floor/windowsize.h"
#include "shell/centrewindow.h"
#include "model/draw_grid.h"
#include "model/machdefs.h"
#include "shell/resources.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace {

using braet::ClientHeight;
using braet::ClientWidth;
using braet::PictureTop;

QToolButton* MakeButton(QWidget* parent, const QString& name, const QRect& geometry, const QString& hint,
                        Qt::FocusPolicy focus)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFocusPolicy(focus);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    SetGlyph(button, name);
    return button;
}

TPictureBox* MakePicture(QWidget* parent, const QString& name, const QRect& geometry, const QImage& picture)
{
    auto* box = new TPictureBox(parent, name);
    box->setGeometry(geometry);
    box->SetPicture(picture);
    return box;
}

} // namespace

TBraetFloor::TBraetFloor(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("fmBraet"));
    setWindowTitle(QStringLiteral("Vorlen"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(ClientWidth, ClientHeight);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(12);
    setFont(font);
    const QImage icon = LoadPicture(QStringLiteral("MAINICON"));
    if (!icon.isNull()) {
        QIcon windowIcon(QPixmap::fromImage(icon));
        if (const int grid = DeviceGrid(devicePixelRatioF()); grid > 1)
            windowIcon.addPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("MAINICON"), grid)));
        setWindowIcon(windowIcon);
    }

    FFactory = LoadPicture(QStringLiteral("ImageVorlen"), DeviceGrid(devicePixelRatioF()));
    if (FFactory.isNull()) {
        FFactory = QImage(ClientWidth, ClientHeight - PictureTop, QImage::Format_RGB32);
        FFactory.fill(Qt::white);
    }
    BuildFactory();
    BuildToolBar();
    RaiseWindowedControls();

    // Tab order: tool bar, run button, the two task buttons, the selectors.
    QWidget* previous = bbPrinterSetup;
    for (QWidget* next : std::initializer_list<QWidget*>{bbKoerPlade, bbNulstilOpgave, bbOverfoerPlade}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (TSettingSelector* selector : cbSetting) {
        setTabOrder(previous, selector);
        previous = selector;
    }

    Popup = new QMenu(this);
    Popup->setObjectName(QStringLiteral("Popup"));
    Vejledning1 = Popup->addAction(QStringLiteral("Vejledning"));
    Vejledning1->setObjectName(QStringLiteral("Vejledning1"));
    Popup->addSeparator()->setObjectName(QStringLiteral("N1"));
    OmVorlen1 = Popup->addAction(QStringLiteral("Om Vorlen"));
    OmVorlen1->setObjectName(QStringLiteral("OmVorlen1"));

    pmUdskrivOpgave = new QMenu(this);
    pmUdskrivOpgave->setObjectName(QStringLiteral("pmUdskrivOpgave"));
    Udskriv1 = pmUdskrivOpgave->addAction(QStringLiteral("Udskriv"));
    Udskriv1->setObjectName(QStringLiteral("Udskriv1"));
    Kopiertilklippebordet1 = pmUdskrivOpgave->addAction(QStringLiteral("Kopier til klippebord"));
    Kopiertilklippebordet1->setObjectName(QStringLiteral("Kopiertilklippebordet1"));

    LightTimer = new TClockTimer(this);
    LightTimer->setObjectName(QStringLiteral("LightTimer"));
    LightTimer->setInterval(500);
    LightTimer->setSingleShot(false);

    ConnectFloor();
    new TDeviceGridWatch(this, [this] { FollowDeviceGrid(); });
}

TBraetFloor::~TBraetFloor() = default;

void TBraetFloor::BuildFactory()
{
    const int grid = GridOf(FFactory);
    // Creation order is the stacking order at start, back to front.
    imGroenTaend = MakePicture(this, QStringLiteral("imGroenTaend"), QRect(685, 138, 27, 21),
                               LoadPicture(QStringLiteral("imGroenTaend"), grid));
    imRoedTaend = MakePicture(this, QStringLiteral("imRoedTaend"), QRect(648, 138, 27, 21),
                              LoadPicture(QStringLiteral("imRoedTaend"), grid));
    ImageVorlen = MakePicture(this, QStringLiteral("ImageVorlen"), QRect(0, PictureTop, 792, 533), FFactory);
    ImageVorlen->setAccessibleName(QStringLiteral("Fabrikken"));

    const struct {
        QToolButton** button;
        const char* name;
        int left;
        const char* hint;
    } palette[] = {
        {&sbHuller, "sbHuller", 56, nullptr},
        {&sbDrejer, "sbDrejer", 152, nullptr},
        {&sbStriber, "sbStriber", 248, nullptr},
        {&sbTraek, "sbTraek", 344, "Fjern maskine"},
        {&sbSkub, "sbSkub", 440, "Skub maskiner"},
    };
    const TMachineKind kinds[] = {mcHoles, mcRotate, mcStripe};
    for (const auto& p : palette) {
        const QString hint = p.hint ? QString::fromUtf8(p.hint) : MachineKindName(kinds[&p - palette]);
        QToolButton* button = MakeButton(this, QString::fromLatin1(p.name), QRect(p.left, 472, 80, 80), hint,
                                         Qt::NoFocus);
        button->setCheckable(true);
        *p.button = button;
    }

    for (int i = 0; i < 8; ++i) {
        const QRect hit(braet::SlotPlace(i), QSize(braet::SlotWidth, 80));
        spContainer[i] = new THitArea(this, QStringLiteral("spContainer%1").arg(i + 1));
        spContainer[i]->setGeometry(hit);
        spContainer[i]->setAccessibleName(QStringLiteral("Plads %1").arg(i + 1));
    }

    LiggendePlade = new QWidget(this);
    LiggendePlade->setObjectName(QStringLiteral("LiggendePlade"));
    LiggendePlade->setGeometry(128, 219, 60, 2);
    QPalette white = LiggendePlade->palette();
    white.setColor(QPalette::Window, Qt::white);
    LiggendePlade->setPalette(white);
    LiggendePlade->setAutoFillBackground(true);
    LiggendePlade->hide();

    for (int i = 0; i < 8; ++i) {
        const QRect hit = spContainer[i]->geometry();
        imContainer[i] = new TPictureBox(this, QStringLiteral("imContainer%1").arg(i + 1));
        imContainer[i]->setGeometry(hit.left(), hit.top() + 80 - 48, 80, 48);
        imContainer[i]->setAccessibleName(QStringLiteral("Maskine %1").arg(i + 1));
        imContainer[i]->hide();
    }

    imGroenSluk = MakePicture(this, QStringLiteral("imGroenSluk"), QRect(685, 138, 27, 21),
                              LoadPicture(QStringLiteral("imGroenSluk"), grid));
    imGroenSluk->setAccessibleName(QStringLiteral("Grøn lampe"));
    imSnydeGulv = MakePicture(this, QStringLiteral("imSnydeGulv"), QRect(616, 262, 105, 19),
                              LoadPicture(QStringLiteral("imSnydeGulv"), grid));
    imRoedSluk = MakePicture(this, QStringLiteral("imRoedSluk"), QRect(648, 138, 27, 21),
                             LoadPicture(QStringLiteral("imRoedSluk"), grid));
    imRoedSluk->setAccessibleName(QStringLiteral("Rød lampe"));

    Image2 = MakePicture(this, QStringLiteral("Image2"), QRect(552, 448, 313, 257),
                         LoadPicture(QStringLiteral("Image2"), grid));
    Image2->hide();

    // Windowed controls: always above the drawn elements.
    bbKoerPlade = MakeButton(this, QStringLiteral("bbKoerPlade"), QRect(30, 254, 32, 32),
                             QStringLiteral("Kør pladen gennem fabrikken"), Qt::StrongFocus);
    bbNulstilOpgave = MakeButton(this, QStringLiteral("bbNulstilOpgave"), QRect(732, 148, 32, 32),
                                 QStringLiteral("Slet opgaven"), Qt::StrongFocus);
    bbOverfoerPlade = MakeButton(this, QStringLiteral("bbOverfoerPlade"), QRect(732, 254, 32, 32),
                                 QStringLiteral("Gør pladen til en opgave"), Qt::StrongFocus);
    for (int i = 0; i < 8; ++i) {
        const QRect hit = spContainer[i]->geometry();
        cbSetting[i] = new TSettingSelector(this, QStringLiteral("cbSetting%1").arg(i + 1));
        cbSetting[i]->setGeometry(hit.left(), 244 + 150 * (i / 4), 80, 20);
        cbSetting[i]->setAccessibleName(QStringLiteral("Indstilling for maskine %1").arg(i + 1));
    }
}

void TBraetFloor::BuildToolBar()
{
    paTool = new QFrame(this);
    paTool->setObjectName(QStringLiteral("paTool"));
    paTool->setGeometry(0, 0, ClientWidth, 40);
    paTool->setFrameStyle(QFrame::Panel | QFrame::Raised);
    paTool->setLineWidth(1);
    paTool->setAutoFillBackground(true);
    paTool->setBackgroundRole(QPalette::Button);

    const struct {
        QToolButton** button;
        const char* name;
        int left;
        const char* hint;
        Qt::FocusPolicy focus;
    } buttons[] = {
        {&bbLet, "bbLet", 8, "Let opgave", Qt::NoFocus},
        {&bbMiddel, "bbMiddel", 48, "Middelsvær opgave", Qt::NoFocus},
        {&bbSvaer, "bbSvaer", 88, "Svær opgave", Qt::NoFocus},
        {&bbCopy, "bbCopy", 254, "Kopier opgave til klippebordet", Qt::NoFocus},
        {&bbPrint, "bbPrint", 294, "Udskriv opgave", Qt::NoFocus},
        {&bbSound, "bbSound", 350, "Lyd til", Qt::NoFocus},
        {&bbPrinterSetup, "bbPrinterSetup", 391, "Printer opsætning", Qt::StrongFocus},
        {&bbHelp, "bbHelp", 519, "Hjælp & Om Vorlen", Qt::NoFocus},
        {&bbAfslut, "bbAfslut", 559, "Luk Vorlen", Qt::NoFocus},
    };
    for (const auto& b : buttons)
        *b.button = MakeButton(paTool, QString::fromLatin1(b.name), QRect(b.left, 2, 36, 36), QString::fromUtf8(b.hint),
                               b.focus);
    bbCopy->setEnabled(false);
    bbPrint->setEnabled(false);
    // The sound button starts with the sound-off picture, matching sound off.
    bbSound->setIcon(LoadGlyph(QStringLiteral("NOLOUDSPEAKER"), GridOf(FFactory)));
}

bool TBraetFloor::event(QEvent* event)
{
    const bool result = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    } else if (event->type() == QEvent::Move && !FFrameKnown && !FrameMargins(*this).isNull()) {
        // The window manager has framed the window (it may not activate it).
        FFrameKnown = true;
        FormResize();
    }
    return result;
}

void TBraetFloor::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TBraetFloor::FormActivate()
{
    // A window manager frames a window before it activates it.
    FFrameKnown = true;
    FormResize();
    CreateMachineSlots();
}

void TBraetFloor::FormResize()
{
    if (!paTool)
        return;
    // A window manager takes the frame away for a while when the window
    // leaves full screen; until it is back the window counts the one it had.
    QMargins frame = FrameMargins(*this);
    if (!frame.isNull())
        FLastFrame = frame;
    else if (!isFullScreen())
        frame = FLastFrame;
    const QSize outer = size().grownBy(frame);
    // Full screen the window is the screen and has no frame to grow past.
    if ((outer.width() >= 800 && outer.height() >= 600) || isFullScreen()) {
        paTool->setGeometry(0, 0, width(), 40);
        const int w = paTool->width();
        bbAfslut->move(w - 8 - bbAfslut->width(), bbAfslut->y());
        bbHelp->move(bbAfslut->x() - 4 - bbHelp->width(), bbHelp->y());
        bbPrinterSetup->move(bbHelp->x() - 32 - bbPrinterSetup->width(), bbPrinterSetup->y());
        bbSound->move(bbPrinterSetup->x() - 4 - bbSound->width(), bbSound->y());
        bbPrint->move(bbSound->x() - 32 - bbPrint->width(), bbPrint->y());
        bbCopy->move(bbPrint->x() - 4 - bbCopy->width(), bbCopy->y());
        LayOutAddedButtons();
        return;
    }
    // Grow to the minimum outer size; the growth goes to the client area and
    // the resize that follows lays out the tool bar. Not while the window is
    // being shown: until the window manager has framed it, the frame counts
    // as nothing and the window would grow by the frame too much.
    if (FFrameKnown)
        setFixedSize(GrownClientSize(size(), frame));
}

QToolButton* TBraetFloor::AddToolButton(const QString& name, const QString& hint, int left, int width)
{
    QToolButton* button = MakeButton(paTool, name, QRect(left, 2, width, 36), hint, Qt::NoFocus);
    const auto at = std::find_if(FAddedButtons.begin(), FAddedButtons.end(),
                                 [left](const TAddedButton& added) { return added.Left > left; });
    FAddedButtons.insert(at, TAddedButton{button, left});
    LayOutAddedButtons();
    button->show();
    return button;
}

void TBraetFloor::LayOutAddedButtons()
{
    const QToolButton* const rightGroup[] = {bbCopy, bbPrint, bbSound, bbPrinterSetup, bbHelp, bbAfslut};
    int after = bbAfslut->geometry().right() + 1 + 8;
    for (const TAddedButton& added : FAddedButtons) {
        QRect place(added.Left, added.Button->y(), added.Button->width(), added.Button->height());
        const bool covers = std::any_of(std::begin(rightGroup), std::end(rightGroup), [&place](const QToolButton* b) {
            return b->geometry().adjusted(-16, 0, 0, 0).intersects(place);
        });
        if (covers) {
            place.moveLeft(after);
            after += place.width() + 8;
        }
        added.Button->setGeometry(place);
    }
}

void TBraetFloor::pbOpgavePaint(TPlateBox* sender)
{
    if (!sender)
        return;
    QPainter painter(&sender->Canvas());
    const int grid = GridOf(sender->Canvas());
    if (FTask && sender == FTaskBox)
        FTask->Draw(painter, false, grid);
    else if (FProducedPlate && sender == FPlateBox)
        FProducedPlate->Draw(painter, false, grid);
}

void TBraetFloor::BringToFront(QWidget* drawn)
{
    drawn->raise();
    RaiseWindowedControls();
}

void TBraetFloor::RaiseWindowedControls()
{
    if (paTool)
        paTool->raise();
    for (QWidget* w : std::initializer_list<QWidget*>{bbKoerPlade, bbNulstilOpgave, bbOverfoerPlade})
        if (w)
            w->raise();
    for (TSettingSelector* selector : cbSetting)
        if (selector)
            selector->raise();
}

QImage TBraetFloor::FactoryPiece(const QRect& windowRect) const
{
    // On the factory picture's grid, covering the same logical area.
    const int grid = GridOf(FFactory);
    QImage piece = FFactory.copy(OnGrid(windowRect.translated(0, -PictureTop), grid));
    piece.setDevicePixelRatio(grid);
    return piece;
}

QToolButton* TBraetFloor::SelectedTool() const
{
    for (QToolButton* b : {sbHuller, sbDrejer, sbStriber, sbTraek, sbSkub})
        if (b && b->isChecked())
            return b;
    return nullptr;
}

TMachineLine TBraetFloor::Line() const
{
    TMachineLine line;
    for (std::size_t i = 0; i < FMachines.size() && i < line.size(); ++i)
        line[i] = FMachines[i]->FMachine;
    return line;
}

void TBraetFloor::PaletteClicked(QToolButton* button)
{
    // At most one tool is down; clicking the one that is down raises it.
    if (button->isChecked())
        for (QToolButton* other : {sbHuller, sbDrejer, sbStriber, sbTraek, sbSkub})
            if (other != button)
                other->setChecked(false);
}

void TBraetFloor::ConnectFloor()
{
    for (QToolButton* b : {sbHuller, sbDrejer, sbStriber, sbTraek, sbSkub})
        connect(b, &QToolButton::clicked, this, [this, b] { PaletteClicked(b); });
    for (int i = 0; i < 8; ++i) {
        connect(spContainer[i], &THitArea::MouseDown, this, &TBraetFloor::spContainer8MouseDown);
        connect(imContainer[i], &TPictureBox::Clicked, this, &TBraetFloor::imStriberClick);
        connect(cbSetting[i], &TSettingSelector::Chosen, this, &TBraetFloor::cbSettingChange);
        cbSetting[i]->FOnDrawItem = [this](TSettingSelector* control, int index, const QRect& rect, QPainter& canvas) {
            cbSetting1DrawItem(control, index, rect, canvas);
        };
    }
}
