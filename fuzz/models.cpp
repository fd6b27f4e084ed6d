#include "models.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

// The calculator models read the floating-point flags themselves.
#pragma STDC FENV_ACCESS ON

namespace fuzzmodel {

void fail(std::string_view what, std::string_view detail)
{
    std::fprintf(stderr, "\n*** DISAGREEMENT: %.*s\n%.*s\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

std::u16string textFromBytes(const std::uint8_t *data, std::size_t size)
{
    // Characters worth meeting next to ASCII numbers: ideographic and
    // no-break spaces, vertical tab and form feed (blanks to C's isspace but
    // not to ours), other scripts' digits, look-alike signs and points, and the
    // halves of a surrogate pair.
    static constexpr char16_t kSpecial[] = {
        u'\u3000', u'\u00a0', u'\v',     u'\f',     u'\u0660',        u'\u0665',        u'\u0669', u'\u06f1', u'\u0966',
        u'\u2212', u'\uff0e', u'\uff0b', u'\uff0d', u'\u00b2',        u'\u2155',        u'\u0085', u'\u2028', u'\ufeff',
        u'\u00b7', u'\u066b', u'\uff45', u'\u221e', char16_t{0xd83d}, char16_t{0xde00}, u'\u0000', u'\u1d7e',
    };
    constexpr std::size_t kSpecialCount = sizeof kSpecial / sizeof kSpecial[0];
    std::u16string text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (b < 0x80)
            text.push_back(static_cast<char16_t>(b));
        else if (b - 0x80u < kSpecialCount)
            text.push_back(kSpecial[b - 0x80]);
        else
            text.push_back(static_cast<char16_t>(0xff00 + (b - 0x80))); // full-width forms, digits among them
    }
    return text;
}

std::string printable(std::u16string_view text)
{
    std::string out = "\"";
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7f && c != u'"' && c != u'\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char buffer[12];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
            out += buffer;
        }
    }
    return out + "\"";
}

std::optional<double> leadingNumber(std::u16string_view text)
{
    auto at = [&](std::size_t k) -> char16_t { return k < text.size() ? text[k] : u'\0'; };
    auto digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };

    std::size_t begin = 0;
    while (blank(at(begin)))
        ++begin;

    // The longest prefix of the form [+-]? (d+ (. d*)? | . d+) ([eE] [+-]? d+)?
    std::size_t end = begin;
    if (at(end) == u'+' || at(end) == u'-')
        ++end;
    std::size_t integerDigits = 0;
    while (digit(at(end + integerDigits)))
        ++integerDigits;
    end += integerDigits;
    if (at(end) == u'.') {
        std::size_t fractionDigits = 0;
        while (digit(at(end + 1 + fractionDigits)))
            ++fractionDigits;
        if (integerDigits + fractionDigits == 0)
            return 0.0;
        end += 1 + fractionDigits;
    } else if (integerDigits == 0) {
        return 0.0;
    }
    if (at(end) == u'e' || at(end) == u'E') {
        std::size_t k = end + 1;
        if (at(k) == u'+' || at(k) == u'-')
            ++k;
        if (digit(at(k))) {
            while (digit(at(k)))
                ++k;
            end = k;
        }
    }

    const std::string ascii(text.begin() + static_cast<std::ptrdiff_t>(begin),
                            text.begin() + static_cast<std::ptrdiff_t>(end));
    errno = 0;
    char *stop = nullptr;
    const double value = std::strtod(ascii.c_str(), &stop);
    if (stop != ascii.c_str() + ascii.size())
        fail("conversion model", "strtod stopped early on " + ascii);
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}

namespace {

// A big natural number in decimal, least significant digit first.
using Decimal = std::vector<int>;

void multiply(Decimal &n, int factor)
{
    int carry = 0;
    for (int &d : n) {
        const int product = d * factor + carry;
        d = product % 10;
        carry = product / 10;
    }
    for (; carry > 0; carry /= 10)
        n.push_back(carry % 10);
}

} // namespace

std::u16string formatSingle(float value, int decimals)
{
    if (std::isinf(value))
        return value < 0 ? u"-∞" : u"∞";

    // value = mantissa * 2^exponent exactly, and so digits * 10^scale.
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const int field = static_cast<int>((bits >> 23) & 0xff);
    std::uint32_t mantissa = bits & 0x7fffff;
    int exponent = -149;
    if (field != 0) {
        mantissa |= 0x800000;
        exponent = field - 150;
    }
    Decimal n;
    for (std::uint32_t m = mantissa; m > 0; m /= 10)
        n.push_back(static_cast<int>(m % 10));
    for (int k = 0; k < std::abs(exponent); ++k)
        multiply(n, exponent > 0 ? 2 : 5);
    int scale = std::min(exponent, 0);

    // Seven significant digits, exact ties to even.
    std::string digits(n.size(), '0');
    std::transform(n.rbegin(), n.rend(), digits.begin(), [](auto digit) { return static_cast<char>('0' + digit); });
    std::uint64_t head = 0;
    if (digits.size() > 7) {
        const std::string rest = digits.substr(7);
        head = std::stoull(digits.substr(0, 7));
        const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
        const bool half = rest[0] == '5' && !aboveHalf;
        if (aboveHalf || (half && head % 2 == 1))
            ++head;
        scale += static_cast<int>(rest.size());
    } else if (!digits.empty()) {
        head = std::stoull(digits);
    }

    // Then half away from zero to the decimals: shown = head * 10^shift.
    const int shift = scale + decimals;
    std::string shown;
    if (shift >= 0) {
        shown = std::to_string(head) + std::string(static_cast<std::size_t>(shift), '0');
    } else if (shift < -9) {
        shown = "0"; // head < 10^8 is below half a unit of the last decimal
    } else {
        std::uint64_t unit = 1;
        for (int k = 0; k < -shift; ++k)
            unit *= 10;
        shown = std::to_string(head / unit + (2 * (head % unit) >= unit ? 1 : 0));
    }
    shown.erase(0, std::min(shown.find_first_not_of('0'), shown.size()));
    if (shown.size() < static_cast<std::size_t>(decimals) + 1)
        shown.insert(0, static_cast<std::size_t>(decimals) + 1 - shown.size(), '0');
    if (decimals > 0)
        shown.insert(shown.size() - static_cast<std::size_t>(decimals), 1, '.');
    // A negative value keeps its sign even when it rounds to zero; n is empty
    // only for an exact zero, which has none.
    if (std::signbit(value) && !n.empty())
        shown.insert(0, 1, '-');
    return std::u16string(shown.begin(), shown.end());
}

