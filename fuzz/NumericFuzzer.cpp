// Feeds arbitrary text to the numeric conversions of list cells and settings values, to input
// preparation, and, when the list is small, to a search.
//
// The input's last bytes choose the run parameters; the rest is split into lines. Every line is
// one numeric text; the lines pair up into list rows (dimension, pieces), so a job file is a good
// seed; the first nine lines are also the values of the nine settings keys.
//
// Invariants:
// - parseNumericText accepts exactly: blanks, an optional sign, digits with an optional point
//   and fraction digits (at least one digit), blanks; its value is the decimal value;
//   a minus sign negates it exactly; toInt16/toInt32 give the rounded value when it fits, and
//   nothing otherwise.
// - input preparation refuses each row with the one message its cells call for, keeps the
//   pieces of the others longest first, and refuses a list over the capacity as a whole.
// - a finished search cuts every piece exactly once, every pattern fits the rod and carries
//   its waste, and the totals add up; it agrees step for step with the literal rendering of the
//   search that the optimiser's tests keep (tests/optimiser/ReferenceSearch.h).
// - a settings value that is not a 16-bit number reads as the key's default, and a language
//   name other than the five reads as Slovak.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "ReferenceSearch.h"
#include "i18n/StringCatalogue.h"
#include "model/NumericText.h"
#include "optimiser/CuttingPlanSearch.h"
#include "optimiser/InputPreparation.h"
#include "settings/InMemorySettingsStore.h"
#include "settings/ProgramSettings.h"

namespace {

using marlo::fuzz::require;

// The numeric grammar, written independently of the parser: the text without its surrounding
// blanks, then without one sign, must be digits, or digits (possibly none) a point and digits.
struct Shape {
    bool numeric = false;
    bool signed_ = false;
    std::string_view body;  // the digits and point, without blanks and sign
};

Shape shapeOf(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    Shape shape;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        shape.signed_ = true;
        text.remove_prefix(1);
    }
    shape.body = text;
    const auto allDigits = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const size_t point = text.find('.');
    if (point == std::string_view::npos) {
        shape.numeric = !text.empty() && allDigits(text);
    } else {
        const std::string_view whole = text.substr(0, point);
        const std::string_view fraction = text.substr(point + 1);
        shape.numeric = !fraction.empty() && allDigits(whole) && allDigits(fraction);
    }
    return shape;
}

size_t significantWholeDigits(std::string_view body) {
    const std::string_view whole = body.substr(0, body.find('.'));
    const size_t firstNonZero = whole.find_first_not_of('0');
    return firstNonZero == std::string_view::npos ? 0 : whole.size() - firstNonZero;
}

template <typename Int>
void checkRounded(std::optional<Int> converted, std::optional<double> value) {
    if (!value) {
        require(!converted, "no whole number from a text that is not a number");
        return;
    }
    // The conversion rounds the digits as written; the nearest double of a text just below or
    // above one half may lie on the other side of it, so there only the distance is checked.
    const double fraction = std::abs(*value - std::trunc(*value));
    if (std::abs(fraction - 0.5) < 1e-9 * std::max(1.0, std::abs(*value))) {
        if (converted)
            require(std::abs(*converted - *value) <= 0.5 + 1e-6, "rounded to a neighbour");
        return;
    }
    const double rounded = std::round(*value);
    const bool fits =
        rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max();
    require(converted.has_value() == fits, "a whole number exactly when the rounded value fits");
    if (converted) require(*converted == rounded, "the whole number is the rounded value");
}

