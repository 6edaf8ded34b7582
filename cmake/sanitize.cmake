# VANTREL_SANITIZE: the core, its tools and their tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, plus the libFuzzer targets. Needs clang; no
# Qt part is built. Configured by scripts/common.sh in build-asan/.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "VANTREL_SANITIZE needs clang (-fsanitize=fuzzer)")
endif()
# Light optimisation and line tables only: quick to build on a small
# machine, still fast enough to fuzz, and stack traces name the lines.
set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-O1 -gline-tables-only")
# Every finding stops the program: no undefined behaviour is let through.
# fuzzer-no-link gives the fuzz targets the coverage of the code they drive.
add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
set(VANTREL_PARTS
  src
  tools/gamesdat
  tools/solitaire-deal
  tools/solitaire-solve
  src/shell/core         # the preference loader and writer, for their fuzz target
  tests
  tests/crosscheck
  fuzz
)
