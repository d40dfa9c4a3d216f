// Runs a call that must fault and hands back the fault it raised.
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "calc/fault.hpp"

template <typename Call>
std::optional<calc::Fault> fault_from(Call call) {
    try {
        call();
    } catch (const calc::Fault& fault) {
        return fault;
    }
    return std::nullopt;
}

#define EXPECT_FAULT(call, expected_kind, expected_quantity, expected_side) \
    do {                                                                    \
        const auto fault = fault_from([&] { (void)(call); });               \
        ASSERT_TRUE(fault.has_value()) << "no fault from " #call;           \
        EXPECT_EQ(fault->kind(), expected_kind) << #call;                   \
        EXPECT_EQ(fault->quantity(), expected_quantity) << #call;           \
        EXPECT_EQ(fault->side(), expected_side) << #call;                   \
    } while (false)
