// Shared by the tests of the provision functions, which run with no document.
#pragma once

#include <gtest/gtest.h>

#include <optional>

namespace kordel::test {

/// Expects a value within `tolerance` of `expected`.
inline void ExpectValue(std::optional<double> actual, double expected, double tolerance,
                        const char* what) {
    ASSERT_TRUE(actual.has_value()) << what << ": no value, expected " << expected;
    EXPECT_NEAR(*actual, expected, tolerance)
        << what << ": actual " << *actual << ", expected " << expected;
}

}  // namespace kordel::test
