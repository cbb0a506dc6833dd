// libFuzzer target: the lenient and strict number parses and the two
// number texts.
//
// Checked beyond not crashing: a text the strict parse accepts reads to the
// same value leniently, and the plain text of a finite value is accepted by
// the strict parse again.

#include "common/numbers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double lenient = common::parseLenient(text);
    const auto strict = common::parseStrict(text);
    common::parseLenientSingle(text);
    common::parseStrictSingle(text);

    if (strict && !(*strict == lenient || (std::isnan(*strict) && std::isnan(lenient))))
        std::abort();

    for (double value : {lenient, strict.value_or(0.0)}) {
        const std::string plain = common::plainText(value);
        common::signedText(value);
        common::roundToInt16(value);
        if (std::isfinite(value) && !common::parseStrict(plain))
            std::abort();
    }
    return 0;
}
