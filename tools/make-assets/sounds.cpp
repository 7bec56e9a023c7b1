#include "sounds.h"

#include "asset_files.h"
#include "tone_math.h"

static int16_t ToSample(double value) {
    double scaled = value * 32767;
    if (scaled > 32767) scaled = 32767;
    if (scaled < -32767) scaled = -32767;
    return (int16_t)(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
}

static int32_t Samples(double seconds, int32_t capacity) {
    int32_t count = (int32_t)(seconds * kSampleRate);
    return count < capacity ? count : capacity;
}

// A short rise, so no sound starts with a click of its own.
static double Attack(double t, double seconds) { return t < seconds ? t / seconds : 1; }

int32_t MakeStoneClick(int16_t* samples, int32_t capacity) {
    // The hard knock is a few damped partials of the board, the stone's own
    // tick a high one that dies at once, over a breath of noise.
    static const double kPartial[4][3] = {
        // frequency, amplitude, decay per second
        {610, 0.42, 38}, {1340, 0.30, 60}, {2470, 0.22, 95}, {4100, 0.16, 170},
    };
    uint32_t noise = 0x5EED;
    const int32_t count = Samples(0.12, capacity);
    for (int32_t i = 0; i < count; i++) {
        const double t = (double)i / kSampleRate;
        double value = 0;
        for (const auto& p : kPartial) value += p[1] * Exp(-p[2] * t) * Sine(2 * kPi * p[0] * t);
        value += 0.25 * Exp(-600 * t) * NextNoise(noise);
        // The last 10 ms fade out, so the tail does not end on a step.
        const double release = Attack((double)(count - i) / kSampleRate, 0.01);
        samples[i] = ToSample(0.85 * Attack(t, 0.0008) * release * value);
    }
    return count;
}

int32_t MakeClearingSweep(int16_t* samples, int32_t capacity) {
    // A tone gliding down an octave and a half under a soft rush of noise
    // that darkens with it.
    uint32_t noise = 0xC1EA;
    const double seconds = 0.45;
    const int32_t count = Samples(seconds, capacity);
    double phase = 0, smooth = 0;
    for (int32_t i = 0; i < count; i++) {
        const double t = (double)i / kSampleRate;
        const double along = t / seconds;
        const double frequency = 1100 * Exp(-2.08 * along);  // 1100 Hz down to about 137
        phase += 2 * kPi * frequency / kSampleRate;
        const double keep = 0.55 + 0.4 * along;  // the noise filter closes as it goes
        smooth = keep * smooth + (1 - keep) * NextNoise(noise);
        const double envelope = Attack(t, 0.03) * (1 - along) * (1 - along);
        const double value = 0.45 * Sine(phase) + 0.12 * Sine(2 * phase) + 0.9 * smooth;
        samples[i] = ToSample(0.7 * envelope * value);
    }
    return count;
}

int32_t MakeWinPhrase(int16_t* samples, int32_t capacity) {
    // C, E, G and the high C, each a bell that rings on under the next.
    static const double kNote[4][3] = {
        // frequency, start (s), length (s)
        {523.25, 0.00, 0.40}, {659.26, 0.13, 0.40}, {783.99, 0.26, 0.40}, {1046.50, 0.39, 0.70},
    };
    const int32_t count = Samples(1.1, capacity);
    for (int32_t i = 0; i < count; i++) {
        const double t = (double)i / kSampleRate;
        double value = 0;
        for (const auto& n : kNote) {
            const double s = t - n[1];
            if (s < 0 || s > n[2]) continue;
            const double fade = 1 - s / n[2];  // reaches 0 at the note's end
            const double ring = Exp(-5.5 * s) * fade * Attack(s, 0.004);
            const double phase = 2 * kPi * n[0] * s;
            value += ring * (0.55 * Sine(phase) + 0.18 * Sine(2 * phase) + 0.07 * Sine(3 * phase));
        }
        samples[i] = ToSample(0.55 * value);
    }
    return count;
}
