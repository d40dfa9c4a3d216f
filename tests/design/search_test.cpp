// The search against the method worked separately in Python from its printed formulas: the
// worked example's candidates and the best of them, the ranking's ties, and a case where one
// pass alone is tried and none holds, and shells in series where one shell's F falls short.
#include "design/search.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>

#include "design/condensing.hpp"

namespace {

constexpr calc::FluidSide tube_water{0.618f, 995.7f, 4174.0f, 0.000801f, 0.02, 1.0};
constexpr calc::FluidSide shell_water{0.668f, 977.8f, 4190.0f, 0.000406f, 0.025, 0.5};

design::LayoutInput input_of(calc::Single tube_outlet) {
    const calc::SizingInput example{tube_water, shell_water, 20.0f, tube_outlet,
                                    90.0f,      60.0f,       2.0f};
    const calc::SizingWorking working = calc::sizing_working(example);
    const calc::DesignChecks checks = calc::design_checks(example, working.result, std::nullopt);
    return design::layout_input(example, working, checks, design::FillKind::Typed,
                                design::FillKind::Typed)
        .input;
}

void expect_near(double got, double want, double relative = 1e-9) {
    EXPECT_NEAR(got, want, relative * std::abs(want));
}

// 10 tube counts (0.5–3 m/s) × 6 lengths × 4 passes, 3 shells each and their spacings:
// 3,288 tried, 3 held; two of them 36 tubes of 2 m in a 273 mm shell, 4 passes before 6.
TEST(Search, WorkedExample) {
    const design::Search s = design::search(input_of(40.0f), {}, {});
    ASSERT_EQ(s.stop, design::SearchStop::None);
    EXPECT_EQ(s.tried(), 3288u);
    ASSERT_EQ(s.accepted(), 3u);
    const design::Candidate& best = s.candidates[s.ranking[0]];
    EXPECT_EQ(best.length, 2.0);
    EXPECT_EQ(best.passes, 4.0);
    EXPECT_EQ(best.per_pass, 9.0);
    EXPECT_EQ(best.tubes, 36.0);
    EXPECT_EQ(best.shell_diameter, 0.273);
    EXPECT_EQ(best.baffle_spacing, 0.1);
    EXPECT_EQ(best.baffles, 19.0);
    expect_near(best.tube_velocity, 0.710410057204628);
    expect_near(best.shell_velocity, 0.227465964141681);
    expect_near(best.coefficient, 835.9548886863049);
    expect_near(best.area, 5.654866776461628);
    expect_near(best.margin, 0.20275185452987654);
    expect_near(best.tube_drop, 9135.634890389761);
    expect_near(best.shell_drop, 1050.4924760554022);
    expect_near(best.esso_reynolds, 8345.743845320088);
    const design::Candidate& second = s.candidates[s.ranking[1]];
    EXPECT_EQ(second.passes, 6.0);
    EXPECT_EQ(second.tubes, 36.0);
    EXPECT_EQ(s.candidates[s.ranking[2]].tubes, 40.0);
    EXPECT_FALSE(s.closest);
}

// S first (N_T·L: 36 × 2 = 72 × 1 = 24 × 3), then D, the passes, L, and the wider h.
TEST(Search, RankingTies) {
    const auto candidate = [](double tubes, double length, double shell, double passes,
                              double spacing) {
        design::Candidate c{};
        c.tubes = tubes, c.length = length, c.shell_diameter = shell, c.passes = passes;
        c.baffle_spacing = spacing;
        return c;
    };
    struct Row {
        design::Candidate first, second;
    };
    const Row rows[] = {
        {candidate(36, 2, 0.4, 6, 0.1), candidate(37, 2, 0.273, 1, 0.2)},      // smaller S
        {candidate(72, 1, 0.273, 6, 0.1), candidate(24, 3, 0.325, 1, 0.2)},    // S tied: D
        {candidate(36, 2, 0.273, 4, 0.1), candidate(36, 2, 0.273, 6, 0.2)},    // then passes
        {candidate(48, 1.5, 0.273, 4, 0.1), candidate(36, 2, 0.273, 4, 0.2)},  // then L
        {candidate(36, 2, 0.273, 4, 0.15), candidate(36, 2, 0.273, 4, 0.1)},   // then wider h
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(design::ranks_before(row.first, row.second));
        EXPECT_FALSE(design::ranks_before(row.second, row.first));
    }
}

// t2 = 70 ℃: F₁ = 0.4757, so one shell takes one pass alone, 630 tried, and none holds. Every
// one falls short of its margin, 405 are too long for their shell and 60 too slow in it; the
// closest within both drops is 12 tubes of 9 m in a 219 mm shell, H′ = −47.151 %. With 2, 3 and
// 4 shells allowed (F₂ = 0.91925 and more) each adds the worked example's 3,288 of every pass
// count: 630 + 3 × 3,288 = 10,494.
TEST(Search, OneShellFallsShortSoShellsInSeries) {
    const design::LayoutInput in = input_of(70.0f);
    const design::Search one = design::search(in, {}, {.shells = calc::Range{1, 1}});
    EXPECT_EQ(one.tried(), 630u);
    EXPECT_EQ(one.accepted(), 0u);
    for (const design::Candidate& c : one.candidates) ASSERT_EQ(c.passes, 1.0);
    using design::Condition;
    const std::array<std::size_t, design::condition_count> failures{630, 0, 0, 60, 405, 0};
    EXPECT_EQ(one.failures, failures);
    ASSERT_TRUE(one.closest);
    const design::Candidate& closest = one.candidates[*one.closest];
    EXPECT_EQ(closest.tubes, 12.0);
    EXPECT_EQ(closest.length, 9.0);
    EXPECT_EQ(closest.shell_diameter, 0.219);
    expect_near(closest.margin, -0.4715100871996083);
    EXPECT_TRUE(closest.fails(Condition::Margin) && closest.fails(Condition::LengthToDiameter));

    const design::Search series = design::search(in, {}, {});
    EXPECT_EQ(series.shells.low, 1.0);
    EXPECT_EQ(series.shells.high, 4.0);
    EXPECT_EQ(series.tried(), 630u + 3u * 3288u);
    std::array<std::size_t, 5> of_shells{};
    for (const design::Candidate& c : series.candidates) {
        ++of_shells[static_cast<std::size_t>(c.shells)];
    }
    EXPECT_EQ(of_shells, (std::array<std::size_t, 5>{0, 630, 3288, 3288, 3288}));
    // Where one shell's F holds, the shells allowed change nothing.
    const design::Search ordinary =
        design::search(input_of(40.0f), {}, {.shells = calc::Range{2, 3}});
    EXPECT_EQ(ordinary.tried(), 3288u);
    EXPECT_EQ(ordinary.shells.high, 1.0);
}

// Benzene 80 → 40 ℃ heating 5 kg/s of water 25 → 60 ℃: the outlets cross, no F₁. One shell
// tries 2,034 of one pass and 2, 3 and 4 shells 10,638 each (counts enumerated on their own);
// 1,376 hold, and the best is 4 shells of 80 tubes of 3 m in 4 passes, D 500 mm, h 100 mm:
// S = 75.398 ㎡, H′ = 16.338 %, ΔPt = 58.212 kPa, ΔPs = 72.108 kPa. Each held candidate is its
// layout rated alone, drops and area of every shell included.
design::LayoutInput crossing_input(calc::Single tube_outlet, calc::Single shell_outlet) {
    const calc::FluidSide water{0.61434f, 995.61f, 4180.3f, 0.00079722f, 0.02, 1.0};
    const calc::FluidSide benzene{0.13259f, 836.89f, 1830.6f, 0.00039644f, 0.025, 0.5};
    const calc::SizingInput crossing{water, benzene, 25.0f, tube_outlet, 80.0f, shell_outlet, 5.0f};
    const calc::SizingWorking working = calc::sizing_working(crossing);
    const calc::DesignChecks checks = calc::design_checks(crossing, working.result, std::nullopt);
    const design::LayoutStart start = design::layout_input(
        crossing, working, checks, design::FillKind::Typed, design::FillKind::Typed);
    EXPECT_EQ(start.gap, design::LayoutGap::None);
    return start.input;
}

TEST(Search, CrossingShellsInSeries) {
    const design::LayoutInput in = crossing_input(60.0f, 40.0f);
    const design::Search s = design::search(in, {}, {});
    ASSERT_EQ(s.stop, design::SearchStop::None);
    EXPECT_EQ(s.tried(), 33948u);
    EXPECT_EQ(s.accepted(), 1376u);
    std::array<std::size_t, 5> of_shells{};
    for (const design::Candidate& c : s.candidates) {
        ++of_shells[static_cast<std::size_t>(c.shells)];
        if (c.shells == 1.0) {
            EXPECT_FALSE(c.accepted());
        }
    }
    EXPECT_EQ(of_shells, (std::array<std::size_t, 5>{0, 2034, 10638, 10638, 10638}));
    const design::Candidate& best = s.candidates[s.ranking[0]];
    EXPECT_EQ(best.shells, 4.0);
    EXPECT_EQ(best.tubes, 80.0);
    EXPECT_EQ(best.per_pass, 20.0);
    EXPECT_EQ(best.length, 3.0);
    EXPECT_EQ(best.passes, 4.0);
    EXPECT_EQ(best.shell_diameter, 0.5);
    EXPECT_EQ(best.baffle_spacing, 0.1);
    const auto digits = [](double got, double want) { expect_near(got, want, 5e-5); };
    digits(best.area, 75.398);
    digits(best.margin, 0.16338);
    digits(best.tube_drop, 58212.0);
    digits(best.shell_drop, 72108.0);
    for (const std::size_t i : s.ranking) {
        const design::Candidate& c = s.candidates[i];
        const design::LayoutChoices chosen = design::adopted(c, {});
        const design::Layout l = design::layout(in, chosen);
        ASSERT_EQ(l.stop, design::LayoutStop::None);
        const design::Rating r = design::rate(in, l, chosen);
        ASSERT_EQ(c.area, l.area);
        ASSERT_EQ(c.margin, r.margin);
        ASSERT_EQ(c.tube_drop, l.tube.drop);
        ASSERT_EQ(c.shell_drop, l.shell.drop);
    }
}

// t 25 → 78 ℃ against T 80 → 30 ℃: no F for 1 to 4 shells, so each tries one pass alone, the
// 2,034 of one shell four times over; N_s shells of the same tubes drop N_s times as much on
// each side, to the last bit, and hold N_s times the area.
TEST(Search, NoCorrectionAtAllTriesOnePass) {
    const design::LayoutInput in = crossing_input(78.0f, 30.0f);
    const design::Search s = design::search(in, {}, {});
    EXPECT_EQ(s.tried(), 4u * 2034u);
    std::map<std::array<double, 4>, const design::Candidate*> one_shell;
    for (const design::Candidate& c : s.candidates) {
        ASSERT_EQ(c.passes, 1.0);
        if (c.shells == 1.0) {
            one_shell[{c.per_pass, c.length, c.shell_diameter, c.baffle_spacing}] = &c;
        }
    }
    ASSERT_EQ(one_shell.size(), 2034u);
    for (const design::Candidate& c : s.candidates) {
        const design::Candidate& twin =
            *one_shell.at({c.per_pass, c.length, c.shell_diameter, c.baffle_spacing});
        ASSERT_EQ(c.tube_drop, twin.tube_drop * c.shells);
        ASSERT_EQ(c.shell_drop, twin.shell_drop * c.shells);
        expect_near(c.area, twin.area * c.shells, 1e-15);
    }
}

// The search's own choices narrow it; a 结构参数 choice the method cannot take stops it.
TEST(Search, Choices) {
    const design::LayoutInput in = input_of(40.0f);
    const design::Search two = design::search(in, {}, {.lengths = std::vector<double>{2.0}});
    EXPECT_EQ(two.accepted(), 3u);  // all three are of 2 m
    const design::Search strict = design::search(in, {}, {.least_margin = 0.25});
    EXPECT_EQ(strict.accepted(), 2u);  // H′ 31.160 % and 30.209 %
    // What the search tries is its own, whatever the 结构参数 chose of it.
    EXPECT_EQ(design::search(in, {.passes = 3.0, .per_pass = 0.5}, {}).tried(), 3288u);
    // Told to stop half way, it keeps and ranks what it tried.
    const design::Search half = design::search(in, {}, {}, [](double done) { return done < 0.5; });
    EXPECT_EQ(half.stop, design::SearchStop::Stopped);
    EXPECT_GT(half.tried(), 0u);
    EXPECT_LT(half.tried(), 3288u);
    const design::Search refused = design::search(in, {.pitch = 0.03}, {});
    EXPECT_EQ(refused.stop, design::SearchStop::Refused);
    EXPECT_EQ(refused.refused->choice, design::LayoutChoice::Pitch);
    const design::LayoutChoices taken =
        design::adopted(two.candidates[two.ranking[0]], {.roughness = 2e-4});
    const design::Layout l = design::layout(in, taken);
    EXPECT_EQ(l.stop, design::LayoutStop::None);
    EXPECT_EQ(l.tubes, 36.0);
    EXPECT_EQ(l.shell_diameter, 0.273);
    EXPECT_EQ(*taken.roughness, 2e-4);
}

}  // namespace

