#include "Expression.h"

#include "controls/grid/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDegree = 0.017453292519943295;

enum class TTokenKind : uint8_t { Number, Operator, Function };

enum TFunction : uint8_t { fnSin = 1, fnCos, fnTan, fnCtg, fnLog, fnLn, fnExp };

struct TToken {
    TTokenKind Kind = TTokenKind::Number;
    double Value = 0;
    char Operator = 0;
    uint8_t Function = 0;
};

[[noreturn]] void Fail(const char* reason) {
    throw TExpressionError(reason);
}

bool IsDigitClass(char c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '.';
}

bool IsOperator(char c) {
    switch (c) {
    case '(':
    case ')':
    case '*':
    case '+':
    case '-':
    case '/':
    case 'E':
    case '^':
    case 'e':
        return true;
    default:
        return false;
    }
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int Priority(char op) {
    switch (op) {
    case '+':
    case '-':
        return 4;
    case '*':
    case '/':
        return 5;
    case '^':
        return 6;
    default: // E, e
        return 7;
    }
}

uint8_t FunctionOfName(const std::string& name) {
    if (name == "SIN")
        return fnSin;
    if (name == "COS")
        return fnCos;
    if (name == "TG" || name == "TAN")
        return fnTan;
    if (name == "CTG")
        return fnCtg;
    if (name == "LOG")
        return fnLog;
    if (name == "LN")
        return fnLn;
    if (name == "EXP")
        return fnExp;
    return 0;
}

double Checked(double value) {
    if (!std::isfinite(value))
        Fail("the result is out of range");
    return value;
}

double Apply(uint8_t function, double x) {
    switch (function) {
    case fnSin:
        return Checked(std::sin(x * kDegree));
    case fnCos:
        return Checked(std::cos(x * kDegree));
    case fnTan:
    case fnCtg: {
        double s = std::sin(x * kDegree), c = std::cos(x * kDegree);
        double divisor = function == fnTan ? c : s;
        if (divisor == 0)
            Fail("division by zero");
        return Checked((function == fnTan ? s : c) / divisor);
    }
    case fnLog:
    case fnLn:
        if (!(x > 0))
            Fail("logarithm of a number that is not positive");
        return Checked(function == fnLog ? std::log(x) / std::log(10.0) : std::log(x));
    default:
        return Checked(std::exp(x));
    }
}

double Apply(char op, double a, double b) {
    switch (op) {
    case '+':
        return Checked(a + b);
    case '-':
        return Checked(a - b);
    case '*':
        return Checked(a * b);
    case '/':
        if (b == 0)
            Fail("division by zero");
        return Checked(a / b);
    case '^': {
        if (a == 0)
            return 0;
        // pow is exact where exp(b ln a) is not (4^0.5, 2^3).
        double magnitude = Checked(std::pow(std::fabs(a), b));
        bool oddInteger = b == std::trunc(b) && std::fmod(b, 2.0) != 0;
        return a < 0 && oddInteger ? -magnitude : magnitude;
    }
    default: // E, e
        return Checked(a * std::pow(10.0, b));
    }
}

class TTokenizer {
public:
    TTokenizer(const std::vector<double>& params, const TNumberLocale& locale) : m_params(params), m_locale(locale) {}

    std::vector<TToken> Run(const std::string& expr) {
        size_t length = std::min(expr.find('\0'), expr.size());
        if (length > kMaxExpressionLength)
            Fail("the expression is too long");
        size_t i = 0;
        while (i < length) {
            char c = expr[i];
            if (IsDigitClass(c)) {
                size_t start = i;
                while (i < length && IsDigitClass(expr[i]))
                    ++i;
                double value = 0;
                if (!ParseReal(expr.substr(start, i - start), m_locale, value))
                    Fail("not a number");
                AppendDigitRun(value);
            } else if (IsOperator(c)) {
                ++i;
                if (c == '(' && LastIs(TTokenKind::Number))
                    AppendOperator('*');
                if (AfterPower() && (c == '+' || c == '-'))
                    m_sign = c == '-' ? -1 : 1;
                else
                    AppendOperator(c);
            } else if (IsLetter(c)) {
                std::string name;
                for (; i < length && IsLetter(expr[i]); ++i)
                    name += static_cast<char>(expr[i] >= 'a' ? expr[i] - 'a' + 'A' : expr[i]);
                if (uint8_t function = FunctionOfName(name)) {
                    TToken t;
                    t.Kind = TTokenKind::Function;
                    t.Function = function;
                    Append(t);
                } else if (name[0] >= 'F') {
                    size_t index = static_cast<size_t>(name[0] - 'F');
                    if (index >= m_params.size())
                        Fail("a variable without a value");
                    if (LastIs(TTokenKind::Number))
                        AppendOperator('*');
                    AppendNumber(m_params[index]);
                }
            } else {
                ++i;
            }
        }
        return std::move(m_tokens);
    }

private:
    bool LastIs(TTokenKind kind) const { return !m_tokens.empty() && m_tokens.back().Kind == kind; }

    bool AfterPower() const {
        if (!LastIs(TTokenKind::Operator))
            return false;
        char op = m_tokens.back().Operator;
        return op == 'E' || op == 'e' || op == '^';
    }

    void Append(const TToken& token) {
        if (m_tokens.size() >= kMaxExpressionTokens)
            Fail("the expression has too many parts");
        m_tokens.push_back(token);
    }

    // The sign typed after E, e or ^ waits, across other tokens, for a digit
    // run right after one of them; a variable never takes it.
    void AppendDigitRun(double value) {
        if (AfterPower()) {
            value *= m_sign;
            m_sign = 1;
        }
        AppendNumber(value);
    }

    void AppendNumber(double value) {
        TToken t;
        t.Value = value;
        Append(t);
    }

    void AppendOperator(char op) {
        TToken t;
        t.Kind = TTokenKind::Operator;
        t.Operator = op;
        Append(t);
    }

    const std::vector<double>& m_params;
    const TNumberLocale& m_locale;
    std::vector<TToken> m_tokens;
    double m_sign = 1;
};

// Tokens [begin, end) hold no parentheses.
double EvaluateSpan(const std::vector<TToken>& tokens, size_t begin, size_t end) {
    std::vector<TToken> postfix;
    std::vector<TToken> operators;
    for (size_t k = begin; k < end; ++k) {
        const TToken& t = tokens[k];
        switch (t.Kind) {
        case TTokenKind::Number:
            postfix.push_back(t);
            break;
        case TTokenKind::Function:
            if (k + 1 >= end || tokens[k + 1].Kind != TTokenKind::Number)
                Fail("a function without an argument");
            postfix.push_back(tokens[++k]);
            postfix.push_back(t);
            break;
        case TTokenKind::Operator:
            while (!operators.empty() && Priority(operators.back().Operator) >= Priority(t.Operator)) {
                postfix.push_back(operators.back());
                operators.pop_back();
            }
            operators.push_back(t);
            break;
        }
    }
    for (auto it = operators.rbegin(); it != operators.rend(); ++it)
        postfix.push_back(*it);

    // The 0 at the bottom is the missing left operand of a leading sign.
    std::vector<double> stack{0.0};
    for (const TToken& t : postfix) {
        if (t.Kind == TTokenKind::Number) {
            stack.push_back(t.Value);
        } else if (t.Kind == TTokenKind::Function) {
            stack.back() = Apply(t.Function, stack.back());
        } else {
            if (stack.size() < 2)
                Fail("an operator without operands");
            double b = stack.back();
            stack.pop_back();
            stack.back() = Apply(t.Operator, stack.back(), b);
        }
    }
    return stack.back();
}

bool IsParenthesis(const TToken& t, char which) {
    return t.Kind == TTokenKind::Operator && t.Operator == which;
}

double Evaluate(const std::string& expr, const std::vector<double>& params, const TNumberLocale& locale) {
    std::vector<TToken> tokens = TTokenizer(params, locale).Run(expr);
    int depth = 0;
    for (const TToken& t : tokens) {
        depth += IsParenthesis(t, '(') - IsParenthesis(t, ')');
        if (depth < 0)
            break;
    }
    if (depth != 0)
        Fail("unbalanced parentheses");

    // Innermost first: each pair becomes the number it holds.
    for (;;) {
        size_t open = 0, close = 0;
        for (size_t k = 0; k < tokens.size() && close == 0; ++k) {
            if (IsParenthesis(tokens[k], '('))
                open = k;
            else if (IsParenthesis(tokens[k], ')'))
                close = k;
        }
        if (close == 0)
            break;
        TToken value;
        value.Value = EvaluateSpan(tokens, open + 1, close);
        tokens.erase(tokens.begin() + open + 1, tokens.begin() + close + 1);
        tokens[open] = value;
    }
    return Checked(EvaluateSpan(tokens, 0, tokens.size()));
}

} // namespace

double EvaluateExpression(const std::string& expr, const std::vector<double>& params, const TNumberLocale& locale) {
    return Evaluate(expr, params, locale);
}

bool TryEvaluateExpression(const std::string& expr, const std::vector<double>& params, const TNumberLocale& locale,
                           double& value, std::string& error) {
    try {
        value = Evaluate(expr, params, locale);
        return true;
    } catch (const TExpressionError& e) {
        error = e.what();
        return false;
    }
}
