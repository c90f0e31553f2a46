#include "formula.h"

#include <charconv>
#include <cstring>
#include <optional>

#include "messages.h"
#include "numbertext.h"

namespace {

// --- Tokens ------------------------------------------------------------------

enum class Kind { number, name, plus, minus, times, power, open, close, end, bad };

struct Token {
    Kind kind;
    std::size_t begin, end;  // bytes of the line
};

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool isLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

// The end of the number that starts at pos, as a box reads it without its
// sign: digits with at most one point, at least one digit, and an exponent
// only with a digit after it ("2e^(x)" is 2･e^(x)). pos when there is none.
std::size_t numberEnd(std::string_view s, std::size_t pos) {
    std::size_t p = pos, digits = 0;
    while (p < s.size() && isDigit(s[p])) ++p, ++digits;
    if (p < s.size() && s[p] == '.') {
        ++p;
        while (p < s.size() && isDigit(s[p])) ++p, ++digits;
    }
    if (digits == 0) return pos;
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
        std::size_t q = p + 1;
        if (q < s.size() && (s[q] == '+' || s[q] == '-')) ++q;
        if (q < s.size() && isDigit(s[q])) {
            while (q < s.size() && isDigit(s[q])) ++q;
            p = q;
        }
    }
    return p;
}

// The bytes of the UTF-8 character at pos (1 for a byte that begins none).
std::size_t characterLength(std::string_view s, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    std::size_t length = lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length > s.size() - pos) length = 1;
    return length;
}

constexpr std::string_view halfWidthDot = "\xEF\xBD\xA5";  // ･ U+FF65, as in the term texts
constexpr std::string_view middleDot = "\xC2\xB7";         // · U+00B7

std::vector<Token> tokenize(std::string_view s) {
    std::vector<Token> tokens;
    std::size_t p = 0;
    auto add = [&](Kind kind, std::size_t length) {
        tokens.push_back({kind, p, p + length});
        p += length;
    };
    while (p < s.size()) {
        const char ch = s[p];
        if (ch == ' ' || ch == '\t') {
            ++p;
        } else if (isDigit(ch) || ch == '.') {
            const std::size_t end = numberEnd(s, p);
            add(end > p ? Kind::number : Kind::bad, end > p ? end - p : 1);
        } else if (isLetter(ch)) {
            std::size_t end = p;
            while (end < s.size() && isLetter(s[end])) ++end;
            add(Kind::name, end - p);
        } else if (ch == '+') {
            add(Kind::plus, 1);
        } else if (ch == '-') {
            add(Kind::minus, 1);
        } else if (ch == '(') {
            add(Kind::open, 1);
        } else if (ch == ')') {
            add(Kind::close, 1);
        } else if (ch == '^') {
            add(Kind::power, 1);
        } else if (ch == '*') {
            const bool twice = p + 1 < s.size() && s[p + 1] == '*';
            add(twice ? Kind::power : Kind::times, twice ? 2 : 1);
        } else if (s.substr(p, halfWidthDot.size()) == halfWidthDot) {
            add(Kind::times, halfWidthDot.size());
        } else if (s.substr(p, middleDot.size()) == middleDot) {
            add(Kind::times, middleDot.size());
        } else {
            add(Kind::bad, characterLength(s, p));
        }
    }
    tokens.push_back({Kind::end, s.size(), s.size()});
    return tokens;
}

enum class Name { unknown, x, e, exp, log, sin, cos };

Name nameOf(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    }
    if (lower == "x") return Name::x;
    if (lower == "e") return Name::e;
    if (lower == "exp") return Name::exp;
    if (lower == "ln" || lower == "log") return Name::log;
    if (lower == "sin") return Name::sin;
    if (lower == "cos") return Name::cos;
    return Name::unknown;
}

// --- Reading -----------------------------------------------------------------

// The first fault ends the reading; it travels up as this.
struct Stop {
    FormulaError error;
};

// b･x^n + c as written inside a bracket, as box texts.
struct Inner {
    std::string b, n, c;
};

// One factor of a product: a number, x with its power, or a function or
// power of a base with what its bracket holds.
struct Factor {
    enum Kind { number, power, call } kind;
    std::size_t token;  // its first token
    std::string text;   // the number, or the power of x
    Shape shape = Shape::power;
    std::string base;  // m of a base other than e
    Inner inner;
};

