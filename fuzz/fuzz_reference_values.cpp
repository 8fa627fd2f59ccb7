// The reader of the reference-values file over arbitrary text: it returns the years in ascending
// order, never none, each with its figures, or one sentence naming what is wrong.
#include "zakat/engine/complete/ReferenceValues.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace zw;
using namespace zw::zakat::complete;

namespace {

[[noreturn]] void fail(const char* what, const QString& text) {
    std::fprintf(stderr, "%s\n  text: [%s]\n", what, qUtf8Printable(text.left(400)));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = ReferenceValues::parse(text);
    if (const auto* problem = std::get_if<QString>(&read)) {
        if (problem->isEmpty() || problem->contains(u'\n'))
            fail("a refusal that is not one sentence", text);
        return 0;
    }
    const auto& values = std::get<ReferenceValues>(read);
    if (values.years().empty())
        fail("no year read", text);
    int previous = -1;
    for (const YearValues& year : values.years()) {
        if (year.year <= previous)
            fail("years out of order or repeated", text);
        if (year.nishabYear <= Rupiah() || year.nishabMonth <= Rupiah() ||
            (year.fitrah && *year.fitrah <= Rupiah()))
            fail("a figure that is not positive", text);
        if (values.find(year.year) != &year)
            fail("a year not found", text);
        previous = year.year;
    }
    return 0;
}
