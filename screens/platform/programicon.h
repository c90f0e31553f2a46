// SPDX-License-Identifier: GPL-3.0-or-later
// The program icon, the standing hamster (48 × 48, 256 colours), compiled in
// from resources/ together with the nine toolbar images.
#pragma once

inline constexpr const char* programIconPath = ":/icon/kalvex48.png";
