// SPDX-License-Identifier: GPL-3.0-or-later
// The plate (TOpgave), the machine record and the option text tables.
#pragma once

#include <QPoint>

#include <array>
#include <cstdint>
#include <functional>

class QPainter;
class QImage;
class QRect;

enum TMachineKind : std::uint8_t { mcRotate = 0, mcHoles = 1, mcStripe = 2, mcNone = 3 };

// Members of the centre-hole set, stored as bits of one byte.
enum TCentreHole : std::uint8_t { chCircle = 1, chSquareDiagonal = 2, chSquareStraight = 4 };

// Kind is a plain byte on purpose: a record may carry a kind outside the enum
// (ApplyMachine then does nothing), just as Setting may be out of range.
struct TMachineRec {
    std::uint8_t Kind = mcNone;
    std::uint8_t Setting = 0;
    std::uint8_t Shape = 0;
    friend bool operator==(const TMachineRec&, const TMachineRec&) = default;
};

// The floor's line: the records of the eight slots in conveyor order.
using TMachineLine = std::array<TMachineRec, 8>;

void InitMachineRec(TMachineRec& rec, TMachineKind kind);
int AngleOfSetting(std::uint8_t setting);

// Option texts, UTF-8.
extern const std::array<const char*, 2> ShapeNames;
extern const std::array<const char*, 3> HoleCountNames;
extern const std::array<const char*, 4> AngleNames;
extern const std::array<const char*, 4> StripeNames;

class TOpgave {
public:
    bool FLying = false;
    std::int32_t FAngle = 0;
    std::uint8_t FCentreHoles = 0;                // set of TCentreHole
    std::array<std::uint8_t, 4> FCircleHoles{};   // per plate axis
    std::array<std::uint8_t, 4> FSquareHoles{};   // per plate axis
    std::array<std::uint8_t, 4> FStripes{3, 3, 3, 3};
    std::array<QPoint, 4> FOutline{};             // working outline, not identity

    void Reset();
    void Assign(const TOpgave& source);
    bool IsDiagonal() const;
    std::uint8_t AxisAt(std::uint8_t direction) const;
    std::uint8_t DirectionOf(std::uint8_t axis) const;

    // Machine effects and comparison.
    void ApplyMachine(const TMachineRec& rec);
    void Rotate(std::uint8_t setting);
    void AddHoles(std::uint8_t shape, std::uint8_t count);
    void AddStripe(std::uint8_t thickness);
    bool SameAs(const TOpgave& other) const;

    // Drawing; implemented in the plate-drawing library (QtGui).
    void SetOutline();
    // `grid`: device pixels per logical pixel (see draw_gdi.h); the shapes
    // keep their places in the 80 x 81 area and are drawn on the finer grid.
    void Draw(QPainter& canvas, bool withBorder, int grid = 1);
    // Lies the plate down or stands it up on `canvas`, restoring `r` from
    // `background` between frames. `frameShown` runs after each frame is drawn
    // (a widget showing `canvas` repaints there) and before its Delay(30).
    void Tilt(QImage& canvas, const QImage& background, const QRect& r,
              const std::function<void()>& frameShown = {});
    void DrawStripe(QPainter& canvas, std::uint8_t axis, std::uint8_t thickness, int grid = 1);
    void DrawHoleGroup(QPainter& canvas, std::uint8_t axis, std::uint8_t shape, bool centre, int grid = 1);
};
