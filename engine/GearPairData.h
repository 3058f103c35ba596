// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The one data set of the program: every input, option, derived value and result of the gear pair.
// Field names are the symbols the program prints (a trailing `*` is spelled `_star`); a trailing 1
// or 2 means pinion or wheel, except in the maximum-load factors KF1, KH1, KFalfa1 ... KHbeta1.
// Units: mm, N, N·m, MPa, 1/min, cycles or hours, µm; angles in radians.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace soukoli {

/// Room for the steps of a load spectrum ("max. 20").
inline constexpr std::size_t kMaxLoadLevels = 20;

/// How the last calculation ended. A stopped run has no results: the reports and the panels show
/// only the checks it completed.
enum class RunEnd : std::uint8_t {
    NotRun,     // no calculation since start-up or loading: the values are those of the data set
    Completed,  // the run went through every stage
    Stopped,    // a stage stopped the run (stopMessage says why)
};

/// Type of toothing (`TypSoukoli`); the numbers are those the project file and soukoli-cli show.
enum class Toothing : std::uint16_t {
    External = 1,  // "Vnější"
    Internal = 2,  // "Vnitřní"
};

/// Calculation standard (`standard`). The project file keeps one flag per standard:
/// StandardCSN, StandardDIN_B, StandardDIN_C.
enum class Standard {
    CSN,    // "ČSN 01 4686"
    DIN_B,  // "DIN - ISO  B"
    DIN_C,  // "DIN - ISO  C"
};

// What each standard decides. Each is a switch without a default, so a new standard is asked
// about every one of them by the compiler.

/// DIN - ISO B loads the tooth at the outer point of single pair contact (hFe, YFe, YSe, and no
/// Yepsilon in the root stress); ČSN 01 4686 and DIN - ISO C load it at the tip (hFa, YFa, YSa).
[[nodiscard]] constexpr bool loadsAtSinglePairPoint(Standard s) {
    switch (s) {
        case Standard::CSN:
        case Standard::DIN_C: return false;
        case Standard::DIN_B: return true;
    }
    return false;
}

/// ČSN 01 4686 reads YFa and YSa from its charts (formula 65 for the critical section) and rates
/// internal wheels; the DIN - ISO methods compute the root factors in closed form (with qs) and
/// for external toothing only.
[[nodiscard]] constexpr bool usesCsnRootCharts(Standard s) {
    switch (s) {
        case Standard::CSN: return true;
        case Standard::DIN_B:
        case Standard::DIN_C: return false;
    }
    return false;
}

/// ČSN 01 4686 leaves the transverse load factors undefined for EPSILONalfa ≥ 2 (part 3, p. 37):
/// the calculation warns and the user enters them.
[[nodiscard]] constexpr bool limitsTransverseContactRatio(Standard s) {
    switch (s) {
        case Standard::CSN: return true;
        case Standard::DIN_B:
        case Standard::DIN_C: return false;
    }
    return false;
}

/// Where KHbeta comes from (`KHbetaFrom`); the project file keeps the flags KHbetaPrimo,
/// KHbetaZbcal and KHbetaZeSchematu. None is the state of the face-load window after its option
/// was unticked: the window's "&Ok" refuses it and no project file holds it.
enum class KHbetaSource {
    None,
    Entered,     // KHbetaPrimo: "Přímým zadáním"
    FromBcal,    // KHbetaZbcal: "Výpočtem z pásma dotyku"
    FromScheme,  // KHbetaZeSchematu: "Výpočtem z kinematického schématu č."
};

/// Form of the spectrum levels Fj (`levelsForm`); the project file keeps the flags
/// SpektrumAbs, SpektrumPomer1j, SpektrumPomerj1 and SpektrumPomerjmin.
enum class LevelsForm {
    Absolute,     // SpektrumAbs: forces or torques
    RatioF1Fj,    // SpektrumPomer1j: F1/Fj
    RatioFjF1,    // SpektrumPomerj1: Fj/F1
    RatioFjFmin,  // SpektrumPomerjmin: Fj/Fmin
};

