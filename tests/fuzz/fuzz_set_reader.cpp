// SPDX-FileCopyrightText: 2026 Parliament quiz developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer's target for what a set's reader is handed from outside: any
// bytes as a file and as a link. Whatever it accepts must come back the same
// through the link and the file the maker writes.
#include "sets/SetLink.h"
#include "sets/SetReader.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void mustHold(bool truth)
{
    if (!truth)
        std::abort();
}

void roundTrips(const sets::SetReading &reading)
{
    if (!reading.set) {
        mustHold(!reading.problem.what.empty());
        return;
    }
    const sets::PairSet &set = *reading.set;
    const sets::SetReading linked = sets::readSetLink(sets::setLink(set));
    mustHold(linked.set && *linked.set == set);
    const sets::SetReading filed = sets::readSetFile(sets::setFile(set), set.title);
    mustHold(filed.set && *filed.set == set);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    roundTrips(sets::readSetFile(bytes, u"Набор"));
    roundTrips(sets::readSetLink(bytes));
    return 0;
}
