// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Whether the results in the data set belong to its inputs. A save or a printout must never put
// the results of an earlier run beside inputs changed since: the record keeps the project bytes
// (every stored input) as they stood when the last calculation started and compares them with
// the current ones, whichever window, option or load changed them.
#pragma once

#include <optional>
#include <string>

#include "engine/GearPairData.h"
#include "engine/Ui.h"

namespace soukoli::files {

class RunRecord {
public:
    /// Runs the calculation the data set is set for (runCalculation) and remembers the inputs it
    /// ran on. Inputs corrected in a window that a stop opened during the run are not among them.
    void calculate(GearPairData& data, Ui& ui);

    /// True when the last calculation ran on exactly these inputs and none changed since.
    [[nodiscard]] bool current(const GearPairData& data) const;

    /// What a save or a printout runs first: the calculation, unless the results are current, so
    /// that the files hold what soukoli-cli --save writes for the same project. True when it
    /// calculated.
    bool makeCurrent(GearPairData& data, Ui& ui);

private:
    std::optional<std::string> inputs_;
};

}  // namespace soukoli::files
