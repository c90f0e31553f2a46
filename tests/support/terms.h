// SPDX-License-Identifier: GPL-3.0-or-later
// The six term functions. Each takes the module (for the failure flag and
// the message box), then x and the parameters of one slot in the order in
// which every caller passes them. A value that is not computable shows a
// message, sets evalFailed to 1 and yields 0.
#pragma once

class Kalvex;

double termPower(Kalvex& k, double x, double b, double n);
double termExp(Kalvex& k, double x, double a, double b, double n, double c);
double termPowBase(Kalvex& k, double x, double m, double a, double b, double n, double c);
double termLog(Kalvex& k, double x, double a, double b, double n, double c);
double termSin(Kalvex& k, double x, double a, double b, double n, double c);
double termCos(Kalvex& k, double x, double a, double b, double n, double c);

// The value of term `slot` at x through the term function of its shape;
// a constant is copied. Returns false for a shape code without a rule, in
// which case the caller keeps the slot's previous value.
bool termValueAt(Kalvex& k, int slot, double x, double& value);
