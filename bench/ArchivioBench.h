#pragma once
// A generated archive of 32,767 records on disk, shared by the benchmarks,
// and the bare read every figure is measured against.

#include <string>

namespace ruotario::bench {

inline constexpr int kRecordBench = 32767;

// Path of the archive file, written once per run in the temporary folder.
const std::string& PercorsoArchivioBench();

// Reads the whole file into memory and counts its lines: the yardstick.
std::size_t LetturaNuda(const std::string& percorso);

}  // namespace ruotario::bench
