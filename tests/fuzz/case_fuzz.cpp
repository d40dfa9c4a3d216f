// Any bytes as a case file: the reader refuses them with a CaseFault or accepts them, and an
// accepted case writes out and reads back to the same case, and writes the same bytes again.
#include <cstdint>
#include <cstdlib>

#include "casefile/case_json.hpp"

namespace {

void check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    casefile::Case c;
    try {
        c = casefile::from_json(bytes);
    } catch (const casefile::CaseFault&) {
        return 0;
    }
    check(c.fields.size() == 20);
    const QByteArray written = casefile::to_json(c);
    casefile::Case reopened;
    try {
        reopened = casefile::from_json(written);
    } catch (const casefile::CaseFault&) {
        std::abort();  // a case this program wrote is one it cannot open
    }
    check(reopened == c);
    check(casefile::to_json(reopened) == written);
    return 0;
}
