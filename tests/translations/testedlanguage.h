#pragma once

#include "language.h"

// The language the test program installed.
extern Language testedLanguage;
