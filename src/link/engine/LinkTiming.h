#pragma once

#include <cstddef>

// Timer intervals of the link.
constexpr int HandshakeTickMs = 1000;
constexpr int BlockTickMs = 10;
constexpr int TimeOutMs = 5000;
// The settle time between opening the port and the first hello; the driver waits it before Start().
constexpr int PortSettleMs = 1000;
// The fast link's settle time and how often it looks for a complete answer.
constexpr int FastPortSettleMs = 100;
constexpr int FastAnswerPollMs = 10;

// The pace of one transfer. The default one is the protocol's own: the program answers the radio
// on its ticks only. The fast one settles the port briefly and sends each next frame as soon as
// the answer it waits for is complete; silence is still resent on the handshake's ticks and the
// time-outs stay, so a radio that fails does so the same way with either.
struct LinkTiming {
    int settleMs = PortSettleMs;
    // 0: no polling between the ticks.
    int answerPollMs = 0;

    bool Fast() const { return answerPollMs > 0; }
    static LinkTiming For(bool fastLink) { return fastLink ? LinkTiming{FastPortSettleMs, FastAnswerPollMs} : LinkTiming{}; }
};
