#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc/calc.hpp"

namespace {

using calc::Fault;
using calc::FaultKind;

FaultKind fault_of(std::string_view text) {
    try {
        calc::to_number(text);
    } catch (const Fault& fault) {
        return fault.kind();
    }
    ADD_FAILURE() << "no fault for \"" << text << "\"";
    return FaultKind::InvalidOperation;
}

struct Reading {
    const char* text;
    double value;
};

TEST(ToNumber, ReadsDecimalForms) {
    const Reading readings[] = {
        {"20", 20.0},     {"-3.5", -3.5},
        {".5", 0.5},      {"5.", 5.0},
        {"1e3", 1000.0},  {"2.5E-4", 2.5e-4},
        {" 7 ", 7.0},     {"\t7\t", 7.0},
        {"+4", 4.0},      {"0", 0.0},
        {"1e+2", 100.0},  {"007.50", 7.5},
        {"20.1", 20.1},   {"0.000801", 0.000801},
        {"1e-400", 0.0},  // below the Double range: underflow reads as zero, not a fault
        {"0e99999", 0.0}, {"1.7976931348623157e308", 1.7976931348623157e308},
    };
    for (const auto& [text, value] : readings) {
        EXPECT_EQ(calc::to_number(text), value) << '"' << text << '"';
    }
}

TEST(ToNumber, ReadsFullWidthFormsAsTheirAsciiTwins) {
    const Reading readings[] = {
        {"２０．１", 20.1},
        {"20。5", 20.5},
        {"－３", -3.0},
        {"＋３", 3.0},
        {"１ｅ３", 1000.0},
        {"２Ｅ－２", 0.02},
        {"\u3000"
         "7\u3000",
         7.0},
        {"０１２３４５６７８９", 123456789.0},
        {" \u3000\t1.5 \u3000", 1.5},
    };
    for (const auto& [text, value] : readings) {
        EXPECT_EQ(calc::to_number(text), value) << '"' << text << '"';
    }
}

TEST(ToNumber, NegativeZeroIsKeptAsAValue) {
    EXPECT_TRUE(std::signbit(calc::to_number("-0")));
    EXPECT_TRUE(std::signbit(calc::to_number("-1e-400")));
}

TEST(ToNumber, BlankTextIsEmpty) {
    for (const char* text : {"", " ", "\t", "\u3000", "  \u3000\t "}) {
        EXPECT_EQ(fault_of(text), FaultKind::Empty) << '"' << text << '"';
    }
}

TEST(ToNumber, RejectsWhatIsNotANumber) {
    for (const char* text :
         {"abc",    "12abc",    "1,5", "1 2",  "0x10",    "inf", "nan",      "--1",   "+-1",
          "-",      "+",        ".",   "e5",   "1e",      "1e+", "1..2",     "1.2.3", "1e2.5",
          "１，５", "infinity", "NaN", "1e 3", "\u00a07", "٣",   "1\u30002", "。",    "１ ２"}) {
        EXPECT_EQ(fault_of(text), FaultKind::NotANumber) << '"' << text << '"';
    }
}

TEST(ToNumber, BeyondTheDoubleRangeIsOverflow) {
    for (const char* text : {"1e400", "-1e400", "1e99999999999999999999", "2e308"}) {
        EXPECT_EQ(fault_of(text), FaultKind::Overflow) << '"' << text << '"';
    }
}

TEST(ToSingle, RoundsToNearestAndOverflowsBeyondItsRange) {
    EXPECT_EQ(calc::to_single(20.1), 20.1000003814697265625f);
    EXPECT_EQ(calc::to_single(3.4028234663852886e38), 3.4028234663852886e38f);
    try {
        calc::to_single(calc::to_number("1e39"));
        FAIL() << "1e39 fits no Single";
    } catch (const Fault& fault) {
        EXPECT_EQ(fault.kind(), FaultKind::Overflow);
    }
    EXPECT_THROW(calc::to_single(-1e39), Fault);
    EXPECT_EQ(calc::to_single(1e-50), 0.0f);  // underflow is not a fault
}

TEST(ToText, ShortestTextThatReadsBackAsTheSameValue) {
    EXPECT_EQ(calc::to_text(2006.8310546875f), "2006.831");
    EXPECT_EQ(calc::to_text(2.08591175079345703125f), "2.0859118");
    EXPECT_EQ(calc::to_text(166960.0f), "166960");
    EXPECT_EQ(calc::to_text(25.15000057220458984375), "25.15000057220459");
    EXPECT_EQ(calc::to_text(30.0), "30");
    EXPECT_EQ(calc::to_text(22.75), "22.75");
    EXPECT_EQ(calc::to_text(-250440.0f), "-250440");
    EXPECT_EQ(calc::to_text(1e20), "1e+20");
    EXPECT_EQ(calc::to_text(0.1f), "0.1");  // from its 4 bytes, not widened
    EXPECT_EQ(calc::to_text(static_cast<double>(0.1f)), "0.10000000149011612");
    EXPECT_EQ(calc::to_text(-0.0f), "0");
    EXPECT_EQ(calc::to_text(-0.0), "0");
}

// Rounded by hand to 5 significant digits.
TEST(ToDecimalText, SignificantDigitsWithoutAnExponent) {
    const std::pair<double, const char*> shown[] = {
        {0.614342010, "0.61434"},
        {995.608883, "995.61"},
        {4180.28369, "4180.3"},
        {7.97223665e-4, "0.00079722"},
        {6.57968234e-5, "0.000065797"},
        {10101.9767, "10102"},
        {9.999996, "10.000"},
        {123456.0, "123460"},
        {-0.0123456, "-0.012346"},
        {0.0, "0.0000"},
        {1.0, "1.0000"},
        {0.000012345, "0.000012345"},
    };
    for (const auto& [value, text] : shown) EXPECT_EQ(calc::to_decimal_text(value, 5), text);
    EXPECT_THROW(calc::to_decimal_text(std::numeric_limits<double>::infinity(), 5), Fault);
}

TEST(ToText, RefusesToShowWhatIsNotAFiniteNumber) {
    EXPECT_THROW(calc::to_text(std::numeric_limits<float>::quiet_NaN()), Fault);
    EXPECT_THROW(calc::to_text(std::numeric_limits<double>::infinity()), Fault);
}

TEST(Conversion, EveryShownValueReadsBack) {
    for (double value : {3873.165, 25.15000057220458984375, 1e-300, 6047.171, -1e20}) {
        EXPECT_EQ(calc::to_number(calc::to_text(value)), value);
    }
    for (float value : {2006.8310546875f, 2.08591175079345703125f, 1e-40f, 3.4e38f}) {
        EXPECT_EQ(calc::to_single(calc::to_number(calc::to_text(value))), value);
    }
}

}  // namespace
