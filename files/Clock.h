// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The current time and date printed in the report headers. The save command takes the clock as a
// parameter, so tests print a fixed moment; the system clock gives local time.
#pragma once

#include <string>

namespace soukoli::files {

struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual LocalTime now() const = 0;
};

/// Local time of the machine.
class SystemClock final : public Clock {
public:
    [[nodiscard]] LocalTime now() const override;
};

/// A clock standing still at one moment (tests, reproducible batch output).
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalTime t) : t_(t) {}
    [[nodiscard]] LocalTime now() const override { return t_; }

private:
    LocalTime t_;
};

/// Czech regional time format H:mm:ss, e.g. "9:05:07".
std::string formatTime(const LocalTime& t);

/// Czech regional short date d.M.yyyy, e.g. "8.12.2026".
std::string formatDate(const LocalTime& t);

}  // namespace soukoli::files
