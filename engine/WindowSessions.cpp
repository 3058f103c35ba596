// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The opening and the "Ok" of each input window, on the data set alone. Each case calls the rule
// unit the window itself calls, in the window's order.
#include "engine/WindowSessions.h"

#include "engine/BodyDimensions.h"
#include "engine/Coefficients.h"
#include "engine/FaceLoadInput.h"
#include "engine/LoadLevelsInput.h"
#include "engine/LoadingInput.h"

namespace soukoli {

namespace {

FieldEntry refusedOk(std::string_view message, int focus = 0) {
    FieldEntry e;
    e.outcome = EntryOutcome::Rejected;
    e.message = std::string(message);
    e.focusField = focus;
    return e;
}

std::string_view faceLoadMessage(FaceLoadProblem p) {
    switch (p) {
        case FaceLoadProblem::None: break;
        case FaceLoadProblem::NoSource: return kMsgNoSource;
        case FaceLoadProblem::Bcal: return kMsgBcal;
        case FaceLoadProblem::KHbeta: return kMsgKHbeta;
    }
    return {};
}

}  // namespace

void openWindow(GearPairData& g, InputWindow window, Ui& ui) {
    switch (window) {
        case InputWindow::Coefficients: applyEnteredLimitStresses(g); break;
        case InputWindow::Loading: applyFixedYA(g); break;
        case InputWindow::Dimensions: refreshBodies(g, ui); break;
        case InputWindow::FaceLoad:
            // A simplified project keeps its scheme number as the label; the window then shows
            // (and stores) the label of the scheme number.
            if (g.Zjednoduseny)
                if (const auto n = schemeNumberOfText(g.Schema)) g.SchemaIndex = *n;
            g.Schema = schemeLabelFor(g);
            break;
        case InputWindow::Layout: selectLayout(g, g.SchemaIndex); break;
        case InputWindow::LoadLevels: openLevels(g); break;
        case InputWindow::Geometry:
        case InputWindow::Accuracy:
        case InputWindow::Materials: break;
    }
}

void repaintWindow(GearPairData& g, InputWindow window, Ui& ui) {
    switch (window) {
        case InputWindow::Loading: applyFixedYA(g); break;
        case InputWindow::Dimensions: refreshBodies(g, ui); break;
        case InputWindow::FaceLoad: g.Schema = schemeLabelFor(g); break;
        case InputWindow::Coefficients:
        case InputWindow::Layout:
        case InputWindow::LoadLevels:
        case InputWindow::Geometry:
        case InputWindow::Accuracy:
        case InputWindow::Materials: break;
    }
}

FieldEntry confirmWindow(GearPairData& g, InputWindow window, Ui& ui) {
    switch (window) {
        case InputWindow::Dimensions: {
            const std::string_view message = checkDimensionsForClosing(g, ui);
            if (!message.empty()) return refusedOk(message);
            if (!g.Zjednoduseny) refreshBodies(g, ui);
            return {};
        }
        case InputWindow::Loading: {
            const LoadingConfirmation c = confirmLoading(g, ui);
            if (c.verdict != LoadingVerdict::Accepted) return refusedOk(c.message, c.focusField);
            return {};
        }
        case InputWindow::LoadLevels:
            if (!levelsComplete(g)) return refusedOk(kLevelsIncomplete, levelCountField(1).number);
            confirmLevels(g);
            return {};
        case InputWindow::FaceLoad: {
            const FaceLoadProblem p = checkFaceLoadInput(g);
            if (p != FaceLoadProblem::None) return refusedOk(faceLoadMessage(p), p == FaceLoadProblem::Bcal     ? 1
                                                              : p == FaceLoadProblem::KHbeta ? 2
                                                                                             : 0);
            return {};
        }
        case InputWindow::Layout: {
            const int failing = checkLayoutInput(g);
            if (failing < 0) return refusedOk(kMsgNoLayout);
            if (failing > 0) return refusedOk(layoutFieldMessage(failing), failing);
            return {};
        }
        case InputWindow::Coefficients:
            if (const auto problem = notchCombinationProblem(g)) return refusedOk(problem->message, problem->field);
            return {};
        case InputWindow::Geometry:
        case InputWindow::Accuracy:
        case InputWindow::Materials: return {};
    }
    return {};
}

}  // namespace soukoli