// The box text of a coefficient or constant: the sign written before it
// joined to the number; a plus adds nothing, since the term text puts one
// where it belongs.
std::string signedText(bool negative, std::string_view number) {
    return (negative ? "-" : "") + std::string(number);
}

class Reader {
public:
    explicit Reader(std::string_view text) : text(text), tokens(tokenize(text)) {}

    FormulaRead read() {
        FormulaRead result;
        try {
            readTerms(result.terms);
        } catch (const Stop& stop) {
            result.terms.clear();
            result.error = stop.error;
        }
        return result;
    }

private:
    std::string_view text;
    std::vector<Token> tokens;
    std::size_t at = 0;

    const Token& peek() const { return tokens[at]; }
    bool peekIs(Kind kind) const { return tokens[at].kind == kind; }
    bool peekIsSign() const { return peekIs(Kind::plus) || peekIs(Kind::minus); }
    void advance() {
        if (tokens[at].kind != Kind::end) ++at;
    }
    std::string_view textOf(const Token& t) const { return text.substr(t.begin, t.end - t.begin); }
    std::string_view between(std::size_t begin, std::size_t end) const {
        return end > begin ? text.substr(begin, end - begin) : std::string_view();
    }

    [[noreturn]] void fail(FormulaFault fault, std::size_t position, std::string_view piece) const {
        throw Stop{{fault, position, std::string(piece)}};
    }
    [[noreturn]] void failAt(FormulaFault fault, const Token& t) const { fail(fault, t.begin, textOf(t)); }

    // The text of a term or an exponent from its first token: up to the
    // sign that begins the next term, a closing bracket it did not open, or
    // the end of the line.
    std::string_view pieceFrom(std::size_t first) const {
        int depth = 0;
        std::size_t j = first;
        for (; tokens[j].kind != Kind::end; ++j) {
            const Kind kind = tokens[j].kind;
            if (kind == Kind::open) {
                ++depth;
            } else if (kind == Kind::close) {
                if (depth == 0) break;
                --depth;
            } else if ((kind == Kind::plus || kind == Kind::minus) && depth == 0 && j > first) {
                const Kind before = tokens[j - 1].kind;
                if (before != Kind::power && before != Kind::times && before != Kind::open) break;
            }
        }
        if (j == first) return textOf(tokens[first]);
        return between(tokens[first].begin, tokens[j - 1].end);
    }

    // What a bracket holds, up to its closing bracket or the end of the line.
    std::string_view insideOf(std::size_t open) const {
        int depth = 0;
        std::size_t j = open + 1;
        for (; tokens[j].kind != Kind::end; ++j) {
            if (tokens[j].kind == Kind::open) ++depth;
            if (tokens[j].kind == Kind::close && depth-- == 0) break;
        }
        return between(tokens[open].end, tokens[j].begin);
    }

    // Where the last token of the line ends.
    std::size_t lastEnd() const { return tokens.size() > 1 ? tokens[tokens.size() - 2].end : 0; }

    // A second sign straight after the first.
    void refuseSecondSign(const Token& first) const {
        if (peekIsSign()) fail(FormulaFault::twoSigns, peek().begin, between(first.begin, peek().end));
    }

    void readTerms(std::vector<FormulaTerm>& terms) {
        if (peekIs(Kind::end)) return;
        for (;;) {
            const std::size_t begin = peek().begin;
            const bool negative = readSign();
            FormulaTerm written;
            written.begin = begin;
            const std::size_t first = at;
            written.term.shape = readTerm(negative, first, written.term.typed);
            written.end = tokens[at - 1].end;
            check(written, first, static_cast<int>(terms.size()));
            terms.push_back(written);

            if (peekIsSign()) continue;
            if (peekIs(Kind::end)) return;
            if (peekIs(Kind::close)) failAt(FormulaFault::bracketNotOpened, peek());
            if (peekIs(Kind::bad)) failAt(FormulaFault::unexpectedCharacter, peek());
            fail(FormulaFault::unsupportedTerm, peek().begin, pieceFrom(first));
        }
    }

