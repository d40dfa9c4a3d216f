// The 自动设计 search in words: the best candidate's lines as scripts read them, the table of
// candidates, and why none holds. The figures are design/search's.
#pragma once

#include <QString>
#include <QStringList>

#include "design/search.hpp"

namespace report {

// "Ns = 1", "L = 2 m", "Np = 4", "ns = 9", "NT = 36", "D = 273 mm", "h = 100 mm", "NB = 19",
// "S = 5.6549 ㎡", "K′ = 835.95 W/(㎡·℃)", "H′ = 20.275 %", "ΔPt = 9.1356 kPa",
// "ΔPs = 1.0505 kPa".
QStringList candidate_lines(const design::Candidate& candidate);

// The table's columns, and a candidate as its row: Ns, L, Np, ns, NT, D, h, NB, ui′, uo, K′, S, H′,
// ΔPt, ΔPs, L/D.
QStringList candidate_columns();
QStringList candidate_cells(const design::Candidate& candidate);

// "最小面积裕度 H′ ≥ 15 %": a condition as the search held it.
QString condition_words(design::Condition condition, const design::Search& search);

// Why none was accepted: the condition failed most often and the candidate that came closest.
QString none_words(const design::Search& search);

// Why the search did not run: a choice refused, or no tube count in the velocity range.
QString stop_words(const design::Search& search);

}  // namespace report
