# SPDX-License-Identifier: GPL-3.0-or-later
# Every target of ours links kalvex_warnings for its warnings;
# CMAKE_COMPILE_WARNING_AS_ERROR (set by the test command) makes them errors.
add_library(kalvex_warnings INTERFACE)
target_compile_options(kalvex_warnings INTERFACE -Wall -Wextra -Wpedantic)
