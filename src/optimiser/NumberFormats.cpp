#include "optimiser/NumberFormats.h"

#include <cmath>
#include <cstdio>

namespace marlo {

std::string formatEfficiency(double percent, char decimalSeparator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", percent);
    std::string text(buffer);
    if (const size_t dot = text.find('.'); dot != std::string::npos) text[dot] = decimalSeparator;
    return text;
}

std::string formatPrice(double price, char decimalSeparator) {
    return formatEfficiency(price, decimalSeparator);
}

std::string formatPossibilities(uint64_t count) {
    const std::string digits = std::to_string(count);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ' ';
        grouped += digits[i];
    }
    return grouped;
}

std::string formatProgress(double percent) {
    // Halves round away from zero, as the report formats do.
    return std::to_string(static_cast<long long>(std::round(percent))) + " %";
}

double progressPercent(int remainingPieces, int initialPieces) {
    if (initialPieces <= 0) return 0.0;
    return 100.0 - static_cast<double>(remainingPieces) / initialPieces * 100.0;
}

}  // namespace marlo
