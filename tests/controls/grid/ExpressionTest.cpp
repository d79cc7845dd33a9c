#include "controls/grid/Expression.h"
#include "support/NumberLocales.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TExprCase {
    std::string Text;
    double Expected;
    TNumberLocale Locale = kPoint;
    std::vector<double> Params = {};
};

std::ostream& operator<<(std::ostream& out, const TExprCase& c) {
    return out << '"' << c.Text << '"';
}

class ExpressionValue : public testing::TestWithParam<TExprCase> {};

TEST_P(ExpressionValue, Evaluates) {
    const TExprCase& c = GetParam();
    double value = EvaluateExpression(c.Text, c.Params, c.Locale);
    EXPECT_NEAR(value, c.Expected, 1e-12 * std::max(1.0, std::fabs(c.Expected)));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExpressionValue,
                         testing::Values(TExprCase{"2*3+1", 7}, TExprCase{"2+3*4", 14}, TExprCase{"(2+3)*4", 20},
                                         TExprCase{"2^3^2", 64}, TExprCase{"1,5", 1.5, kComma}, TExprCase{"1.5E2", 150},
                                         TExprCase{"SIN(30)", 0.5}, TExprCase{"LOG 1000", 3}, TExprCase{"-(2+3)", -5},
                                         TExprCase{"2*(-3)", -6}, TExprCase{"(-2)^3", -8}, TExprCase{"(-2)^2", 4},
                                         TExprCase{"4^0.5", 2}, TExprCase{"(-8)^(1/3)", 2}, TExprCase{"3(2)", 6},
                                         TExprCase{"3 2", 2}, TExprCase{"2*-3", -3}, TExprCase{"", 0}));

INSTANTIATE_TEST_SUITE_P(
    Rules, ExpressionValue,
    testing::Values(TExprCase{"   ", 0}, TExprCase{"2(3+4)", 14}, TExprCase{"1E-3", 0.001}, TExprCase{"1e+3", 1000},
                    TExprCase{"2^-1", 0.5}, TExprCase{"-5", -5}, TExprCase{"+5", 5}, TExprCase{"-2^2", -4},
                    TExprCase{"2^3*2", 16}, TExprCase{"8/2/2", 2}, TExprCase{"8-2-2", 4}, TExprCase{"2*1E2", 200},
                    TExprCase{"0^-1", 0}, TExprCase{"5+", 5}, TExprCase{"*5", 0}, TExprCase{"()", 0},
                    TExprCase{"((1+2)*(3+4))", 21}, TExprCase{"sin(30)", 0.5}, TExprCase{"TG(45)", 1},
                    TExprCase{"TAN(45)", 1}, TExprCase{"CTG(90)", 0}, TExprCase{"COS 60", 0.5}, TExprCase{"LN 1", 0},
                    TExprCase{"2*SIN 30+1", 2}, TExprCase{"abc", 0}, TExprCase{"1.5", 1.5}, TExprCase{"2^-(1)", 2},
                    TExprCase{"2^-", 0}, TExprCase{"2^-(3)+2^4", 8.0625}, TExprCase{"1E-SIN 30", std::pow(10.0, 0.5)},
                    TExprCase{"2^+-1", 0.5}, TExprCase{"2^-+1", 2}, TExprCase{std::string("2\0+3", 4), 2},
                    TExprCase{"7/2", 3.5}, TExprCase{"1,5*2", 3, kComma}));

INSTANTIATE_TEST_SUITE_P(Variables, ExpressionValue,
                         testing::Values(TExprCase{"2F", 10, kPoint, {5}}, TExprCase{"F+G", 3, kPoint, {1, 2}},
                                         TExprCase{"f*g", 2, kPoint, {1, 2}}, TExprCase{"FG", 7, kPoint, {7, 9}},
                                         TExprCase{"2^-F", 8, kPoint, {3}}, TExprCase{"2^-F+2^2", 8.25, kPoint, {3}},
                                         TExprCase{"Z", 21, kPoint, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                                                     12, 13, 14, 15, 16, 17, 18, 19, 20, 21}}));

TEST(ExpressionValue, TangentOfRightAngleIsHuge) {
    EXPECT_GT(std::fabs(EvaluateExpression("TAN(90)")), 1e15);
}

TEST(ExpressionValue, ExactWherePowersAreExact) {
    EXPECT_EQ(EvaluateExpression("1.5E2"), 150.0);
    EXPECT_EQ(EvaluateExpression("4^0.5"), 2.0);
    EXPECT_EQ(EvaluateExpression("2^10"), 1024.0);
}

TEST(ExpressionValue, LimitsAreInclusive) {
    EXPECT_EQ(EvaluateExpression(std::string(1023, ' ') + "5"), 5);
    std::string sum = "1";
    for (int i = 1; i < 128; ++i)
        sum += "+1"; // 255 tokens
    EXPECT_EQ(EvaluateExpression(sum), 128);
    EXPECT_EQ(EvaluateExpression(std::string(127, '(') + "1" + std::string(127, ')')), 1);
}

struct TFailCase {
    std::string Text;
    TNumberLocale Locale = kPoint;
    std::vector<double> Params = {};
};

std::ostream& operator<<(std::ostream& out, const TFailCase& c) {
    return out << '"' << c.Text.substr(0, 40) << '"';
}

class ExpressionFailure : public testing::TestWithParam<TFailCase> {};

TEST_P(ExpressionFailure, Throws) {
    const TFailCase& c = GetParam();
    EXPECT_THROW(EvaluateExpression(c.Text, c.Params, c.Locale), TExpressionError);
    double value = -1;
    std::string error;
    EXPECT_FALSE(TryEvaluateExpression(c.Text, c.Params, c.Locale, value, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(value, -1);
}

std::string Repeated(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

INSTANTIATE_TEST_SUITE_P(BadNumbers, ExpressionFailure,
                         testing::Values(TFailCase{"1.2.3"}, TFailCase{"1,5"}, TFailCase{"1.5", kComma}, TFailCase{","},
                                         TFailCase{"."}, TFailCase{"1" + std::string(400, '0')}));

INSTANTIATE_TEST_SUITE_P(Arithmetic, ExpressionFailure,
                         testing::Values(TFailCase{"1/0"}, TFailCase{"1/(2-2)"}, TFailCase{"LOG 0"},
                                         TFailCase{"LN(-1)"}, TFailCase{"CTG(0)"}, TFailCase{"1E400"},
                                         TFailCase{"10^400"}, TFailCase{"0E400"}, TFailCase{"F", kPoint, {NAN}},
                                         TFailCase{"F*2", kPoint, {1e308}}));

INSTANTIATE_TEST_SUITE_P(Structure, ExpressionFailure,
                         testing::Values(TFailCase{"("}, TFailCase{")"}, TFailCase{"(1+2"}, TFailCase{"1+2)"},
                                         TFailCase{")("}, TFailCase{"+"}, TFailCase{"*"}, TFailCase{"1+(*)"},
                                         TFailCase{"SIN"}, TFailCase{"SIN-30"}, TFailCase{"SIN COS 60"}));

INSTANTIATE_TEST_SUITE_P(Variables, ExpressionFailure,
                         testing::Values(TFailCase{"X"}, TFailCase{"2F"}, TFailCase{"G", kPoint, {1}},
                                         TFailCase{"EXP(1)"}));

INSTANTIATE_TEST_SUITE_P(Room, ExpressionFailure,
                         testing::Values(TFailCase{std::string(1024, ' ') + "5"}, TFailCase{"1" + Repeated("+1", 128)},
                                         TFailCase{std::string(128, '(') + "1" + std::string(128, ')')}));

} // namespace