/// Ways of giving the method-B loads (`ZadaniSil`).
inline constexpr std::uint16_t kLoadsStatic = 0;        // method "A"
inline constexpr std::uint16_t kLoadsFromLevels = 1;  // "výpočtem ekv. sil (momentů) ze spektra"
inline constexpr std::uint16_t kLoadsFromClasses = 2;   // "výpočtem ekv. sil (momentů) z volených CHSZ"
inline constexpr std::uint16_t kLoadsEntered = 3;       // "přímým zadáním ekv. sil (momentů)"

/// The ratio forms give the levels as pure numbers (printed with three decimals); the absolute
/// form gives forces or torques.
[[nodiscard]] constexpr bool levelsAreRatios(LevelsForm f) {
    switch (f) {
        case LevelsForm::Absolute: return false;
        case LevelsForm::RatioF1Fj:
        case LevelsForm::RatioFjF1:
        case LevelsForm::RatioFjFmin: return true;
    }
    return false;
}

struct GearPairData {
    // ---- Options -----------------------------------------------------------------------------
    Toothing TypSoukoli = Toothing::External;  // never touched by setDefaults
    char MetodaVypoctu = 'A';       // 'A' static load, 'B' equivalent load
    std::uint16_t ZadaniSil = 0;    // kLoadsStatic ... kLoadsEntered
    Standard standard = Standard::CSN;  // StandardCSN, StandardDIN_B, StandardDIN_C
    bool Zjednoduseny = false;      // simplified calculation (second tab)
    bool SilyF = false;             // loads as forces (true) or torques (false)
    bool NKvCyklech = false;        // lives in cycles (true) or hours (false)
    bool awGiven = false;
    bool da1Given = false;
    bool da2Given = false;
    bool PlnyPastorek = false;      // solid pinion
    bool PlneKolo = false;          // solid wheel
    bool TetaGiven = false;
    bool CgamaGiven = false;
    bool fpb1Given = false, fpb2Given = false;
    bool Fbeta1Given = false, Fbeta2Given = false;
    bool fxGiven = false, fyGiven = false;
    KHbetaSource KHbetaFrom = KHbetaSource::Entered;  // KHbetaPrimo, KHbetaZbcal, KHbetaZeSchematu
    std::string Schema;             // "1", "1a", "2", "2a", "3" ... "8"
    std::uint16_t SchemaIndex = 0;  // 1 ... 10, position of Schema in that list
    LevelsForm levelsForm = LevelsForm::Absolute;  // SpektrumAbs ... SpektrumPomerjmin
    bool SpektrumNAbs = false;      // cumulative (true) or per-step (false) counts
    bool FtFe1Given = false, FtFe2Given = false, FtHe1Given = false, FtHe2Given = false;

    // ---- Run state ---------------------------------------------------------------------------
    bool runFlag = false;           // true while a calculation may go on
    RunEnd lastRun = RunEnd::NotRun;  // how the last calculation ended
    bool contactChecked = false;    // the last run completed the contact checks (endurance, static)
    std::string stopMessage;        // what the last run stopped on (empty when it completed)
    bool TenkyVenec1 = false;       // rim of the pinion thinner than srmin
    bool TenkyVenec2 = false;       // rim of the wheel thinner than srmin

    // ---- Geometry inputs ---------------------------------------------------------------------
    double z1 = 0, z2 = 0;          // tooth numbers (z2 < 0 for an internal wheel)
    double mn = 0;                  // normal module
    double Alfan = 0;               // normal pressure angle
    double Beta = 0;                // helix angle
    double x1 = 0, x2 = 0;          // profile shift coefficients
    double aw = 0;                  // working centre distance
    double da1 = 0, da2 = 0;        // tip diameters
    double ha1_star = 0, ha2_star = 0;
    double ca1_star = 0, ca2_star = 0;
    double Rof1_star = 0, Rof2_star = 0;
    double z0 = 0, x0 = 0;          // pinion-type cutter of an internal wheel

