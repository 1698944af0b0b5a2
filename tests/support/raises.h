#pragma once
// Whether running something stops it with the program's run-time error of the
// given code, its message naming `detail`.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/runtime_error.h"

namespace kelo::support {

inline ::testing::AssertionResult raises(ErrorCode code, const std::function<void()>& run,
                                         const std::string& detail = "") {
    try {
        run();
    } catch (const RuntimeError& e) {
        if (e.code() == code && std::string(e.what()).find(detail) != std::string::npos)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << e.what();
    }
    return ::testing::AssertionFailure() << "no run-time error: " << detail;
}

}  // namespace kelo::support
