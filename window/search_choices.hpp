// The 自动设计 search's choices as the user types them, and their reading into design's: the
// least margin in %, the velocity and L/D ranges as "0.5–3", the lengths allowed as "2, 3, 4.5".
// A text that does not read raises a ChoiceFault that names the choice.
#pragma once

#include <QString>
#include <array>

#include "casefile/case.hpp"
#include "design/search.hpp"
#include "window/layout_choices.hpp"

namespace window {

// "最小面积裕度" …, in the order of casefile::design_keys.
inline constexpr std::array<const char*, std::tuple_size_v<casefile::DesignTexts>>
    search_choice_names{"最小面积裕度 H′", "管内流速范围", "管外流速范围",
                        "长径比 L/D 范围", "可选管长",     "串联壳程数范围"};

design::SearchChoices read_search_choices(const casefile::DesignTexts& texts);

}  // namespace window
