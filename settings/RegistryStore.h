// On Windows the selections live in the registry, as the program always kept
// them there: eleven REG_DWORD values under <store key>\State, read and
// written one by one in table order. Only the Windows build has this unit.
#pragma once

#include "engine/CalcState.h"

#include <QString>

namespace settings {

// `storeKey` is a key under HKEY_CURRENT_USER, written with the hive:
// "HKEY_CURRENT_USER\Software\Orrelby\Tamsik". An absent value, one of
// another type than REG_DWORD, or one outside its range takes its default; a
// key that cannot be opened gives every default.
void LoadSelectionsFromRegistry(const QString& storeKey, engine::CalcState& state);

// Creates the key as needed and sets the eleven values. False, silently,
// when the key cannot be created or a value not set.
bool StoreSelectionsInRegistry(const QString& storeKey, const engine::CalcState& state);

} // namespace settings
