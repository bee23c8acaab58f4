// SPDX-License-Identifier: GPL-3.0-or-later
// Machine settings as the floor's selectors offer them: item texts per kind
// and the way a chosen item turns into a machine record.
#pragma once

#include "model/opgave.h"

#include <QStringList>

#include <cstdint>

// The kind's name as the palette gives it ("Hullemaskine"); empty for an
// empty slot or an unknown kind.
QString MachineKindName(std::uint8_t kind);

// Item texts of a slot's setting selector for a machine of `kind`; an empty
// slot (or an unknown kind) has none.
QStringList SelectorItems(std::uint8_t kind);

// Sets rec's Setting (and Shape for a hole machine) from the selector item
// `index`, according to rec.Kind. An index outside the kind's items (-1 for
// "nothing chosen") leaves the record as it is.
void ApplySelectorIndex(TMachineRec& rec, int index);

// The selector item that shows `rec`, or -1 when no item does (empty slot,
// setting out of range).
int SelectorIndexOf(const TMachineRec& rec);