namespace {

// Arithmetic on volatile operands stays where it is written, between the
// flag reads around it.
float toFloat(double value)
{
    volatile double wide = value;
    volatile float single = static_cast<float>(wide);
    return single;
}

bool floatError()
{
    return std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) != 0;
}

// The calculators clear the flags before each text is read and once the depth
// result is out; the conversion that follows raises none.
void clearFlags()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

// Whether the enriched-air tab takes a text as a number: past the blanks, an
// optional sign and then a half-width digit, or a point followed by one.
bool holdsNumber(std::u16string_view text)
{
    const std::size_t first = text.find_first_not_of(u" \t\r\n");
    if (first == std::u16string_view::npos)
        return false;
    std::u16string_view rest = text.substr(first);
    if (rest.starts_with(u'+') || rest.starts_with(u'-'))
        rest.remove_prefix(1);
    if (rest.starts_with(u'.'))
        rest.remove_prefix(1);
    return !rest.empty() && rest.front() >= u'0' && rest.front() <= u'9';
}

} // namespace

std::optional<float> breathingCore(float start, float end, float volume, float depth, float time)
{
    volatile double a = start, b = end, c = volume, d = depth, e = time;
    volatile float p = toFloat((a - b) * c);
    if (floatError())
        return std::nullopt;
    volatile double pd = p;
    volatile float q = toFloat(pd / (d / 10.0 + 1.0));
    if (floatError())
        return std::nullopt;
    volatile double qd = q;
    volatile float r = toFloat(qd / e);
    if (floatError())
        return std::nullopt;
    return r;
}

std::optional<float> equivalentAirDepth(float oxygenPercent, float depth)
{
    volatile double a = oxygenPercent, b = depth;
    volatile double product = (1.0 - a / 100.0) * (b + 10.0);
    if (floatError())
        return std::nullopt;
    volatile double productRead = product;
    volatile float ead = toFloat(productRead / 0.79 - 10.0);
    if (floatError())
        return std::nullopt;
    return ead;
}

std::optional<float> oxygenPartialPressure(float oxygenPercent, float depth)
{
    volatile double a = oxygenPercent, b = depth;
    volatile float po2 = toFloat((b + 10.0) / 10.0 * a / 100.0);
    if (floatError())
        return std::nullopt;
    return po2;
}

BreathingModel breathingRate(const std::array<std::u16string, 5> &texts)
{
    struct Box {
        const char16_t *message;
        bool mayBeZero;
    };
    static constexpr Box kBoxes[] = {
        {u"タンクの開始圧を入れてください", false}, {u"タンク終了時の残圧を入れてください", true},
        {u"タンク容積を入れてください", false},     {u"平均水深を入れてください", false},
        {u"水深時間を入れてください", false},
    };
    // A calculation error ends the calculation without a result or a message.
    BreathingModel silent{BreathingModel::Kind::SilentEnd, u"", -1, u""};

    std::array<float, 5> v{};
    for (std::size_t k = 0; k < 5; ++k) {
        clearFlags();
        const std::optional<double> tested = leadingNumber(texts[k]);
        if (!tested)
            return silent;
        if (kBoxes[k].mayBeZero ? *tested < 0.0 : *tested <= 0.0)
            return {BreathingModel::Kind::Rejected, u"", static_cast<int>(k), kBoxes[k].message};
        clearFlags();
        const std::optional<double> value = leadingNumber(texts[k]);
        if (!value)
            return silent;
        v[k] = toFloat(*value);
    }

    // The flags of rounding the time are still up for the first check.
    const std::optional<float> r = breathingCore(v[0], v[1], v[2], v[3], v[4]);
    if (!r)
        return silent;
    return {BreathingModel::Kind::Result, formatSingle(*r, 1), -1, u""};
}

EnrichedAirModel enrichedAir(const std::u16string &oxygen, const std::u16string &depth)
{
    EnrichedAirModel out{std::nullopt, std::nullopt, true};

    clearFlags();
    if (!holdsNumber(oxygen))
        return out;
    const std::optional<double> oxygenValue = leadingNumber(oxygen);
    if (!oxygenValue)
        return out;
    const float oxygenSingle = toFloat(*oxygenValue);
    clearFlags();
    if (!holdsNumber(depth))
        return out;
    const std::optional<double> depthValue = leadingNumber(depth);
    if (!depthValue)
        return out;
    const float depthSingle = toFloat(*depthValue);

    // The flags of rounding the depth are still up for the first check.
    const std::optional<float> ead = equivalentAirDepth(oxygenSingle, depthSingle);
    if (!ead)
        return out;
    out.depth = formatSingle(*ead, 1);

    clearFlags();
    const std::optional<float> po2 = oxygenPartialPressure(oxygenSingle, depthSingle);
    if (!po2)
        return out;
    out.pressure = formatSingle(*po2, 2);
    out.messageShown = false;
    return out;
}

} // namespace fuzzmodel
