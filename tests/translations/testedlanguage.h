// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "language.h"

// The language the test program installed.
extern Language testedLanguage;
