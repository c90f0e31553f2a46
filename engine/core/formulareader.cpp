// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the formula line: a small recursive reader over the tokens of
// the line's plain text. Positions and pieces of faults are given back in
// the line as it was typed.
#include <optional>

#include "formula.h"
#include "formulatokens.h"
#include "numbertext.h"
#include "showntext.h"

namespace {

using formulaline::Kind;
using formulaline::PlainLine;
using formulaline::Token;

enum class NameKind { unknown, x, e, function };

struct Name {
    NameKind kind = NameKind::unknown;
    Shape shape = Shape::power;  // of a function
};

bool sameLetters(std::string_view lower, const char* name) {
    if (!name || lower.size() != std::char_traits<char>::length(name)) return false;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        char ch = name[i];
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        if (lower[i] != ch) return false;
    }
    return true;
}

// Names are read without case, so the program's own term texts ("Sin",
// "Log") read back beside the names the line writes ("sin", "ln").
Name nameOf(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    }
    if (lower == "x") return {NameKind::x};
    if (lower == "e") return {NameKind::e};
    for (const ShapeRule& rule : shapeRules()) {
        if (sameLetters(lower, rule.lineName) || sameLetters(lower, rule.function))
            return {NameKind::function, rule.shape};
    }
    return {};
}

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
    bool bracketedBase = false;  // (m)^(…), which may hold any m
};

// The box text of a coefficient or constant: the sign written before it
// joined to the number; a plus adds nothing, since the term text puts one
// where it belongs.
std::string signedText(bool negative, std::string_view number) {
    return (negative ? "-" : "") + std::string(number);
}

// The power of a/x^n as the power of a･x^-n.
std::string negated(const std::string& power) {
    if (!power.empty() && power[0] == '-') return power.substr(1);
    if (!power.empty() && power[0] == '+') return "-" + power.substr(1);
    return "-" + power;
}

FormulaFault formulaFaultOf(TermFault fault) {
    switch (fault) {
        case TermFault::tooManyTerms: return FormulaFault::tooManyTerms;
        case TermFault::numberTooLarge: return FormulaFault::numberTooLarge;
        case TermFault::numberTooSmall: return FormulaFault::numberTooSmall;
        case TermFault::none: return FormulaFault::none;
        // The boxes are always filled and the shape chosen: nothing else refuses.
        default: return FormulaFault::unsupportedTerm;
    }
}

class Reader {
public:
    explicit Reader(std::string_view line)
        : line(line),
          plain(formulaline::plainLine(line)),
          text(plain.text),
          tokens(formulaline::tokenize(text)) {}

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
    std::string_view line;
    PlainLine plain;
    std::string_view text;
    std::vector<Token> tokens;
    std::size_t at = 0;

    const Token& peek() const { return tokens[at]; }
    bool peekIs(Kind kind) const { return tokens[at].kind == kind; }
    bool peekIsSign() const { return peekIs(Kind::plus) || peekIs(Kind::minus); }
    bool peekIsX() const { return peekIs(Kind::name) && nameOf(textOf(peek())).kind == NameKind::x; }
    // A token that would run on into what came before without an operator.
    bool peekRunsOn() const { return peekIs(Kind::number) || peekIs(Kind::name) || peekIs(Kind::open); }
    void advance() {
        if (tokens[at].kind != Kind::end) ++at;
    }
    std::string_view textOf(const Token& t) const { return text.substr(t.begin, t.end - t.begin); }
    std::string_view between(std::size_t begin, std::size_t end) const {
        return end > begin ? text.substr(begin, end - begin) : std::string_view();
    }

