// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The checks of a finished run, shared by the main window's colouring and the CLI's exit status.
#include "engine/ResultChecks.h"

namespace soukoli {

bool anyCheckFails(const GearPairData& g) {
    return stressFails(g.SigmaF1, g.SigmaFP1) || stressFails(g.SigmaF2, g.SigmaFP2) ||
           stressFails(g.SigmaFmax1, g.SigmaFPmax1) || stressFails(g.SigmaFmax2, g.SigmaFPmax2) ||
           stressFails(g.SigmaH1, g.SigmaHP1) || stressFails(g.SigmaH2, g.SigmaHP2) ||
           stressFails(g.SigmaHmax1, g.SigmaHPmax1) || stressFails(g.SigmaHmax2, g.SigmaHPmax2) ||
           safetyFails(g.SF1) || safetyFails(g.SF2) || safetyFails(g.SH1) || safetyFails(g.SH2);
}

}  // namespace soukoli
