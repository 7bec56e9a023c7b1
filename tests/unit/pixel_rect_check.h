// Compares two pixel rectangles field by field, so a failure names the edge
// that differs with its expected and actual value.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"

inline void ExpectSameRect(const PixelRect& expected, const PixelRect& got, const std::string& what) {
    EXPECT_EQ(expected.left, got.left) << what << ": left";
    EXPECT_EQ(expected.top, got.top) << what << ": top";
    EXPECT_EQ(expected.right, got.right) << what << ": right";
    EXPECT_EQ(expected.bottom, got.bottom) << what << ": bottom";
}