void checkNumericText(std::string_view text) {
    const std::optional<double> value = marlo::parseNumericText(text);
    const Shape shape = shapeOf(text);
    if (!shape.numeric) {
        require(!value, "a text outside the grammar is not a number");
    } else if (significantWholeDigits(shape.body) < 300) {
        require(value.has_value(),
                "a text in the grammar within the range of a double is a number");
        if (shape.body.size() <= 15) {
            const double expected = std::strtod(std::string(shape.body).c_str(), nullptr);
            require(std::fabs(std::fabs(*value) - expected) <= 1e-9 * std::max(1.0, expected),
                    "the value is the decimal value of the digits");
        }
        if (!shape.signed_) {
            const std::string minus = "-" + std::string(text.substr(text.find_first_not_of(" \t")));
            const std::optional<double> negated = marlo::parseNumericText(minus);
            require(negated && *negated == -*value, "a minus sign negates exactly");
        }
    }
    checkRounded(marlo::toInt16(text), value);
    checkRounded(marlo::toInt32(text), value);
}

// The message input preparation must give a row, or 0.
int expectedRefusal(const marlo::CutItem& item, int16_t rodLength) {
    const std::optional<int32_t> dimension = marlo::toInt32(item.dimension);
    const std::optional<int16_t> pieces = marlo::toInt16(item.pieces);
    if (!dimension || !pieces) return marlo::msg::kNotANumber;
    if (*dimension >= rodLength) return marlo::msg::kDimensionTooLong;
    if (*dimension <= 0 || *pieces < 0) return marlo::msg::kNotPositive;
    return 0;
}

// Returns the prepared pieces, longest first.
std::vector<int16_t> checkPreparation(const marlo::CuttingList& list, int16_t rodLength,
                                      marlo::PieceList& pieces) {
    constexpr int16_t kEarlierInitialCount = 12345;
    pieces.setInitialCount(kEarlierInitialCount);
    const marlo::PreparedInput prepared = marlo::prepareInput(list, rodLength, pieces);

    std::vector<marlo::RejectedRow> refusals;
    std::vector<int16_t> expected;
    bool overCapacity = false;
    for (size_t row = 0; row < list.size() && !overCapacity; ++row) {
        if (const int message = expectedRefusal(list[row], rodLength); message != 0) {
            refusals.push_back({static_cast<int>(row) + 1, message});
            continue;
        }
        const int count = *marlo::toInt16(list[row].pieces);
        overCapacity = static_cast<int>(expected.size()) + count > marlo::PieceList::kCapacity;
        expected.insert(expected.end(), overCapacity ? 0 : count,
                        static_cast<int16_t>(*marlo::toInt32(list[row].dimension)));
    }
    require(prepared.rejectedRows == refusals, "each refused row with its own message");
    require(prepared.tooManyPieces == overCapacity, "over the capacity exactly when it is");
    if (overCapacity) {
        require(pieces.count() == 0, "a list over the capacity leaves no pieces");
        return {};
    }
    std::sort(expected.begin(), expected.end(), std::greater<int16_t>());
    const std::vector<int16_t> got(pieces.data() + 1, pieces.data() + 1 + pieces.count());
    require(got == expected, "the pieces of the taken rows, longest first");
    require(pieces.initialCount() == (got.empty() ? kEarlierInitialCount : pieces.count()),
            "the initial count is set only when there are pieces");
    return got;
}

// Stops a search after a bounded number of yields so that no input runs for long.
class BoundedObserver : public marlo::RunObserver {
  public:
    void yieldToEvents() override { ++yields_; }
    bool stopRequested() override { return yields_ >= 10; }
    int yields() const { return yields_; }

  private:
    int yields_ = 0;
};

