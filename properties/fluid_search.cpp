#include "properties/fluid_search.hpp"

#include <array>
#include <string>

namespace properties {
namespace {

std::string folded(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const std::size_t start = text.find_first_not_of(blanks);
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(blanks) - start + 1);
}

std::array<std::string, 4> keys(const Fluid& fluid) {
    return {folded(fluid.chinese), folded(fluid.english), folded(fluid.formula), folded(fluid.cas)};
}

template <typename Matches>
std::vector<const Fluid*> fluids_where(std::string_view query, Matches matches) {
    const std::string q = folded(trimmed(query));
    std::vector<const Fluid*> found;
    for (const Fluid& fluid : fluid_table()) {
        for (const std::string& key : keys(fluid)) {
            if (matches(key, q)) {
                found.push_back(&fluid);
                break;
            }
        }
    }
    return found;
}

}  // namespace

std::vector<const Fluid*> search_fluids(std::string_view query) {
    return fluids_where(query, [](const std::string& key, const std::string& q) {
        return key.find(q) != std::string::npos;
    });
}

std::vector<const Fluid*> match_fluid(std::string_view query) {
    std::vector<const Fluid*> whole =
        fluids_where(query, [](const std::string& key, const std::string& q) { return key == q; });
    return whole.empty() ? search_fluids(query) : whole;
}

}  // namespace properties
