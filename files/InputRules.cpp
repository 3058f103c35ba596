// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The rules of the stored inputs, in file order. Where an engine entry function of a window
// judges a value without needing the widgets (loading, materials, face load), it judges a copy
// here too; the geometry, body and coefficient fields take the ranges of their windows.
//
// A few values are allowed that a window would refuse when typed, because the program itself puts
// them into the data set: 0 after a window's reset ("&Nuluj") or a change of source (body
// dimensions, KHbeta, bcal, layout dimensions, deviations, equivalent loads) and 0 for a material
// constant the chosen row of the material table leaves empty. Refusing them would make a project
// the program saved impossible to open.
#include "files/InputRules.h"

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "engine/FaceLoadInput.h"
#include "engine/FieldTable.h"
#include "engine/LoadingInput.h"
#include "engine/Materials.h"
#include "files/ProjectFileLayout.h"

namespace soukoli::files {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
// Angles are stored to 15 significant digits: a limit angle typed in the window reads back a
// few units of the last digit away from the limit itself.
constexpr double kAngleSlack = 1e-12;

// A rule judges value `v` of the data set `d`; the entry functions of the windows store and
// recompute, so they judge on `scratch`, a copy of `d` made once per check.
using Accepts = std::function<bool(const GearPairData& d, GearPairData& scratch, double v)>;

struct Rule {
    RealMember member;
    Accepts accepts;
};

bool nonNegative(const GearPairData&, GearPairData&, double v) { return v >= 0; }
bool positive(const GearPairData&, GearPairData&, double v) { return v > 0; }

// The loading dialog's own judgement of its field `field`. The fields used here judge the value
// alone, so one scratch copy serves them all.
bool loadingAccepts(GearPairData& scratch, int field, double v) {
    return commitLoadingField(scratch, field, v).accepted();
}

Accepts loadingField(int field) {
    return [field](const GearPairData&, GearPairData& scratch, double v) { return loadingAccepts(scratch, field, v); };
}

Accepts materialField(int field) {
    return [field](const GearPairData&, GearPairData&, double v) { return v == 0 || materialValueAccepted(field, v); };
}

// A face-load value counts only for the source it belongs to.
Accepts ifSource(KHbetaSource source, Accepts rule) {
    return [source, rule = std::move(rule)](const GearPairData& d, GearPairData& scratch, double v) {
        return d.KHbetaFrom != source || rule(d, scratch, v);
    };
}

bool anyNumber(const GearPairData&, GearPairData&, double) { return true; }

Accepts ifFlag(FlagMember flag, Accepts rule) {
    return [flag, rule = std::move(rule)](const GearPairData& d, GearPairData& scratch, double v) {
        return !(d.*flag) || rule(d, scratch, v);
    };
}

void geometryRules(std::vector<Rule>& r) {
    using G = GearPairData;
    r.push_back({&G::z1, positive});
    r.push_back({&G::z2, [](const G& d, G&, double v) {
                     // An internal ring needs more teeth than its pinion.
                     return d.isInternal() ? v <= -4 && d.z1 + v < 0 : v >= 4;
                 }});
    r.push_back({&G::mn, positive});
    r.push_back({&G::Alfan, [](const G&, G&, double v) {
                     return v >= 1 * kDegree * (1 - kAngleSlack) && v <= 50 * kDegree * (1 + kAngleSlack);
                 }});
    // The window takes 0 ... 90°; a left-hand helix saved as a negative angle calculates alike.
    r.push_back({&G::Beta, [](const G&, G&, double v) { return std::abs(v) < std::numbers::pi / 2; }});
    r.push_back({&G::aw, ifFlag(&G::awGiven, [](const G& d, G&, double v) { return d.isInternal() ? v < 0 : v > 0; })});
    r.push_back({&G::da1, ifFlag(&G::da1Given, positive)});
    r.push_back({&G::da2, ifFlag(&G::da2Given, [](const G& d, G&, double v) { return d.isInternal() ? v < 0 : v > 0; })});
    for (const auto m : {&G::ha1_star, &G::ha2_star}) r.push_back({m, [](const G&, G&, double v) { return v >= -2; }});
    for (const auto m : {&G::ca1_star, &G::ca2_star}) r.push_back({m, nonNegative});
    for (const auto m : {&G::Rof1_star, &G::Rof2_star}) r.push_back({m, [](const G&, G&, double v) { return v >= -1; }});
}

void materialRules(std::vector<Rule>& r) {
    GearPairData probe;
    for (int field = 1; field <= 2 * kWheelMaterialOffset; ++field) {
        const double* q = materialQuantity(probe, field);
        if (!q) continue;
        for (const auto m : kGeometryAndMaterialReals)
            if (&(probe.*m) == q) r.push_back({m, materialField(field)});
    }
}

void loadingRules(std::vector<Rule>& r) {
    using G = GearPairData;
    const auto byMethod = [](int staticField, int equivalentField) {
        return [=](const G& d, G& scratch, double v) {
            return loadingAccepts(scratch, d.MetodaVypoctu == 'A' ? staticField : equivalentField, v);
        };
    };
    // The pinion's load, speed, lives and alternating-load factors: the fields of the panel the
    // method shows. KA and KAS are each checked against 1 only; their mutual order is a rule of
    // the static panel that a project switched over from method "B" need not meet.
    const auto load = [](const G& d, G& scratch, double v) {
        return loadingAccepts(scratch, d.MetodaVypoctu == 'A' ? 1 : d.ZadaniSil == kLoadsFromLevels ? 26 : 9, v);
    };
    for (const auto m : {&G::F1, &G::T1, &G::Ft1}) r.push_back({m, load});
    r.push_back({&G::n1, byMethod(2, 10)});
    for (const auto m : {&G::NK1, &G::NK1hod}) r.push_back({m, byMethod(3, 11)});
    for (const auto m : {&G::NK2, &G::NK2hod}) r.push_back({m, byMethod(4, 12)});
    r.push_back({&G::YA1, byMethod(5, 13)});
    r.push_back({&G::YA2, byMethod(6, 14)});
    r.push_back({&G::KA, loadingField(15)});
    r.push_back({&G::KAS, [](const G&, G&, double v) { return v >= 1; }});
    for (const auto m : {&G::FtFe1, &G::FtFe2, &G::FtHe1, &G::FtHe2, &G::TFe1, &G::TFe2, &G::THe1, &G::THe2})
        r.push_back({m, nonNegative});
}

void remainingRules(std::vector<Rule>& r) {
    using G = GearPairData;
    for (const auto m : kBodyReals)
        if (m != &G::db) r.push_back({m, nonNegative});
    for (const auto m : {&G::Teta1, &G::Teta2}) r.push_back({m, ifFlag(&G::TetaGiven, positive)});
    r.push_back({&G::Cgama, ifFlag(&G::CgamaGiven, positive)});
    // The accuracy window takes any measured base pitch or axis deviation (a sign says the
    // direction); a measured alignment deviation must not be negative.
    for (const auto& dev : kDeviations) {
        r.push_back({dev.limit, nonNegative});
        const bool alignment = dev.measured == &G::Fbetar1 || dev.measured == &G::Fbetar2;
        r.push_back({dev.measured, alignment ? Accepts(nonNegative) : Accepts(anyNumber)});
    }
    r.push_back({&G::KHbeta, ifSource(KHbetaSource::Entered, [](const G&, G& scratch, double v) {
                     return v == 0 || commitKHbeta(scratch, v).accepted();
                 })});
    r.push_back({&G::bcal, ifSource(KHbetaSource::FromBcal, nonNegative)});
    for (const auto m : {&G::s1, &G::s2, &G::lw1, &G::lw2, &G::dsh1, &G::dsh2, &G::dII, &G::dI})
        r.push_back({m, ifSource(KHbetaSource::FromScheme, nonNegative)});
    // The coefficients window takes numbers of 0 or more; an entered factor is one that is not 0.
    for (const auto m : kMandatoryReals) r.push_back({m, nonNegative});
    for (const auto& f : kGivenFactors) r.push_back({f.value, ifFlag(f.given, positive)});
    for (const auto& f : kNewerGivenFactors) r.push_back({f.value, ifFlag(f.given, positive)});
    for (const auto& f : kMaxLoadFactors) r.push_back({f.value, ifFlag(f.given, positive)});
}

const std::vector<Rule>& rules() {
    static const std::vector<Rule> table = [] {
        std::vector<Rule> r;
        geometryRules(r);
        materialRules(r);
        loadingRules(r);
        remainingRules(r);
        return r;
    }();
    return table;
}

// The rule of the double at each position of the data set (nullptr: none), so that the check
// finds a stored value's rule at once.
constexpr std::size_t kSlots = sizeof(GearPairData) / sizeof(double) + 1;

std::size_t slotOf(const GearPairData& d, const double& x) {
    return static_cast<std::size_t>(reinterpret_cast<const char*>(&x) - reinterpret_cast<const char*>(&d)) /
           sizeof(double);
}

const std::array<const Rule*, kSlots>& rulesBySlot() {
    static const std::array<const Rule*, kSlots> table = [] {
        std::array<const Rule*, kSlots> t{};
        static const GearPairData probe;
        for (const auto& rule : rules()) t[slotOf(probe, probe.*rule.member)] = &rule;
        return t;
    }();
    return table;
}

std::string_view nameOf(RealMember member) {
    for (const auto& f : numericFields())
        if (const auto* m = std::get_if<RealMember>(&f.member); m && *m == member) return f.name;
    return {};
}

// The rules of the values the project file stores under the options of `d`, in file order.
class StoredMembers {
public:
    explicit StoredMembers(const GearPairData& d) : d_(d) {}
    std::array<const Rule*, kSlots> stored{};
    std::size_t count = 0;

    void header() {}
    void optionLine(const GearPairData&) {}
    void real(const double& x) {
        const std::size_t slot = slotOf(d_, x);
        if (slot < kSlots && rulesBySlot()[slot] && count < kSlots) stored[count++] = rulesBySlot()[slot];
    }
    void text(const std::string&) {}
    void scheme(const std::string&) {}
    void heatTreatments(std::uint16_t, std::uint16_t) {}
    void integer(std::uint16_t, int, int) {}
    void grades(std::uint16_t, std::uint16_t) {}
    void levelsStep(const double&, const double&) {}
    [[nodiscard]] bool newerLayout() const { return true; }

private:
    const GearPairData& d_;
};

}  // namespace

std::optional<RefusedInput> refusedInput(const GearPairData& d) {
    StoredMembers stored(d);
    walkProjectFile(d, stored);
    GearPairData scratch = d;
    for (std::size_t i = 0; i < stored.count; ++i) {
        const Rule& rule = *stored.stored[i];
        if (!rule.accepts(d, scratch, d.*rule.member)) return RefusedInput{rule.member, nameOf(rule.member)};
    }
    return std::nullopt;
}

}  // namespace soukoli::files