// Steam at 200 kPa heating water 20 → 80 ℃: every pass count is tried (F = 1), no vapour is
// held to a Kern velocity or Re₀, the shell's drop is allowed 10 % of p_s, and each
// candidate's K′ and H′ are those of the exchanger it names, laid out and rated on its own.
TEST(Search, CondensingShell) {
    const calc::FluidSide tube{0.64059f, 988.01f, 4179.8f, 0.00054650f, 0.02, 1.0};
    const design::CondensingEstimate e = design::condensing_estimate(
        {tube, 0.025, 20.0f, 80.0f, 3.0f, properties::find_vapour("水"), 200.0});
    const design::LayoutInput in =
        design::condensing_layout_input(e, design::FillKind::Typed).input;
    const design::Search s = design::search(in, {}, {});
    ASSERT_EQ(s.stop, design::SearchStop::None);
    EXPECT_EQ(s.allowable_shell_drop, 20000.0);
    EXPECT_EQ(s.shells.high, 1.0);  // F = 1: one shell
    ASSERT_GT(s.accepted(), 0u);
    std::array<bool, 7> passes{};
    for (const design::Candidate& c : s.candidates) {
        passes[static_cast<std::size_t>(c.passes)] = true;
        EXPECT_FALSE(c.fails(design::Condition::ShellVelocity));
        EXPECT_FALSE(c.fails(design::Condition::Esso));
    }
    EXPECT_TRUE(passes[1] && passes[2] && passes[4] && passes[6]);
    for (const std::size_t i : s.ranking) {
        const design::Candidate& c = s.candidates[i];
        const design::LayoutChoices chosen = design::adopted(c, {});
        const design::Layout l = design::layout(in, chosen);
        ASSERT_EQ(l.stop, design::LayoutStop::None);
        const design::CondensingRating r = design::rate_condensing(in, l, chosen);
        EXPECT_EQ(c.coefficient, r.rating.coefficient);
        EXPECT_EQ(c.margin, r.rating.margin);
        EXPECT_EQ(c.shell_drop, l.shell.drop);
        EXPECT_GE(c.margin, 0.15);
        EXPECT_LE(c.shell_drop, 20000.0);
    }
}
