// SPDX-License-Identifier: GPL-3.0-or-later
#include "untClock.h"

#include <QRandomGenerator>

#include <optional>

namespace Clock {
namespace {
std::optional<QDateTime>& Fixed() {
    static std::optional<QDateTime> moment;
    return moment;
}
} // namespace

QDateTime Now() {
    return Fixed() ? *Fixed() : QDateTime::currentDateTime();
}
void Set(const QDateTime& moment) {
    Fixed() = moment;
}
void Reset() {
    Fixed().reset();
}
} // namespace Clock

namespace RandomSource {
namespace {
QRandomGenerator& Generator() {
    static QRandomGenerator generator(QRandomGenerator::global()->generate());
    return generator;
}
} // namespace

int Next(int bound) {
    return bound <= 0 ? 0 : static_cast<int>(Generator().bounded(bound));
}
void Seed(std::uint32_t seed) {
    Generator().seed(seed);
}
} // namespace RandomSource