    // Faults name the line as typed: the piece is a view of the plain text,
    // turned back into the characters it came from.
    [[noreturn]] void fail(FormulaFault fault, std::size_t position, std::string_view piece) const {
        std::string_view typed;
        if (!piece.empty()) {
            const auto begin = static_cast<std::size_t>(piece.data() - text.data());
            typed = plain.original(line, begin, begin + piece.size());
        }
        throw Stop{{fault, plain.lineOffset(line, position), shownText(typed)}};
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
            const std::size_t first = at;
            written.term.shape = readTerm(negative, first, written.term.typed);
            check(written, begin, first, static_cast<int>(terms.size()));
            written.begin = plain.lineOffset(line, begin);
            written.end = plain.to[tokens[at - 1].end - 1];
            terms.push_back(written);

            if (peekIsSign()) continue;
            if (peekIs(Kind::end)) return;
            if (peekIs(Kind::close)) failAt(FormulaFault::bracketNotOpened, peek());
            if (peekIs(Kind::bad)) failAt(FormulaFault::unexpectedCharacter, peek());
            fail(FormulaFault::unsupportedTerm, peek().begin, pieceFrom(first));
        }
    }

    // The checks of 追加, with the table holding the terms before this one.
    void check(FormulaTerm& written, std::size_t begin, std::size_t first, int count) const {
        const TermFault refusal = termFault(static_cast<int>(written.term.shape), written.term.typed, count);
        if (refusal != TermFault::none) fail(formulaFaultOf(refusal), begin, pieceFrom(first));
        written.term = termFrom(written.term.shape, written.term.typed);
    }

    // The factors of a product, up to what ends it.
    std::vector<Factor> readFactors(std::size_t first) {
        std::vector<Factor> factors;
        for (;;) {
            factors.push_back(readFactor());
            if (peekIs(Kind::divide)) {
                // a/x^n: only a coefficient is divided, and only by a power of x.
                if (factors.back().kind != Factor::number)
                    fail(FormulaFault::unsupportedTerm, peek().begin, pieceFrom(first));
                advance();
                factors.push_back(readDivisor(first));
            }
            if (peekIs(Kind::times)) {
                advance();
                continue;
            }
            if (peekRunsOn()) {
                if (factors.back().kind != Factor::number || peekIs(Kind::number))
                    fail(FormulaFault::unsupportedTerm, peek().begin, pieceFrom(first));
                continue;
            }
            if (peekIs(Kind::power)) fail(FormulaFault::unsupportedTerm, peek().begin, pieceFrom(first));
            return factors;
        }
    }

    // A product of factors: at most one number (the coefficient) and one
    // factor with x or a function. Juxtaposition multiplies only after the
    // coefficient ("3x", "2sin(x)"); anything else takes "*", "･" or "·".
    Shape readTerm(bool negative, std::size_t first, TermBoxes& boxes) {
        const std::vector<Factor> factors = readFactors(first);
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
            // A bare 0 is most likely a slip; (0)^(x) says it was meant.
            if (!body->bracketedBase && !tooSmallForSingle(body->base) &&
                !(toSingle(readNumber(body->base)) > 0))
                failAt(FormulaFault::baseNotPositive, tokens[body->token]);
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
                if (!peekIs(Kind::power))
                    return {Factor::number, first, std::string(textOf(t)), Shape::constant, {}, {}};
                advance();
                return {Factor::call, first, {}, Shape::base, std::string(textOf(t)), readExponentOfBase()};
            }
            case Kind::name: return readNamed(first);
            case Kind::open: return readBracketedBase(first);
            case Kind::plus:
            case Kind::minus:
                if (first > 0 &&
                    (tokens[first - 1].kind == Kind::plus || tokens[first - 1].kind == Kind::minus))
                    fail(FormulaFault::twoSigns, t.begin, between(tokens[first - 1].begin, t.end));
                failAt(FormulaFault::termExpected, t);
            case Kind::end: fail(FormulaFault::unexpectedEnd, t.begin, {});
            case Kind::bad: failAt(FormulaFault::unexpectedCharacter, t);
            default: failAt(FormulaFault::termExpected, t);
        }
    }

    // (m)^(…) with a signed number m: the way a base of 0 or below is
    // written, "(-2)^(x)" being no -(2^x). Any other bracket here is refused.
    Factor readBracketedBase(std::size_t first) {
        std::size_t j = first + 1;
        const bool negative = tokens[j].kind == Kind::minus;
        if (tokens[j].kind == Kind::minus || tokens[j].kind == Kind::plus) ++j;
        const bool isBase = tokens[j].kind == Kind::number && tokens[j + 1].kind == Kind::close &&
                            tokens[j + 2].kind == Kind::power;
        if (!isBase) fail(FormulaFault::unsupportedTerm, tokens[first].begin, pieceFrom(first));
        const std::string base = signedText(negative, textOf(tokens[j]));
        at = j + 3;
        Factor f{Factor::call, first, {}, Shape::base, base, readExponentOfBase()};
        f.bracketedBase = true;
        return f;
    }

    // What follows a/: x, x^n or (x^n), as the power of x it makes.
    Factor readDivisor(std::size_t first) {
        const std::size_t start = at;
        const bool bracketed = peekIs(Kind::open);
        if (bracketed) advance();
        if (!peekIsX()) {
            if (peekIs(Kind::end)) fail(FormulaFault::unexpectedEnd, peek().begin, {});
            fail(FormulaFault::unsupportedTerm, peek().begin, pieceFrom(first));
        }
        advance();
        const std::string power = readPowerOfX();
        if (bracketed) {
            if (peekIs(Kind::end))
                fail(FormulaFault::bracketNotClosed, tokens[start].begin,
                     between(tokens[start].begin, lastEnd()));
            if (!peekIs(Kind::close)) fail(FormulaFault::unsupportedTerm, peek().begin, pieceFrom(first));
            advance();
        }
        return {Factor::power, start, negated(power), Shape::power, {}, {}};
    }

    Factor readNamed(std::size_t first) {
        const Token t = peek();
        const Name name = nameOf(textOf(t));
        advance();
        switch (name.kind) {
            case NameKind::x: return {Factor::power, first, readPowerOfX(), Shape::power, {}, {}};
            case NameKind::e:
                // e by itself is no term of ours: only its powers are.
                if (!peekIs(Kind::power)) fail(FormulaFault::unsupportedTerm, t.begin, pieceFrom(first));
                advance();
                return {Factor::call, first, {}, Shape::exp, {}, readExponentOfBase()};
            case NameKind::unknown: failAt(FormulaFault::unknownName, t);
            case NameKind::function: break;
        }
        // log10(x), sin2(x): a name of ours with digits run on is another name.
        if (peekIs(Kind::number) && peek().begin == t.end)
            fail(FormulaFault::unknownName, t.begin, between(t.begin, peek().end));
        if (!peekIs(Kind::open)) fail(FormulaFault::bracketNeeded, peek().begin, textOf(t));
        return {Factor::call, first, {}, name.shape, {}, readBracket(first)};
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
                fail(FormulaFault::bracketNotClosed, tokens[first].begin,
                     between(tokens[first].begin, lastEnd()));
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
        } else if (peekIsX()) {
            advance();
            inner = {negative ? "-1" : "1", readPowerOfX(), ""};
        } else if (peekIs(Kind::end)) {
            fail(FormulaFault::unexpectedEnd, peek().begin, {});
        } else {
            fail(FormulaFault::exponentNeedsBrackets, peek().begin, pieceFrom(first));
        }
        if (peekRunsOn() || peekIs(Kind::power))
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
        if (peekRunsOn() || peekIs(Kind::power) || peekIs(Kind::times) || peekIs(Kind::divide))
            failNotLinear(bracket, peek());
        return part;
    }

    // A number in a bracket; a "*" after it must lead on to x.
    std::string readBracketCoefficient(const Bracket& bracket) {
        std::string number(textOf(peek()));
        advance();
        if (peekIs(Kind::times)) {
            advance();
            if (!peekIsX()) {
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
        if (name.kind == NameKind::unknown) failAt(FormulaFault::unknownName, peek());
        if (name.kind != NameKind::x) failNotLinear(bracket, peek());
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

}  // namespace

FormulaRead readFormula(std::string_view text) { return Reader(text).read(); }
