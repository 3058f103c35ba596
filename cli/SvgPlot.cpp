// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// The SVG writer of the sweep's plot. A fixed canvas, a plot area with margins for the tick
// labels, grid lines at the ticks, one polyline per curve segment and a legend at the right.
#include "cli/SvgPlot.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace soukoli::cli {

namespace {

constexpr double kWidth = 900;
constexpr double kHeight = 520;
constexpr double kLeft = 80;
constexpr double kRight = 220;  // room for the legend
constexpr double kTop = 40;
constexpr double kBottom = 60;

constexpr auto kColours = std::to_array<const char*>(
    {"#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd", "#8c564b", "#e377c2", "#7f7f7f", "#bcbd22", "#17becf"});

std::string escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string num(double v, int decimals = 2) {
    std::array<char, 64> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, decimals);
    return std::string(buf.data(), r.ptr);
}

// A tick label: as few digits as the step needs.
std::string tickLabel(double v, double step) {
    if (std::abs(v) < step * 1e-9) v = 0;
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    if (std::abs(v) >= 1e6 || (v != 0 && std::abs(v) < 1e-4)) {
        std::array<char, 64> buf{};
        const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::general, 4);
        return std::string(buf.data(), r.ptr);
    }
    return num(v, decimals);
}

struct Range {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void add(double v) {
        if (!std::isfinite(v)) return;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    void settle() {
        if (lo > hi) lo = 0, hi = 1;
        if (lo == hi) {
            const double pad = lo == 0 ? 1 : std::abs(lo) * 0.05;
            lo -= pad;
            hi += pad;
        }
    }
};

}  // namespace

std::vector<double> niceTicks(double lo, double hi, int targetCount) {
    std::vector<double> ticks;
    if (!(hi > lo) || targetCount < 1) return ticks;
    const double raw = (hi - lo) / targetCount;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw) {
            step = m * power;
            break;
        }
    // From the last tick at or below lo to the first at or above hi.
    const double first = std::floor(lo / step + 1e-9);
    const double last = std::ceil(hi / step - 1e-9);
    for (double i = first; i <= last; ++i) ticks.push_back(std::abs(i) < 0.5 ? 0 : i * step);
    return ticks;
}

