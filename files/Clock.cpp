// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Local time and its Czech regional forms.
#include "files/Clock.h"

#include <cstdio>
#include <ctime>

namespace soukoli::files {

LocalTime SystemClock::now() const {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string formatTime(const LocalTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", t.hour, t.minute, t.second);
    return buf;
}

std::string formatDate(const LocalTime& t) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%d.%d.%d", t.day, t.month, t.year);
    return buf;
}

}  // namespace soukoli::files
