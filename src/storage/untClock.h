// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <cstdint>

// The program's one source of "now": tests set it, everything else reads it.
namespace Clock {
QDateTime Now();
// Fixes the clock at `moment` until Reset(); tests only.
void Set(const QDateTime& moment);
void Reset();
} // namespace Clock

// The program's one source of chance, seedable by tests.
namespace RandomSource {
// A uniformly chosen integer in [0, bound).
int Next(int bound);
void Seed(std::uint32_t seed);
} // namespace RandomSource
