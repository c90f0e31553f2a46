// An equation's terms into a module, as the setting screen's 追加 would add
// them one after the other: the tests and the fuzz targets check with it
// that a file the reader accepts is one the window can load.
#pragma once

#include "equationfile.h"

class Kalvex;

// When the checks of adding refuse one of the terms, nothing is appended
// and the refusal's message is returned.
const char* loadTerms(Kalvex& k, const Equation& equation);
