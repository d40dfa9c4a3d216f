// Any bytes as the eighteen field texts that 计算结果 reads and the layout's and the rating's
// choices, a line each in its order: the same conversions into the sizing give a Fault or
// finite K, A and Q that show without "nan" or "inf", the same as the detailed call, and checks
// after it that show only finite numbers, an F in (0, 1] and nothing at all for streams that do
// not run opposite ways; the mean temperatures and film coefficients of both sides likewise; a
// layout whose every figure is finite and every count a positive whole number; a rating whose
// figures, where it gives them, are finite with K′ > 0; and a search over a small range that
// stops within bounded work and gives only finite figures. A shell flow of '@', a byte and a
// pressure condenses that vapour instead: the estimate, its layout, rating and search are a
// refusal in words or finite, the wall from the tube side up to below t_s.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "calc/conversion.hpp"
#include "calc/design_checks.hpp"
#include "calc/fault.hpp"
#include "calc/film_coefficient.hpp"
#include "calc/sizing.hpp"
#include "design/condensing.hpp"
#include "design/layout.hpp"
#include "design/rating.hpp"
#include "design/search.hpp"

namespace {

// Text4 Text5 Text6 Text7 Text10 Text9, Text13 Text14 Text16 Text15 Text11 Text12,
// Text1 Text2 Text20 Text19 Text3, Text18 (the shell flow, which may hold anything), then
// the layout's length, arrangement, pitch, shell, spacing, roughness and drops in SI units,
// then the passes, tubes per pass, both fouling resistances (a number, or '#' and a byte for a
// row of the table), the material (a byte) and the wall's conductivity.
constexpr std::size_t field_count = 32;

std::array<std::string_view, field_count> split_lines(std::string_view bytes) {
    std::array<std::string_view, field_count> texts{};
    for (std::string_view& text : texts) {
        const std::size_t end = bytes.find('\n');
        text = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return texts;
}

void check(bool holds) {
    if (!holds) std::abort();
}

template <typename Value>
void check_shown(Value value) {
    check(std::isfinite(value));
    const std::string text = calc::to_text(value);
    check(text.find("nan") == std::string::npos && text.find("inf") == std::string::npos);
}

template <typename Call>
void fault_or_finite(Call call) {
    try {
        call();
    } catch (const calc::Fault&) {
    }
}

std::optional<calc::Single> read_if_number(std::string_view text) {
    try {
        return calc::to_single_number(text);
    } catch (const calc::Fault&) {
        return std::nullopt;
    }
}

void check_shown(const calc::DesignChecks& checks) {
    // Streams that do not run opposite ways leave nothing to check; F is a fraction.
    check(calc::opposite(checks.trends) ||
          (!checks.correction && !checks.balance && !checks.tubes));
    if (const auto& c = checks.correction) {
        check_shown(c->P), check_shown(c->R);
        if (c->exists) check_shown(c->F), check_shown(c->area), check(c->F > 0 && c->F <= 1);
    }
    if (const auto& b = checks.balance) {
        check_shown(b->shell_flow), check_shown(b->shell_duty), check_shown(b->difference);
    }
    if (const auto& tubes = checks.tubes) {
        check_shown(tubes->per_pass), check_shown(tubes->count), check_shown(tubes->length);
    }
    for (const calc::UnitSlip& slip : checks.slips) check_shown(slip.value);
}

std::optional<calc::Double> choice(std::string_view text) {
    try {
        return calc::to_number(text);
    } catch (const calc::Fault&) {
        return std::nullopt;
    }
}

unsigned byte(std::string_view text, std::size_t at) {
    return text.size() > at ? static_cast<unsigned char>(text[at]) : 0u;
}

std::optional<design::FoulingChoice> fouling(std::string_view text) {
    if (text.empty()) return std::nullopt;
    if (text[0] == '#') {
        return design::FoulingChoice{design::FoulingService(byte(text, 1) % 22)};
    }
    const std::optional<calc::Double> value = choice(text);
    return value ? std::optional(design::FoulingChoice{{}, *value}) : std::nullopt;
}

design::LayoutChoices read_choices(const std::string_view* t) {
    std::optional<design::Arrangement> arrangement;
    if (!t[1].empty()) arrangement = design::Arrangement(byte(t[1], 0) % 3);
    std::optional<design::Material> material;
    if (!t[12].empty()) material = design::Material(byte(t[12], 0) % 6);
    return {choice(t[0]),   arrangement,    choice(t[2]), choice(t[3]), choice(t[4]),
            choice(t[5]),   choice(t[6]),   choice(t[7]), choice(t[8]), choice(t[9]),
            fouling(t[10]), fouling(t[11]), material,     choice(t[13])};
}

bool whole(calc::Double count) {
    return std::isfinite(count) && count >= 1 && count == std::floor(count);
}

// What each stop gives is finite, its counts whole; no stop, everything.
void check_shown(const design::Layout& l) {
    using design::LayoutStop;
    if (l.stop == LayoutStop::Wall || l.stop == LayoutStop::Refused ||
        l.stop == LayoutStop::Overflow) {
        return;
    }
    check(whole(l.per_pass)), check_shown(l.required_pass_length), check_shown(l.length);
    if (l.stop == LayoutStop::TooManyPasses) return;
    check(whole(l.passes) && whole(l.tubes) && whole(l.centre_tubes));
    check_shown(l.pitch), check_shown(l.bundle_diameter);
    if (l.stop == LayoutStop::ShellTooLarge) return;
    check(whole(l.baffles));
    for (const calc::Double x :
         {l.shell_diameter, l.baffle_spacing, l.area, l.required_area, l.margin, l.tube.friction,
          l.tube.drop, l.shell.velocity, l.shell.reynolds, l.shell.drop}) {
        check_shown(x);
    }
}

// Where the rating gives its figures, every one is finite, K′ positive and no more than K_c.
void check_shown(const design::Rating& r) {
    if (!r.finite) return;
    for (const calc::Double x :
         {r.tube.alpha, r.shell.alpha, r.coefficient, r.clean_coefficient, r.required_area,
          r.margin, r.carried_fouling, r.tube.velocity, r.shell.velocity, r.shell.reynolds}) {
        check_shown(x);
    }
    check(r.coefficient > 0 && r.coefficient <= r.clean_coefficient && r.required_area > 0);
    check(r.tube_fouling.resistance >= 0 && r.shell_fouling.resistance >= 0);
}

// The search over a small range, its length alone and at most 8 tube counts: bounded work.
constexpr int searched_counts = 8;
design::Search search_around(const design::LayoutInput& in, const design::LayoutChoices& c,
                             calc::Double length) {
    int counts = 0;
    return design::search(in, c, {.lengths = std::vector<calc::Double>{length}},
                          [&counts](double) { return ++counts <= searched_counts; });
}

// What it gives is finite, its counts whole, its best first, within the work it was allowed.
void check_shown(const design::Search& s) {
    // Tube counts × 4 pass counts × 3 shells × 8 spacings, for up to 4 shells in series.
    check(s.tried() <= std::size_t{searched_counts} * 4 * 3 * 8 * design::shell_counts.size());
    for (const std::size_t i : s.ranking) {
        const design::Candidate& c = s.candidates[i];
        check(whole(c.passes) && whole(c.per_pass) && whole(c.tubes) && whole(c.baffles));
        for (const calc::Double x :
             {c.shell_diameter, c.baffle_spacing, c.tube_velocity, c.shell_velocity, c.coefficient,
              c.area, c.margin, c.tube_drop, c.shell_drop, c.length_to_diameter}) {
            check_shown(x);
        }
        check(!design::ranks_before(c, s.candidates[s.ranking.front()]));
    }
}

// The shell condensing the vapour `text` names: '@', a byte choosing it, then its pressure.
void condense(const calc::FluidSide& tube, const std::string_view* t) {
    const std::string_view text = t[17];
    const auto vapours = properties::vapour_table();
    const properties::Vapour& vapour = vapours[byte(text, 1) % vapours.size()];
    const std::optional<calc::Double> kpa =
        choice(text.substr(std::min<std::size_t>(2, text.size())));
    const design::CondensingEstimate e = design::condensing_estimate(
        {tube, calc::to_number(t[10]), calc::to_single_number(t[12]), calc::to_single_number(t[13]),
         calc::to_single_number(t[16]), &vapour, kpa.value_or(101.325)});
    const calc::SizingResult& r = e.working.result;
    check_shown(r.K), check_shown(r.A), check_shown(r.Q), check_shown(e.vapour_flow);
    // A tube film beyond any fluid's puts the wall at the tube side, to the last bit.
    check(e.trial.wall >= e.tube_effective && e.trial.wall < e.state.celsius);
    check(e.trial.alpha > 0 && std::isfinite(e.trial.alpha));
    const design::LayoutStart start = design::condensing_layout_input(e, design::FillKind::Typed);
    if (start.gap != design::LayoutGap::None) return;
    const design::LayoutChoices choices = read_choices(&t[18]);
    const design::Layout l = design::layout(start.input, choices);
    check_shown(l);
    if (l.stop != design::LayoutStop::None) return;
    const design::CondensingRating c = design::rate_condensing(start.input, l, choices);
    check_shown(c.rating);
    check(c.trial.wall < e.state.celsius && std::isfinite(c.film_reynolds));
    check_shown(search_around(start.input, choices, l.length));
}

calc::FluidSide read_side(const std::string_view* t) {
    return {calc::to_single_number(t[0]), calc::to_single_number(t[1]),
            calc::to_single_number(t[2]), calc::to_single_number(t[3]),
            calc::to_number(t[4]),        calc::to_number(t[5])};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto t = split_lines(std::string_view(reinterpret_cast<const char*>(data), size));

    fault_or_finite([&] {
        const calc::FluidSide tube = read_side(&t[0]);
        const calc::FluidSide shell = read_side(&t[6]);
        const calc::SizingInput input{tube,
                                      shell,
                                      calc::to_single_number(t[12]),
                                      calc::to_single_number(t[13]),
                                      calc::to_single_number(t[14]),
                                      calc::to_single_number(t[15]),
                                      calc::to_single_number(t[16])};
        try {
            const calc::SizingResult r = calc::size_exchanger(input);
            check_shown(r.K), check_shown(r.A), check_shown(r.Q);
            const calc::SizingResult w = calc::sizing_working(input).result;
            check(w.K == r.K && w.A == r.A && w.Q == r.Q);
            const calc::DesignChecks checks = calc::design_checks(input, r, read_if_number(t[17]));
            check_shown(checks);
            const design::LayoutStart start = design::layout_input(
                input, calc::sizing_working(input), checks, design::FillKind(t[18].size() % 6),
                design::FillKind(t[19].size() % 6));
            if (start.gap == design::LayoutGap::None) {
                const design::LayoutChoices choices = read_choices(&t[18]);
                const design::Layout l = design::layout(start.input, choices);
                check_shown(l);
                if (l.stop == design::LayoutStop::None) {
                    check_shown(design::rate(start.input, l, choices));
                    check_shown(search_around(start.input, choices, l.length));
                }
            }
        } catch (const calc::Fault& fault) {
            try {
                (void)calc::sizing_working(input);
                check(false);
            } catch (const calc::Fault& same) {
                check(same.kind() == fault.kind() && same.quantity() == fault.quantity() &&
                      same.side() == fault.side());
            }
        }
    });
    if (!t[17].empty() && t[17][0] == '@') {
        fault_or_finite([&] {
            try {
                condense(read_side(&t[0]), &t[0]);
            } catch (const design::CondensingFault&) {
            }
        });
    }
    fault_or_finite([&] {
        check_shown(calc::mean_temperature(calc::to_single_number(t[12]),
                                           calc::to_single_number(t[13]), calc::Side::Tube));
    });
    fault_or_finite([&] {
        check_shown(calc::mean_temperature(calc::to_single_number(t[15]),
                                           calc::to_single_number(t[14]), calc::Side::Shell));
    });
    fault_or_finite([&] {
        check_shown(calc::film_coefficient(read_side(&t[0]), calc::tube_side, calc::Side::Tube));
    });
    fault_or_finite([&] {
        check_shown(calc::film_coefficient(read_side(&t[6]), calc::shell_side, calc::Side::Shell));
    });
    return 0;
}
