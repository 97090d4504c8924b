#pragma once
// An invariant of a fuzz target: when it does not hold, abort so the fuzzer
// keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

#define VERIFICA(condizione)                                                                  \
  do {                                                                                        \
    if (!(condizione)) {                                                                      \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condizione); \
      std::abort();                                                                           \
    }                                                                                         \
  } while (0)
