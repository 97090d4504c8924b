#include "archive/MemoriaGrande.h"

#include <gtest/gtest.h>

#include <numeric>

namespace ruotario {
namespace {

TEST(MemoriaGrande, VectorsKeepTheirContentsAcrossEverySize) {
  // Growing by doubling passes from the heap to pages of the system, small
  // ones and then huge ones, and back when shrunk.
  VettoreGrande<int> v;
  for (int i = 0; i < 3'000'000; ++i) v.push_back(i);
  long long somma = std::accumulate(v.begin(), v.end(), 0LL);
  EXPECT_EQ(somma, 3'000'000LL * 2'999'999 / 2);
  v.resize(1000);
  v.shrink_to_fit();
  EXPECT_EQ(v.back(), 999);
  VettoreGrande<char> esatto(kBloccoGrande + 1, 'x');
  EXPECT_EQ(esatto.front(), 'x');
  EXPECT_EQ(esatto.back(), 'x');
}

TEST(MemoriaGrande, BlocksAreWritableToTheirLastByte) {
  for (const std::size_t byte : {kBloccoGrande, std::size_t{3} << 20, (std::size_t{4} << 20) - 1}) {
    auto* p = static_cast<unsigned char*>(AllocaGrande(byte));
    p[0] = 1;
    p[byte - 1] = 2;
    EXPECT_EQ(p[0] + p[byte - 1], 3) << byte;
    LiberaGrande(p, byte);
  }
}

}  // namespace
}  // namespace ruotario