    // ---- Derived geometry --------------------------------------------------------------------
    double d1 = 0, d2 = 0;          // reference diameters
    double db1 = 0, db2 = 0;        // base diameters
    double df1 = 0, df2 = 0;        // root diameters
    double ha1 = 0, ha2 = 0;        // addenda
    double hf1 = 0, hf2 = 0;        // dedenda
    double hFfP1_star = 0, hFfP2_star = 0, hFfP1 = 0, hFfP2 = 0;
    double a = 0;                   // reference centre distance
    double xs = 0;                  // x1 + x2
    double xmez = 0;                // limit of the shift sum
    double k = 0;                   // tip shortening coefficient
    double u = 0;                   // gear ratio z2/z1
    double zv1 = 0, zv2 = 0;        // virtual tooth numbers
    double alfat = 0, alfatw = 0;   // transverse and working transverse pressure angles
    double invalfat = 0, invalfatw = 0;
    double betab = 0;               // base helix angle
    double Epsalfa = 0, Epsbeta = 0, Epsgama = 0;
    double srmin = 0;               // smallest admissible rim thickness 3.5·mn

    // ---- Geometry stages: cutter, undercut, effective tip diameters --------------------------
    double a0w = 0, alfa0w = 0;     // machining centre distance and angle of an internal wheel's cutter
    double da0 = 0;                 // tip diameter of that cutter
    double xmin1 = 0, xmin2 = 0;    // undercut limits of the profile shift
    bool Podrez1 = false, Podrez2 = false;  // pinion / wheel undercut (x below xmin)
    double dNu1 = 0, dNu2 = 0;      // diameter at which the undercut ends
    double alfaNu1 = 0, alfaNu2 = 0;  // pressure angle there
    double da1eff = 0, da2eff = 0;  // tip diameters effective for contact

    // ---- Materials ---------------------------------------------------------------------------
    std::string Material1, Material2;
    std::uint16_t Zpracovani1 = 0, Zpracovani2 = 0;  // heat treatment 0 ... 8
    double Sigma0Flimb1 = 0, Sigma0Flimb2 = 0;
    double Sigma0Hlim1 = 0, Sigma0Hlim2 = 0;
    double VHV1 = 0, VHV2 = 0;      // surface hardness
    double JHV1 = 0, JHV2 = 0;      // core hardness
    double Rm1 = 0, Rm2 = 0;
    double Re1 = 0, Re2 = 0;
    double qF1 = 0, qF2 = 0;        // S-N exponents, bending
    double qH1 = 0, qH2 = 0;        // S-N exponents, contact
    double NFlim1 = 0, NFlim2 = 0;
    double NHlim1 = 0, NHlim2 = 0;
    double E1 = 0, E2 = 0;
    double Ny1 = 0, Ny2 = 0;

    // ---- Loading -----------------------------------------------------------------------------
    double F1 = 0;                  // circumferential force, method A
    double T1 = 0;                  // torque on the pinion
    double Ft1 = 0;                 // circumferential force, method B
    double n1 = 0;                  // speed of the pinion
    double NK1 = 0, NK2 = 0;        // lives in cycles
    double NK1hod = 0, NK2hod = 0;  // lives in hours
    double YA1 = 0, YA2 = 0;        // alternating-load factors
    double KA = 0, KAS = 0;         // application factors
    std::uint16_t CHSZ1 = 0, CHSZ2 = 0;  // load-spectrum classes
    double FtFe1 = 0, FtFe2 = 0, FtHe1 = 0, FtHe2 = 0;  // equivalent forces
    double TFe1 = 0, TFe2 = 0, THe1 = 0, THe2 = 0;      // equivalent torques
    double FtH = 0, FtF = 0;        // forces of the run for contact and bending

