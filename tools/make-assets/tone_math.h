// Sine, exponential and noise made from + - * / alone, so the generated
// files come out byte for byte the same whatever the C library.
#pragma once

#include <stdint.h>

const double kPi = 3.14159265358979323846;

double Sine(double x);
double Exp(double x);
// The next value of a 32-bit linear congruential sequence, as -1..1.
double NextNoise(uint32_t& state);
