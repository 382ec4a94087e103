#pragma once

#include <cstddef>

// The progress bar's value during the data phase. The bar starts at 1 after the handshake and
// ends at 100; in between it follows the rule of the transfer.
class ProgressMeter {
public:
    enum class Rule {
        // 1 per 8 bytes moved: 2 per block of 16.
        PerBytes,
        // The calibration block: 10 for every 6 units of the new position, which fills the bar
        // well before the last piece.
        Adjustment,
        // One short piece: the bar jumps to 100 at the end.
        AtEndOnly,
    };

    static constexpr int Start = 1;
    static constexpr int Full = 100;

    explicit ProgressMeter(Rule rule) : rule_(rule) {}

    // A block of `blockSize` bytes was moved; the position is now `newPosition`.
    void BlockMoved(size_t blockSize, size_t newPosition);
    int Value() const { return value_; }

private:
    void Advance(int step);

    Rule rule_;
    int value_ = Start;
    size_t remainder_ = 0;
};