    // The checks of 追加, with the table holding the terms before this one.
    void check(FormulaTerm& written, std::size_t first, int count) const {
        const std::string_view piece = pieceFrom(first);
        const char* refusal = termRefusal(static_cast<int>(written.term.shape), written.term.typed, count);
        auto is = [refusal](const char* message) { return refusal && std::strcmp(refusal, message) == 0; };
        if (is(messages::tooManyTerms)) fail(FormulaFault::tooManyTerms, written.begin, piece);
        if (is(messages::numberTooLarge)) fail(FormulaFault::numberTooLarge, written.begin, piece);
        // The boxes are always filled and the shape chosen: nothing else refuses.
        if (refusal) fail(FormulaFault::unsupportedTerm, written.begin, piece);
        written.term = termFrom(written.term.shape, written.term.typed);
    }

    // A product of factors: at most one number (the coefficient) and one
    // factor with x or a function. Juxtaposition multiplies only after the
    // coefficient ("3x", "2sin(x)"); anything else takes "*", "･" or "·".
    Shape readTerm(bool negative, std::size_t first, TermBoxes& boxes) {
        std::vector<Factor> factors;
        for (;;) {
            factors.push_back(readFactor());
            if (peekIs(Kind::times)) {
                advance();
                continue;
            }
            if (peekIs(Kind::number) || peekIs(Kind::name) || peekIs(Kind::open)) {
                if (factors.back().kind != Factor::number || peekIs(Kind::number))
                    fail(FormulaFault::unsupportedTerm, peek().begin, pieceFrom(first));
                continue;
            }
            if (peekIs(Kind::power)) fail(FormulaFault::unsupportedTerm, peek().begin, pieceFrom(first));
            break;
        }
        const Factor* number = nullptr;
        const Factor* body = nullptr;
        for (const Factor& f : factors) {
            const Factor*& slot = f.kind == Factor::number ? number : body;
            if (slot) fail(FormulaFault::unsupportedTerm, tokens[f.token].begin, pieceFrom(first));
            slot = &f;
        }
        const std::string coefficient =
            number ? signedText(negative, number->text) : std::string(negative ? "-1" : "1");
        if (!body) {
            boxes.k = coefficient;
            return Shape::constant;
        }
        if (body->kind == Factor::power) {
            boxes.b = coefficient;
            boxes.n = body->text;
            return Shape::power;
        }
        boxes.a = coefficient;
        boxes.b = body->inner.b;
        boxes.n = body->inner.n;
        boxes.c = body->inner.c;
        if (body->shape == Shape::base) {
            const Token& base = tokens[body->token];
            if (!(toSingle(readNumber(body->base)) > 0)) failAt(FormulaFault::baseNotPositive, base);
            boxes.m = body->base;
        }
        return body->shape;
    }

    Factor readFactor() {
        const std::size_t first = at;
        const Token t = peek();
        switch (t.kind) {
            case Kind::number: {
                advance();
                if (!peekIs(Kind::power)) return {Factor::number, first, std::string(textOf(t)), Shape::constant, {}, {}};
                advance();
                Factor f{Factor::call, first, {}, Shape::base, std::string(textOf(t)), readExponentOfBase()};
                return f;
            }
            case Kind::name: return readNamed(first);
            case Kind::open: fail(FormulaFault::unsupportedTerm, t.begin, pieceFrom(first));
            case Kind::plus:
            case Kind::minus:
                if (first > 0 && (tokens[first - 1].kind == Kind::plus || tokens[first - 1].kind == Kind::minus))
                    fail(FormulaFault::twoSigns, t.begin, between(tokens[first - 1].begin, t.end));
                failAt(FormulaFault::termExpected, t);
            case Kind::end: fail(FormulaFault::unexpectedEnd, t.begin, {});
            case Kind::bad: failAt(FormulaFault::unexpectedCharacter, t);
            default: failAt(FormulaFault::termExpected, t);
        }
    }

