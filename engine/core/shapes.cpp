// SPDX-License-Identifier: GPL-3.0-or-later
#include "shapes.h"

#include "termfunctions.h"
#include "messages.h"

namespace {

constexpr ShapeBox boxA{"a", &TermBoxes::a}, boxB{"b", &TermBoxes::b}, boxN{"n", &TermBoxes::n},
    boxC{"c", &TermBoxes::c}, boxK{"k", &TermBoxes::k}, boxM{"m", &TermBoxes::m};

using core::Failures;
namespace mt = messages;

double powerValue(double x, const TermColumns& p, Failures& fs) { return core::power(x, p.b, p.n, fs); }
double expValue(double x, const TermColumns& p, Failures& fs) {
    return core::exponential(x, p.a, p.b, p.n, p.c, fs);
}
double baseValue(double x, const TermColumns& p, Failures& fs) {
    return core::powerOfBase(x, p.m, p.a, p.b, p.n, p.c, fs);
}
double logValue(double x, const TermColumns& p, Failures& fs) { return core::logarithm(x, p.a, p.b, p.n, p.c, fs); }
double sinValue(double x, const TermColumns& p, Failures& fs) { return core::sine(x, p.a, p.b, p.n, p.c, fs); }
double cosValue(double x, const TermColumns& p, Failures& fs) { return core::cosine(x, p.a, p.b, p.n, p.c, fs); }
double constantValue(double, const TermColumns& p, Failures&) { return p.k; }

// clang-format off
constexpr std::array<ShapeRule, shapeCount> rules{{
    {Shape::power,    "power",    &TermBoxes::b, mt::coefficientRequired, 2, {boxB, boxN},
     TextForm::power,     nullptr, nullptr, powerValue,    false, false},
    {Shape::exp,      "exp",      &TermBoxes::a, mt::coefficientRequired, 4, {boxA, boxB, boxN, boxC},
     TextForm::bracketed, "exp",   "exp",   expValue,      false, false},
    {Shape::base,     "base",     &TermBoxes::a, mt::coefficientRequired, 5, {boxM, boxA, boxB, boxN, boxC},
     TextForm::bracketed, nullptr, nullptr, baseValue,     false, true},
    {Shape::log,      "log",      &TermBoxes::a, mt::coefficientRequired, 4, {boxA, boxB, boxN, boxC},
     TextForm::bracketed, "Log",   "ln",    logValue,      true,  false},
    {Shape::sin,      "sin",      &TermBoxes::a, mt::coefficientRequired, 4, {boxA, boxB, boxN, boxC},
     TextForm::bracketed, "Sin",   "sin",   sinValue,      false, false},
    {Shape::cos,      "cos",      &TermBoxes::a, mt::coefficientRequired, 4, {boxA, boxB, boxN, boxC},
     TextForm::bracketed, "Cos",   "cos",   cosValue,      false, false},
    {Shape::constant, "constant", &TermBoxes::k, mt::nothingEntered,      1, {boxK},
     TextForm::constant,  nullptr, nullptr, constantValue, false, false},
}};
// clang-format on

// The table is indexed by the code: a row out of place would give one
// shape another's rule.
constexpr bool inCodeOrder() {
    for (int i = 0; i < shapeCount; ++i) {
        if (static_cast<int>(rules[i].shape) != i + 1) return false;
    }
    return true;
}
static_assert(inCodeOrder());

}  // namespace

bool shapeOf(int code, Shape& shape) {
    if (code < 1 || code > shapeCount) return false;
    shape = static_cast<Shape>(code);
    return true;
}

const ShapeRule& shapeRule(Shape shape) { return rules[static_cast<std::size_t>(shape) - 1]; }

const std::array<ShapeRule, shapeCount>& shapeRules() { return rules; }

bool shapeNamed(std::string_view name, Shape& shape) {
    for (const ShapeRule& rule : rules) {
        if (name == rule.name) {
            shape = rule.shape;
            return true;
        }
    }
    return false;
}
