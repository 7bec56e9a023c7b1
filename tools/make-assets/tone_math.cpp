#include "tone_math.h"

double Sine(double x) {
    // Fold into -pi..pi, then -pi/2..pi/2 where the series converges fast.
    const double turn = 2 * kPi;
    long long turns = (long long)(x / turn);
    x -= (double)turns * turn;
    if (x > kPi) x -= turn;
    if (x < -kPi) x += turn;
    if (x > kPi / 2) x = kPi - x;
    if (x < -kPi / 2) x = -kPi - x;
    const double x2 = x * x;
    double term = x, sum = x;
    for (int n = 1; n <= 9; n++) {
        term *= -x2 / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

double Exp(double x) {
    // e^x = (e^(x / 2^k))^(2^k), with the small power from its series.
    int halvings = 0;
    while (x > 0.5 || x < -0.5) {
        x /= 2;
        halvings++;
    }
    double term = 1, sum = 1;
    for (int n = 1; n <= 12; n++) {
        term *= x / n;
        sum += term;
    }
    while (halvings-- > 0) sum *= sum;
    return sum;
}

double NextNoise(uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return (double)(state >> 8) / 8388608.0 - 1.0;
}