    Factor readNamed(std::size_t first) {
        const Token t = peek();
        const Name name = nameOf(textOf(t));
        advance();
        switch (name) {
            case Name::x: return {Factor::power, first, readPowerOfX(), Shape::power, {}, {}};
            case Name::e:
                // e by itself is no term of ours: only its powers are.
                if (!peekIs(Kind::power)) fail(FormulaFault::unsupportedTerm, t.begin, pieceFrom(first));
                advance();
                return {Factor::call, first, {}, Shape::exp, {}, readExponentOfBase()};
            case Name::unknown: failAt(FormulaFault::unknownName, t);
            default: break;
        }
        if (!peekIs(Kind::open)) fail(FormulaFault::bracketNeeded, peek().begin, textOf(t));
        const Shape shape = name == Name::exp   ? Shape::exp
                            : name == Name::log ? Shape::log
                            : name == Name::sin ? Shape::sin
                                                : Shape::cos;
        return {Factor::call, first, {}, shape, {}, readBracket(first)};
    }

    // The power of x, after the x: none ("1"), or a number, signed or not,
    // in brackets or not: x^2, x^-1, x^(0.5), x**2.
    std::string readPowerOfX() {
        if (!peekIs(Kind::power)) return "1";
        advance();
        const std::size_t first = at;
        auto notNumber = [&] {
            if (peekIs(Kind::end)) fail(FormulaFault::unexpectedEnd, peek().begin, {});
            fail(FormulaFault::exponentNotNumber, peek().begin, pieceFrom(first));
        };
        const bool bracketed = peekIs(Kind::open);
        if (bracketed) advance();
        std::string exponent;
        if (peekIsSign()) {
            exponent = textOf(peek());
            advance();
        }
        if (!peekIs(Kind::number)) notNumber();
        exponent += textOf(peek());
        advance();
        if (bracketed) {
            if (peekIs(Kind::end))
                fail(FormulaFault::bracketNotClosed, tokens[first].begin, between(tokens[first].begin, lastEnd()));
            if (!peekIs(Kind::close)) notNumber();
            advance();
        }
        // x^2^3 would need a number computed.
        if (peekIs(Kind::power)) fail(FormulaFault::exponentNotNumber, peek().begin, pieceFrom(first));
        return exponent;
    }

    // The exponent of e or of a number m: a bracket, or one plain x-power
    // or number (e^x, e^-x, 2^x^2, e^3), which must not run on into another
    // factor (e^2x).
    Inner readExponentOfBase() {
        const std::size_t first = at;
        if (peekIs(Kind::open)) return readBracket(first);
        bool negative = false;
        if (peekIsSign()) {
            negative = peekIs(Kind::minus);
            advance();
        }
        Inner inner;
        if (peekIs(Kind::number)) {
            inner = {"0", "1", signedText(negative, textOf(peek()))};
            advance();
        } else if (peekIs(Kind::name) && nameOf(textOf(peek())) == Name::x) {
            advance();
            inner = {negative ? "-1" : "1", readPowerOfX(), ""};
        } else if (peekIs(Kind::end)) {
            fail(FormulaFault::unexpectedEnd, peek().begin, {});
        } else {
            fail(FormulaFault::exponentNeedsBrackets, peek().begin, pieceFrom(first));
        }
        if (peekIs(Kind::number) || peekIs(Kind::name) || peekIs(Kind::open) || peekIs(Kind::power))
            fail(FormulaFault::exponentNeedsBrackets, peek().begin, pieceFrom(first));
        return inner;
    }

    // A sign before a term, and whether it is a minus; a second sign after it is refused.
    bool readSign() {
        if (!peekIsSign()) return false;
        const Token sign = peek();
        advance();
        refuseSecondSign(sign);
        return sign.kind == Kind::minus;
    }

    // A bracket being read: owner is the first token of its function or
    // base, open its opening bracket; its faults name one or the other.
    struct Bracket {
        std::size_t owner, open;
    };
    [[noreturn]] void failNotLinear(const Bracket& bracket, const Token& t) const {
        fail(FormulaFault::insideNotLinear, t.begin, insideOf(bracket.open));
    }
    [[noreturn]] void failNotClosed(const Bracket& bracket) const {
        fail(FormulaFault::bracketNotClosed, tokens[bracket.open].begin,
             between(tokens[bracket.owner].begin, lastEnd()));
    }

    // One part of what a bracket holds, its sign aside: a number, x with
    // its power, or both.
    struct BracketPart {
        std::optional<std::string> number;
        bool hasX = false;
        std::string power;
    };