std::string renderSvg(const PlotChart& chart) {
    Range xr, yr;
    for (const auto& c : chart.curves)
        for (const auto& [x, y] : c.points)
            if (std::isfinite(y)) xr.add(x), yr.add(y);
    xr.settle();
    yr.settle();
    const std::vector<double> xt = niceTicks(xr.lo, xr.hi);
    const std::vector<double> yt = niceTicks(yr.lo, yr.hi);
    // The frame runs from the first tick to the last, so every point lies between labelled lines.
    if (xt.size() >= 2) xr.lo = xt.front(), xr.hi = xt.back();
    if (yt.size() >= 2) yr.lo = yt.front(), yr.hi = yt.back();
    const double w = kWidth - kLeft - kRight;
    const double h = kHeight - kTop - kBottom;
    const auto px = [&](double x) { return kLeft + (x - xr.lo) / (xr.hi - xr.lo) * w; };
    const auto py = [&](double y) { return kTop + h - (y - yr.lo) / (yr.hi - yr.lo) * h; };

    std::string s;
    s += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(kWidth, 0) + "\" height=\"" + num(kHeight, 0) +
         "\" viewBox=\"0 0 " + num(kWidth, 0) + " " + num(kHeight, 0) +
         "\" font-family=\"sans-serif\" font-size=\"12\">\n";
    s += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    s += "<text class=\"title\" x=\"" + num(kLeft + w / 2) + "\" y=\"24\" text-anchor=\"middle\" font-size=\"15\">" +
         escape(chart.title) + "</text>\n";

    s += "<g class=\"grid\" stroke=\"#dddddd\" stroke-width=\"1\">\n";
    for (const double t : xt)
        s += "<line x1=\"" + num(px(t)) + "\" y1=\"" + num(kTop) + "\" x2=\"" + num(px(t)) + "\" y2=\"" + num(kTop + h) +
             "\"/>\n";
    for (const double t : yt)
        s += "<line x1=\"" + num(kLeft) + "\" y1=\"" + num(py(t)) + "\" x2=\"" + num(kLeft + w) + "\" y2=\"" +
             num(py(t)) + "\"/>\n";
    s += "</g>\n";

    s += "<g class=\"axes\" stroke=\"black\" stroke-width=\"1\" fill=\"none\">\n";
    s += "<rect x=\"" + num(kLeft) + "\" y=\"" + num(kTop) + "\" width=\"" + num(w) + "\" height=\"" + num(h) + "\"/>\n";
    s += "</g>\n";

    const double xStep = xt.size() >= 2 ? xt[1] - xt[0] : 1;
    const double yStep = yt.size() >= 2 ? yt[1] - yt[0] : 1;
    s += "<g class=\"x-ticks\" text-anchor=\"middle\">\n";
    for (const double t : xt)
        s += "<text x=\"" + num(px(t)) + "\" y=\"" + num(kTop + h + 18) + "\">" + tickLabel(t, xStep) + "</text>\n";
    s += "</g>\n<g class=\"y-ticks\" text-anchor=\"end\">\n";
    for (const double t : yt)
        s += "<text x=\"" + num(kLeft - 6) + "\" y=\"" + num(py(t) + 4) + "\">" + tickLabel(t, yStep) + "</text>\n";
    s += "</g>\n";
    s += "<text class=\"x-title\" x=\"" + num(kLeft + w / 2) + "\" y=\"" + num(kHeight - 16) +
         "\" text-anchor=\"middle\">" + escape(chart.xTitle) + "</text>\n";
    s += "<text class=\"y-title\" transform=\"translate(18 " + num(kTop + h / 2) +
         ") rotate(-90)\" text-anchor=\"middle\">" + escape(chart.yTitle) + "</text>\n";

    s += "<g class=\"curves\" fill=\"none\" stroke-width=\"1.8\">\n";
    for (std::size_t i = 0; i < chart.curves.size(); ++i) {
        const auto& c = chart.curves[i];
        const char* colour = kColours[i % kColours.size()];
        std::string segment;
        std::size_t count = 0;
        const auto flush = [&] {
            if (count == 1)
                s += "<circle cx=\"" + segment.substr(0, segment.find(',')) + "\" cy=\"" +
                     segment.substr(segment.find(',') + 1) + "\" r=\"2.5\" fill=\"" + colour + "\"/>\n";
            else if (count > 1)
                s += "<polyline stroke=\"" + std::string(colour) + "\" points=\"" + segment + "\"/>\n";
            segment.clear();
            count = 0;
        };
        for (const auto& [x, y] : c.points) {
            if (!std::isfinite(y) || !std::isfinite(x)) {
                flush();
                continue;
            }
            if (count++) segment += ' ';
            segment += num(px(x)) + "," + num(py(y));
        }
        flush();
    }
    s += "</g>\n";

    s += "<g class=\"legend\">\n";
    for (std::size_t i = 0; i < chart.curves.size(); ++i) {
        const double y = kTop + 10 + static_cast<double>(i) * 18;
        const double x = kLeft + w + 16;
        s += "<line x1=\"" + num(x) + "\" y1=\"" + num(y) + "\" x2=\"" + num(x + 24) + "\" y2=\"" + num(y) +
             "\" stroke=\"" + kColours[i % kColours.size()] + "\" stroke-width=\"2\"/>\n";
        s += "<text x=\"" + num(x + 30) + "\" y=\"" + num(y + 4) + "\">" + escape(chart.curves[i].label) + "</text>\n";
    }
    s += "</g>\n</svg>\n";
    return s;
}

std::string unitOf(const std::string& n, bool degrees) {
    const auto is = [&](std::initializer_list<const char*> names) {
        return std::any_of(names.begin(), names.end(), [&](const char* m) { return n == m; });
    };
    if (n == "Beta" || n == "Alfan") return degrees ? "°" : "rad";
    if (n.rfind("Sigma", 0) == 0 || n.rfind("E", 0) == 0 || n.rfind("Rm", 0) == 0 || n.rfind("Re", 0) == 0)
        return "MPa";
    if (n.rfind("SF", 0) == 0 || n.rfind("SH", 0) == 0 || n.rfind("z", 0) == 0 || n.rfind("x", 0) == 0 ||
        n.rfind("Y", 0) == 0 || n.rfind("Z", 0) == 0 || n.rfind("K", 0) == 0 || is({"u", "Epsalfa", "Epsbeta", "Epsgama"}))
        return "–";
    if (is({"mn", "a", "aw", "b", "b1", "b2", "d1", "d2", "da1", "da2", "db1", "db2", "df1", "df2", "sr1", "sr2"}))
        return "mm";
    if (n == "n1") return "1/min";
    if (n == "T1") return "N·m";
    if (is({"F1", "Ft1", "FtH", "FtF"})) return "N";
    if (n.rfind("NK", 0) == 0) return n.ends_with("hod") ? "h" : "cykly";
    return {};
}

}  // namespace soukoli::cli
