// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// Method "B": the load factors at the maximum load of the spectrum (ČSN 01 4686 part 3), found by
// running the dynamic, face and transverse stages once more on the maximum force, with the
// run's own loads and factors put back afterwards.
#include <cmath>

#include "engine/BendingStress.h"
#include "engine/ContactStress.h"
#include "engine/DynamicFactor.h"
#include "engine/FaceLoadFactor.h"
#include "engine/TransverseLoadFactor.h"

namespace soukoli {

namespace {

// Steps 2 to 7 on the maximum load; false when a stage stopped the run.
bool maximumLoadFactors(GearPairData& g, Ui& ui) {
    if (!g.KFv1Given || !g.KHv1Given) {
        const DynamicFactors f = computeDynamicFactors(g, ui);
        if (!g.runFlag) return false;
        if (!g.KFv1Given) g.KFv1 = f.KFv;
        if (!g.KHv1Given) g.KHv1 = f.KHv;
    }
    if (!g.KHbeta1Given) {
        switch (g.KHbetaFrom) {
            case KHbetaSource::FromScheme:
                g.KHv = g.KHv1;
                computeKHbetaFromScheme(g, ui);
                if (!g.runFlag) return false;
                break;
            case KHbetaSource::Entered:
            case KHbetaSource::FromBcal:
            case KHbetaSource::None: break;  // the run's KHbeta serves the maximum load too
        }
    }
    if (!g.KHbeta1Given) g.KHbeta1 = g.KHbeta;
    if (!g.KFbeta1Given) g.KFbeta1 = std::pow(g.KHbeta1, faceLoadExponent(g));
    computeTransverseFactorsMaxLoad(g, ui);
    if (!g.runFlag) return false;
    g.KF1 = g.KFbeta1 * g.KFalfa1 * g.KFv1;
    g.KH1 = g.KHbeta1 * g.KHalfa1 * g.KHv1;
    return true;
}

}  // namespace

void runMethodBStage(GearPairData& g, Ui& ui) {
    const double FtH = g.FtH, FtF = g.FtF, KHbeta = g.KHbeta, KFv = g.KFv, KHv = g.KHv;
    g.FtH = g.FtF = g.Ft1;
    maximumLoadFactors(g, ui);
    g.FtH = FtH;
    g.FtF = FtF;
    g.KHbeta = KHbeta;
    g.KFv = KFv;
    g.KHv = KHv;
}

}  // namespace soukoli
