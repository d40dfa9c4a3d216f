// A case on disk: read strictly, with a size limit checked before parsing, and written whole.
// The format is case_json's.
#pragma once

#include <QString>
#include <optional>

#include "casefile/case.hpp"
#include "casefile/case_fault.hpp"
#include "casefile/whole_file.hpp"

namespace casefile {

// Bigger than any case can honestly be (twenty fields and a header); refused unread.
inline constexpr qint64 max_file_bytes = 1024 * 1024;

inline constexpr const char* file_suffix = ".hxcase";
inline constexpr const char* mime_type = "application/x-heat-exchanger-case";

// The case at `path`; raises CaseFault, with the path, where there is none to be had.
Case read_case(const QString& path);

std::optional<WriteFailure> write_case(const QString& path, const Case& c,
                                       const std::optional<Results>& results = std::nullopt);

}  // namespace casefile