    // "(" b･x^n + c ")" in any order and any natural form: 2x+1, x^2, -x,
    // x - 3, 1 + 2x, 3. owner is the first token of the function or base.
    Inner readBracket(std::size_t owner) {
        const Bracket bracket{owner, at};
        advance();
        std::optional<std::string> b, n, c;
        for (;;) {
            const bool negative = readSign();
            const Token start = peek();
            const BracketPart part = readBracketPart(bracket);
            if (part.hasX) {
                if (b) failNotLinear(bracket, start);
                b = part.number ? signedText(negative, *part.number) : std::string(negative ? "-1" : "1");
                n = part.power;
            } else {
                if (c) failNotLinear(bracket, start);
                c = signedText(negative, *part.number);
            }
            if (peekIsSign()) continue;
            if (peekIs(Kind::close)) {
                advance();
                break;
            }
            if (peekIs(Kind::end)) failNotClosed(bracket);
            failAt(FormulaFault::unexpectedCharacter, peek());
        }
        // No x: a bracket of a constant, which b = 0 keeps whatever x is.
        return {b.value_or("0"), n.value_or("1"), c.value_or("")};
    }

    // A number, x with its power, or both, which the next sign, the closing
    // bracket or the end of the line must follow.
    BracketPart readBracketPart(const Bracket& bracket) {
        BracketPart part;
        if (peekIs(Kind::number)) part.number = readBracketCoefficient(bracket);
        if (peekIs(Kind::name)) readBracketX(bracket, part);
        if (!part.number && !part.hasX) {
            if (peekIs(Kind::end)) failNotClosed(bracket);
            if (peekIs(Kind::bad)) failAt(FormulaFault::unexpectedCharacter, peek());
            if (peekIs(Kind::open)) failNotLinear(bracket, peek());
            failAt(FormulaFault::termExpected, peek());
        }
        if (peekIs(Kind::number) || peekIs(Kind::name) || peekIs(Kind::open) || peekIs(Kind::power) ||
            peekIs(Kind::times))
            failNotLinear(bracket, peek());
        return part;
    }

    // A number in a bracket; a "*" after it must lead on to x.
    std::string readBracketCoefficient(const Bracket& bracket) {
        std::string number(textOf(peek()));
        advance();
        if (peekIs(Kind::times)) {
            advance();
            if (!(peekIs(Kind::name) && nameOf(textOf(peek())) == Name::x)) {
                if (peekIs(Kind::end)) failNotClosed(bracket);
                failNotLinear(bracket, peek());
            }
        }
        if (peekIs(Kind::power)) failNotLinear(bracket, peek());
        return number;
    }

    // x in a bracket with its power, and a coefficient behind it if none
    // came before.
    void readBracketX(const Bracket& bracket, BracketPart& part) {
        const Name name = nameOf(textOf(peek()));
        if (name == Name::unknown) failAt(FormulaFault::unknownName, peek());
        if (name != Name::x) failNotLinear(bracket, peek());
        advance();
        part.hasX = true;
        part.power = readPowerOfX();
        // x･2: the coefficient behind it.
        if (!part.number && peekIs(Kind::times)) {
            advance();
            if (!peekIs(Kind::number)) {
                if (peekIs(Kind::end)) failNotClosed(bracket);
                failNotLinear(bracket, peek());
            }
            part.number = textOf(peek());
            advance();
        }
    }
};

// --- Writing -----------------------------------------------------------------

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A sign and a number as the line reads it, nothing else.
bool isPlainNumber(std::string_view text) {
    std::size_t p = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    return p < text.size() && numberEnd(text, p) == text.size();
}