// The fast search must agree with the literal step-by-step rendering on every count, pattern
// and total. The rendering takes the cut as it stands, so only runs with a cut of 0 or more
// are compared.
void compareWithReference(const std::vector<int16_t>& input, const marlo::JobParameters& parameters,
                          const marlo::CuttingPlan& plan, int yields) {
    if (parameters.cutThickness < 0) return;
    const marlo::reference::Result expected =
        marlo::reference::search(std::vector<int>(input.begin(), input.end()), parameters);
    if (plan.status == marlo::RunStatus::Aborted) {
        require(plan.abortMessage == marlo::msg::kTooManyShortDimensions
                    ? expected.aborted
                    : !expected.aborted && expected.patterns.size() > 50,
                "the search aborts where the rendering does");
        return;
    }
    require(!expected.aborted, "the search finishes where the rendering does");
    require(plan.summary.calculatedPossibilities == expected.steps, "the same number of steps");
    require(static_cast<uint64_t>(yields) == expected.yields, "the same number of yields");
    require(plan.summary.rodCount == expected.rodCount &&
                plan.summary.totalWaste == expected.totalWaste &&
                plan.summary.wastePieceCount == expected.wastePieceCount,
            "the same totals");
    require(plan.patterns.count() == static_cast<int>(expected.patterns.size()),
            "the same number of patterns");
    for (int i = 0; i < plan.patterns.count(); ++i) {
        const marlo::RodPattern& got = plan.patterns[i];
        const marlo::reference::Pattern& want = expected.patterns[static_cast<size_t>(i)];
        require(got.rods == want.rods && got.waste == want.waste &&
                    std::vector<int>(got.lengths.begin(), got.lengths.begin() + got.pieceCount) ==
                        want.lengths,
                "the same patterns in the same order");
    }
}

void checkSearch(std::vector<int16_t> input, const marlo::JobParameters& parameters,
                 marlo::PieceList& pieces) {
    BoundedObserver observer;
    const marlo::CuttingPlan plan = marlo::searchCuttingPlan(pieces, parameters, observer);
    if (plan.status == marlo::RunStatus::Stopped) return;
    compareWithReference(input, parameters, plan, observer.yields());
    if (plan.status == marlo::RunStatus::Aborted) {
        require(plan.abortMessage == marlo::msg::kTooManyShortDimensions ||
                    plan.abortMessage == marlo::msg::kTooManyPatterns,
                "an abort names its reason");
        require(plan.patterns.count() == 0, "an abort leaves no patterns");
        return;
    }
    const int32_t rod = parameters.rodLength;
    const int32_t cut = std::max<int32_t>(parameters.cutThickness, 0);
    std::map<int16_t, long> cutPieces;
    long rods = 0, wasteRods = 0, totalWaste = 0;
    int sequence = 0;
    int16_t previousWaste = std::numeric_limits<int16_t>::min();
    require(plan.patterns.count() >= 1, "a finished run has a pattern");
    for (const marlo::RodPattern& pattern : plan.patterns) {
        require(pattern.sequence == ++sequence, "patterns are numbered from 1");
        require(pattern.rods >= 1, "a pattern cuts at least one rod");
        require(pattern.pieceCount >= 1 && pattern.pieceCount <= marlo::RodPattern::kMaxPieces,
                "a pattern holds 1 to 97 pieces");
        int32_t used = 0;
        for (int i = 0; i < pattern.pieceCount; ++i) {
            require(i == 0 || pattern.lengths[i] <= pattern.lengths[i - 1], "longest first");
            require(pattern.lengths[i] <= rod - used, "every piece fits the space left");
            used += pattern.lengths[i] + cut;
            cutPieces[pattern.lengths[i]] += pattern.rods;
        }
        const int32_t raw = rod - used;
        require(pattern.waste == (raw > 0 ? raw : -(raw + cut)), "the waste of the pattern");
        if (parameters.sortOutputByWaste == 1)
            require(pattern.waste >= previousWaste, "patterns ordered by waste");
        previousWaste = pattern.waste;
        rods += pattern.rods;
        if (pattern.waste > 0) {
            wasteRods += pattern.rods;
            totalWaste += static_cast<long>(pattern.waste) * pattern.rods;
        }
    }
    std::map<int16_t, long> inputPieces;
    for (const int16_t length : input) ++inputPieces[length];
    require(cutPieces == inputPieces, "every piece is cut exactly once");
    require(pieces.count() == 0, "no piece is left");
    require(plan.summary.rodCount == rods, "the rod count is the sum of the patterns' rods");
    require(plan.summary.wastePieceCount == wasteRods, "one waste piece per rod with waste");
    require(plan.summary.totalWaste == totalWaste, "the total waste adds up");
}

