// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/machdefs.h"

const std::array<const char*, 2> ShapeNames = {"Cirkel", "Firkant"};
const std::array<const char*, 3> HoleCountNames = {"1", "2", "3"};
const std::array<const char*, 4> AngleNames = {"45", "90", "135", "180"};
// The fourth name is stripe value 3, "no stripe"; selectors never offer it.
const std::array<const char*, 4> StripeNames = {"Tynd", "Mellem", "Tyk", "Ingen"};

namespace {

constexpr int HoleItemCount = int(ShapeNames.size() * HoleCountNames.size());
constexpr int StripeItemCount = 3;

int ItemCount(std::uint8_t kind)
{
    switch (kind) {
    case mcRotate:
        return int(AngleNames.size());
    case mcHoles:
        return HoleItemCount;
    case mcStripe:
        return StripeItemCount;
    default:
        return 0;
    }
}

} // namespace

void InitMachineRec(TMachineRec& rec, TMachineKind kind)
{
    rec.Kind = kind;
    switch (kind) {
    case mcRotate:
    case mcStripe:
        rec.Setting = 0;
        break;
    case mcHoles:
        rec.Setting = 3;
        rec.Shape = 1;
        break;
    case mcNone:
        break;
    }
}

int AngleOfSetting(std::uint8_t setting)
{
    return setting < 4 ? 45 * (setting + 1) : 0;
}

QString MachineKindName(std::uint8_t kind)
{
    switch (kind) {
    case mcRotate:
        return QStringLiteral("Drejemaskine");
    case mcHoles:
        return QStringLiteral("Hullemaskine");
    case mcStripe:
        return QStringLiteral("Stregemaskine");
    default:
        return {};
    }
}

QStringList SelectorItems(std::uint8_t kind)
{
    QStringList items;
    switch (kind) {
    case mcRotate:
        for (const char* name : AngleNames)
            items.append(QString::fromUtf8(name));
        break;
    case mcHoles:
        for (const char* shape : ShapeNames)
            for (const char* count : HoleCountNames)
                items.append(QString::fromUtf8(count) + u' ' + QString::fromUtf8(shape));
        break;
    case mcStripe:
        for (int i = 0; i < StripeItemCount; ++i)
            items.append(QString::fromUtf8(StripeNames[std::size_t(i)]));
        break;
    default:
        break;
    }
    return items;
}

void ApplySelectorIndex(TMachineRec& rec, int index)
{
    if (index < 0 || index >= ItemCount(rec.Kind))
        return;
    if (rec.Kind == mcHoles) {
        rec.Shape = index > 2 ? 1 : 0;
        rec.Setting = std::uint8_t(index % 3 + 1);
    } else {
        rec.Setting = std::uint8_t(index);
    }
}

int SelectorIndexOf(const TMachineRec& rec)
{
    int index = rec.Setting;
    if (rec.Kind == mcHoles) {
        if (rec.Setting < 1 || rec.Setting > 3 || rec.Shape > 1)
            return -1;
        index = rec.Shape * 3 + rec.Setting - 1;
    }
    return index < ItemCount(rec.Kind) ? index : -1;
}
