#include "raster/coverage_mask.h"

#include <algorithm>

namespace pattik {

CoverageMask::CoverageMask(const RECT& window)
    : window_(pattik::IsEmpty(window) ? RECT{} : window) {
    covered_.assign(static_cast<std::size_t>(Width(window_) * Height(window_)), 0);
}

std::size_t CoverageMask::Index(std::int64_t x, std::int64_t y) const {
    return static_cast<std::size_t>((y - window_.top) * Width(window_) + (x - window_.left));
}

void CoverageMask::Add(std::int64_t x, std::int64_t y) {
    if (x >= window_.left && x < window_.right && y >= window_.top && y < window_.bottom) {
        covered_[Index(x, y)] = 1;
        any_ = true;
    }
}

void CoverageMask::AddSpan(std::int64_t y, std::int64_t x0, std::int64_t x1) {
    if (y < window_.top || y >= window_.bottom) {
        return;
    }
    x0 = std::max<std::int64_t>(x0, window_.left);
    x1 = std::min<std::int64_t>(x1, std::int64_t{window_.right} - 1);
    if (x0 > x1) {
        return;
    }
    const std::size_t first = Index(x0, y);
    std::fill_n(covered_.begin() + static_cast<std::ptrdiff_t>(first), x1 - x0 + 1, 1);
    any_ = true;
}

bool CoverageMask::Has(int x, int y) const {
    return Contains(window_, x, y) && covered_[Index(x, y)] != 0;
}

void CoverageMask::Subtract(const CoverageMask& other) {
    if (other.window_ != window_) {
        return;
    }
    for (std::size_t i = 0; i < covered_.size(); ++i) {
        covered_[i] &= static_cast<std::uint8_t>(other.covered_[i] ^ 1);
    }
}

} // namespace pattik