    // ---- Loads, dynamics and load factors: intermediate values -------------------------------
    double fpbeff = 0;              // effective base-pitch deviation [µm]
    double yalfa1 = 0, yalfa2 = 0, yalfa = 0;  // running-in allowances of fpbeff [µm]
    double fsh = 0;                 // shaft deflection of the layout scheme [µm]
    double fma = 0;                 // manufacturing misalignment [µm]
    double ybeta = 0;               // running-in allowance of the misalignment [µm]
    double Fbx = 0;                 // effective misalignment [µm]
    double Wbeta = 0;               // deformation measure of the mesh [µm]

    // ---- Load spectrum -----------------------------------------------------------------------
    std::uint16_t j = 0;            // number of steps, 0 ... kMaxLoadLevels
    std::array<double, kMaxLoadLevels> Fj{};  // Fj[0] is step 1
    std::array<double, kMaxLoadLevels> Nj{};

    // ---- Gear bodies -------------------------------------------------------------------------
    double b1 = 0, b2 = 0;          // face widths
    double bs1 = 0, bs2 = 0;        // body widths
    double sr1 = 0, sr2 = 0;        // rim thicknesses as entered
    double sd1 = 0, sd2 = 0;        // web dimensions
    double dh1 = 0, dh2 = 0;        // shaft diameters
    double db = 0;                  // signed axial offset of the wheel face
    double Teta1 = 0, Teta2 = 0;    // mass moments of inertia [kg·mm²]
    double Cgama = 0;               // mean specific mesh stiffness [N/(mm·µm)]
    double b = 0;                   // common face width
    double bwF1 = 0, bwF2 = 0, bwFmin = 0;  // face widths for bending
    double sR1 = 0, sR2 = 0;        // effective rim thicknesses
    double mass1 = 0, mass2 = 0;

    // ---- Accuracy ----------------------------------------------------------------------------
    std::uint16_t IT1 = 0, IT2 = 0;
    double fpb1 = 0, fpb2 = 0, Fbeta1 = 0, Fbeta2 = 0, fx = 0, fy = 0;          // limit deviations
    double fpbr1 = 0, fpbr2 = 0, Fbetar1 = 0, Fbetar2 = 0, fxr = 0, fyr = 0;    // measured ones

    // ---- Face load factor inputs -------------------------------------------------------------
    double KHbeta = 0;
    double bcal = 0;
    double s1 = 0, s2 = 0, lw1 = 0, lw2 = 0, dsh1 = 0, dsh2 = 0, dI = 0, dII = 0;

    // ---- Mandatory factors -------------------------------------------------------------------
    double tg1 = 0, tg2 = 0;        // grinding notch depths
    double Rog1 = 0, Rog2 = 0;      // grinding notch radii
    double YT1 = 0, YT2 = 0;        // technological factors
    double ZLZRZV = 0;
    double ZR1 = 0, ZR2 = 0;

    // ---- Factors that may be entered directly (each with its flag) ---------------------------
    double KFalfa = 0, KHalfa = 0, KFv = 0, KHv = 0, KFbeta = 0;
    double KFalfa1 = 0, KHalfa1 = 0, KFv1 = 0, KHv1 = 0, KFbeta1 = 0, KHbeta1 = 0;
    double YFa1 = 0, YFa2 = 0, YSa1 = 0, YSa2 = 0, YFS1 = 0, YFS2 = 0;
    double YN1 = 0, YN2 = 0, ZN1 = 0, ZN2 = 0, ZB = 0, ZD = 0;
    double SigmaFlimb1 = 0, SigmaFlimb2 = 0, SigmaHlim1 = 0, SigmaHlim2 = 0;
    double Yepsilon = 0, Zbeta = 0;

