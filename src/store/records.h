#pragma once
// What a record's page shows for a stored block, or for a new record: the
// reading rules of members, partners and activities, without their windows.
// Receipts have theirs in store/receipts.h.

#include "store/recordstore.h"

#include <QDateTime>

#include <optional>

namespace Members {

// The dates a new member starts with.
inline constexpr const char *kNewDate = "01/01/1900";

// Every field empty, the two dates at kNewDate, "Membre actif" and the next
// free number; then, for a stored block, its lines by position, except a
// birth date that is empty, a renewal date of 7 characters or fewer and a
// category that is not one digit from 0 to 3, which keep the new record's
// values. An empty number takes the next free one.
BlockData shown(const std::optional<BlockData> &stored, int nextNumber);

// The category of a shown member, 0 to 3.
int category(const BlockData &shown);

} // namespace Members

namespace Partners {

// The stored lines, or empty ones; an empty code takes the next free one.
BlockData shown(const std::optional<BlockData> &stored, int nextCode);

} // namespace Partners

namespace Activities {

// The stored lines, or empty ones; an empty code takes the next free one. A
// date line that is not a date of 10 characters, or a time line that is not
// a time of 8, shows today's date or the current time instead.
BlockData shown(const std::optional<BlockData> &stored, int nextCode, const QDateTime &now);

} // namespace Activities