void checkSettings(const std::vector<std::string>& values) {
    using namespace marlo::settings;
    const std::string_view numericKeys[] = {kMinWasteDimension, kMaxWasteDimension, kCutThickness,
                                            kRodLength,         kWasteBordersMode,  kStartMethod,
                                            kSortOutputByWaste};
    marlo::InMemorySettingsStore store;
    for (size_t i = 0; i < std::size(numericKeys) && i < values.size(); ++i)
        marlo::saveSetting(store, numericKeys[i], values[i]);
    const std::string language = values.size() > 7 ? values[7] : std::string();
    marlo::saveSetting(store, kLanguage, language);

    const marlo::ProgramSettings read = marlo::peekSettings(store);
    const marlo::JobParameters defaults;
    const marlo::JobParameters& p = read.parameters;
    const int16_t got[] = {p.minWasteDimension, p.maxWasteDimension, p.cutThickness,
                           p.rodLength,         p.wasteBordersMode,  p.startMethod,
                           p.sortOutputByWaste};
    const int16_t fallback[] = {defaults.minWasteDimension, defaults.maxWasteDimension,
                                defaults.cutThickness,      defaults.rodLength,
                                defaults.wasteBordersMode,  defaults.startMethod,
                                defaults.sortOutputByWaste};
    // Which stored values make sense: waste bounds not negative, a cut shorter than the rod in
    // use and not negative, a rod longer than 0, switches 0 or 1.
    const auto sensible = [&](size_t key, int16_t v) {
        switch (key) {
            case 0:
            case 1:
                return v >= 0;
            case 2:
                return v >= 0 && v < p.rodLength;
            case 3:
                return v > 0;
            default:
                return v == 0 || v == 1;
        }
    };
    for (size_t i = 0; i < std::size(numericKeys); ++i) {
        const std::string value = i < values.size() ? values[i] : std::string();
        const std::optional<int16_t> stored = marlo::toInt16(value);
        require(got[i] == (stored && sensible(i, *stored) ? *stored : fallback[i]),
                "a settings value that is not a sensible 16-bit number reads as its default");
    }
    const std::optional<marlo::Language> named = marlo::languageFromSettingsName(language);
    require(read.language == named.value_or(marlo::Language::Slovak),
            "an unknown language name reads as Slovak");
}

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    marlo::JobParameters parameters;
    parameters.rodLength = provider.ConsumeIntegral<int16_t>();
    parameters.cutThickness = provider.ConsumeIntegral<int16_t>();
    parameters.minWasteDimension = provider.ConsumeIntegral<int16_t>();
    parameters.maxWasteDimension = provider.ConsumeIntegral<int16_t>();
    parameters.wasteBordersMode = provider.ConsumeIntegralInRange<int16_t>(0, 1);
    parameters.startMethod = provider.ConsumeIntegralInRange<int16_t>(0, 1);
    parameters.sortOutputByWaste = provider.ConsumeIntegralInRange<int16_t>(0, 1);
    const std::string text = provider.ConsumeRemainingBytesAsString();

    checkNumericText(text);
    const std::vector<std::string> lines = linesOf(text);
    for (const std::string& line : lines) checkNumericText(line);
    checkSettings(lines);

    marlo::CuttingList list;
    for (size_t i = 0; i + 1 < lines.size(); i += 2) list.push_back({lines[i], lines[i + 1]});
    static auto pieces = std::make_unique<marlo::PieceList>();
    const std::vector<int16_t> prepared = checkPreparation(list, parameters.rodLength, *pieces);

    // A few dozen pieces keep every search short enough for the fuzzer's pace.
    if (!prepared.empty() && prepared.size() <= 40) checkSearch(prepared, parameters, *pieces);
    return 0;
}