template <class Number>
std::string shortest(Number value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The text of a parameter: as it was typed when that is a plain number of
// the same 32-bit value; else the fewest digits that read back to it,
// through the double a box reads first.
std::string numberText(float value, const std::string& typed) {
    if (isPlainNumber(typed) && sameBits(toSingle(readNumber(typed)), value)) return typed;
    const std::string text = shortest(value);
    if (sameBits(toSingle(readNumber(text)), value)) return text;
    return shortest(static_cast<double>(value));
}

std::string powerOfX(float n, const std::string& typed) {
    const std::string exponent = numberText(n, typed);
    return exponent == "1" ? "x" : "x^" + exponent;
}

// A factor's coefficient: nothing for 1, "-" for -1.
std::string coefficientBefore(const std::string& number) {
    if (number == "1") return "";
    if (number == "-1") return "-";
    return number;
}

// "+ 2" or "- 2" after something, from a signed text.
std::string joined(const std::string& number) {
    if (!number.empty() && number[0] == '-') return " - " + number.substr(1);
    return " + " + (!number.empty() && number[0] == '+' ? number.substr(1) : number);
}

std::string insideText(const Term& t) {
    const std::string c = numberText(t.c, t.typed.c);
    // A bracket without x is read as b = 0 and n = 1.
    if (sameBits(t.b, 0.0f) && sameBits(t.n, 1.0f)) return c;
    std::string text = coefficientBefore(numberText(t.b, t.typed.b)) + powerOfX(t.n, t.typed.n);
    if (!sameBits(t.c, 0.0f)) text += joined(c);
    return text;
}

}  // namespace

FormulaRead readFormula(std::string_view text) { return Reader(text).read(); }

std::vector<Term> FormulaRead::termList() const {
    std::vector<Term> list;
    for (const FormulaTerm& t : terms) list.push_back(t.term);
    return list;
}

std::string writeFormula(const std::vector<Term>& terms) {
    std::string line;
    for (const Term& t : terms) {
        std::string number, body;
        switch (t.shape) {
            case Shape::power:
                number = numberText(t.b, t.typed.b);
                body = powerOfX(t.n, t.typed.n);
                break;
            case Shape::exp: body = "exp(" + insideText(t) + ")"; break;
            case Shape::base: {
                std::string m = numberText(t.m, t.typed.m);
                if (m[0] == '+') m.erase(0, 1);
                body = m + "^(" + insideText(t) + ")";
                break;
            }
            case Shape::log: body = "ln(" + insideText(t) + ")"; break;
            case Shape::sin: body = "sin(" + insideText(t) + ")"; break;
            case Shape::cos: body = "cos(" + insideText(t) + ")"; break;
            case Shape::constant: number = numberText(t.k, t.typed.k); break;
        }
        if (t.shape != Shape::power && t.shape != Shape::constant) number = numberText(t.a, t.typed.a);
        if (t.shape != Shape::constant) number = coefficientBefore(number);
        // A coefficient runs into x or a name, but not into the number m.
        if (t.shape == Shape::base && !number.empty() && number != "-") number += "*";
        std::string term = number + body;
        if (line.empty()) {
            if (!term.empty() && term[0] == '+') term.erase(0, 1);
            line = term;
        } else {
            line += joined(term);
        }
    }
    return line;
}

const char* formulaMessage(FormulaFault fault) {
    namespace fm = messages::formula;
    switch (fault) {
        case FormulaFault::none: return "";
        case FormulaFault::unexpectedCharacter: return fm::unexpectedCharacter;
        case FormulaFault::unknownName: return fm::unknownName;
        case FormulaFault::termExpected: return fm::termExpected;
        case FormulaFault::unexpectedEnd: return fm::unexpectedEnd;
        case FormulaFault::twoSigns: return fm::twoSigns;
        case FormulaFault::unsupportedTerm: return fm::unsupportedTerm;
        case FormulaFault::exponentNotNumber: return fm::exponentNotNumber;
        case FormulaFault::exponentNeedsBrackets: return fm::exponentNeedsBrackets;
        case FormulaFault::bracketNeeded: return fm::bracketNeeded;
        case FormulaFault::bracketNotClosed: return fm::bracketNotClosed;
        case FormulaFault::bracketNotOpened: return fm::bracketNotOpened;
        case FormulaFault::insideNotLinear: return fm::insideNotLinear;
        case FormulaFault::baseNotPositive: return fm::baseNotPositive;
        case FormulaFault::numberTooLarge: return fm::numberTooLarge;
        case FormulaFault::tooManyTerms: return messages::tooManyTerms;
    }
    return "";
}

std::size_t formulaColumn(std::string_view text, std::size_t position) {
    std::size_t column = 1;
    for (std::size_t p = 0; p < position && p < text.size(); ++p) {
        if ((static_cast<unsigned char>(text[p]) & 0xC0) != 0x80) ++column;
    }
    return column;
}
