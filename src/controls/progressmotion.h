#pragma once

namespace somnar {

// Where the sliding block of the progress strip stands, in twips. Each tick moves it 90 twips
// to the right; past 1699 the strip is wiped and the block starts again at 30.
class ProgressMotion {
public:
    static constexpr int kStep = 90;
    static constexpr int kLastPosition = 1699;
    static constexpr int kRestartPosition = 30;

    int position() const { return m_position; }
    // Advances one tick; returns true when the strip must be wiped first.
    bool tick();

private:
    int m_position = 0;
};

}