    bool KFalfaGiven = false, KHalfaGiven = false, KFvGiven = false, KHvGiven = false;
    bool KFbetaGiven = false;
    bool KFalfa1Given = false, KHalfa1Given = false, KFv1Given = false, KHv1Given = false;
    bool KFbeta1Given = false, KHbeta1Given = false;
    bool YFa1Given = false, YFa2Given = false, YSa1Given = false, YSa2Given = false;
    bool YFS1Given = false, YFS2Given = false;
    bool YN1Given = false, YN2Given = false, ZN1Given = false, ZN2Given = false;
    bool ZBGiven = false, ZDGiven = false;
    bool SigmaFlimb1Given = false, SigmaFlimb2Given = false;
    bool SigmaHlim1Given = false, SigmaHlim2Given = false;
    bool YepsilonGiven = false, ZbetaGiven = false;

    // ---- Results and computed factors --------------------------------------------------------
    double SigmaF1 = 0, SigmaF2 = 0, SigmaFP1 = 0, SigmaFP2 = 0, SF1 = 0, SF2 = 0;
    double SigmaFmax1 = 0, SigmaFmax2 = 0, SigmaFPmax1 = 0, SigmaFPmax2 = 0;
    double SigmaH1 = 0, SigmaH2 = 0, SigmaHP1 = 0, SigmaHP2 = 0, SH1 = 0, SH2 = 0;
    double SigmaHmax1 = 0, SigmaHmax2 = 0, SigmaHPmax1 = 0, SigmaHPmax2 = 0;
    double KF = 0, KH = 0, KF1 = 0, KH1 = 0;
    double YFe1 = 0, YFe2 = 0, YSe1 = 0, YSe2 = 0;
    double YSarel1 = 0, YSarel2 = 0;
    double Ybeta = 0;
    double YX1 = 0, YX2 = 0;
    double Ydelta1 = 0, Ydelta2 = 0;
    double YS1 = 0, YS2 = 0;
    double YdeltaSt1 = 0, YdeltaSt2 = 0, YdeltaStT1 = 0, YdeltaStT2 = 0;
    double Zepsilon = 0;
    double ZE = 0, ZH = 0;

    // ---- Further intermediate values ---------------------------------------------------------
    double v = 0;                   // pitch-line speed [m/s]
    double CR = 0, cs = 0, mred = 0, nE1 = 0;
    double ha01_star = 0, ha02_star = 0;
    double sFn1 = 0, sFn2 = 0;
    double hFa1 = 0, hFa2 = 0, hFe1 = 0, hFe2 = 0;
    double RoFn1 = 0, RoFn2 = 0;
    double FIe1 = 0, FIe2 = 0, FIe = 0;
    double Ac1 = 0, Ac2 = 0, Bc1 = 0, Bc2 = 0, E = 0, G = 0, H = 0;
    double alfaFan1 = 0, alfaFan2 = 0, alfaFen1 = 0, alfaFen2 = 0;
    double qs1 = 0, qs2 = 0;

    // ---- Contact and bending stages: intermediate values -------------------------------------
    double M1 = 0, M2 = 0;          // single-pair contact auxiliaries of ZB and ZD
    double SigmaHO1 = 0, SigmaHO2 = 0;  // nominal contact stresses
    double NF = 0;                  // exponent of KFbeta = KHbeta^NF
    double SigmaFSt1 = 0, SigmaFSt2 = 0;  // static bending strengths
    double Epsalfan = 0;            // virtual transverse contact ratio
    double dn = 0, dbn = 0, dan = 0, den = 0;  // virtual spur gear of the DIN-ISO root chords
    double alfaen = 0, gamae = 0, alfaan = 0, gamaa = 0;
    double L = 0;                   // root chord over moment arm of the latest stress correction
    int FIeSignA = 0, FIeSignB = 0; // signs the auxiliary-angle search keeps between searches

    [[nodiscard]] bool isInternal() const { return TypSoukoli == Toothing::Internal; }
};

/// Gives the data set every default value, in the documented order: external values first, then
/// the overrides of internal toothing when `TypSoukoli` says so. `TypSoukoli` itself and the
/// choice of the calculation tab (`Zjednoduseny`) stay as they are.
void setDefaults(GearPairData& data);

}  // namespace soukoli
