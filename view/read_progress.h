// The pace of the status bar while a scene is read: the reader reports every object ("Lade
// Objekt %ld, Name: %s", "Verschiebe %s"), far more often than a status bar can be repainted.
// The latest text is shown a few times a second, and the window is let paint and answer its
// timers in between, so that a large file shows its count going up and the window never
// stands still for long.
#pragma once

#include <chrono>
#include <string>

class ReadProgressPacer {
  public:
    using Clock = std::chrono::steady_clock;
    // texts at most four times a second; the window gets its turn every 40 ms
    static constexpr std::chrono::milliseconds kShowInterval{250};
    static constexpr std::chrono::milliseconds kBreathInterval{40};

    explicit ReadProgressPacer(Clock::time_point start) : lastShow_(start), lastBreath_(start) {}

    struct Step {
        bool show = false;     // put the text into the status bar now
        bool breathe = false;  // let the window paint and run its timers now
    };
    // a text reported at time now
    Step Report(Clock::time_point now) {
        Step step;
        if (now - lastBreath_ < kBreathInterval)
            return step;
        lastBreath_ = now;
        step.breathe = true;
        if (now - lastShow_ >= kShowInterval) {
            lastShow_ = now;
            step.show = true;
        }
        return step;
    }

  private:
    Clock::time_point lastShow_;
    Clock::time_point lastBreath_;
};
