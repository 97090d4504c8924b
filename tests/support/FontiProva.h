#pragma once
// Small published sources for the update's tests: three draws in each format,
// the records they give, and a ZIP built in memory with libzip.

#include <zip.h>

#include <string>
#include <utility>
#include <vector>

#include "support/ArchivioProva.h"

namespace ruotario::prova {

// 07/01/1939 Bari and Firenze; 14/01/1939 Bari and Cagliari; 04/05/2005 Bari and the Nazionale.
inline const std::string kStorico =
    "1939/01/07\tFI\t27\t57\t81\t43\t61\r\n1939/01/07\tBA\t58\t22\t47\t49\t69\r\n"
    "1939/01/14\tBA\t18\t77\t33\t62\t19\r\n1939/01/14\tCA\t1\t2\t3\t4\t5\r\n"
    "2005/05/04\tRN\t82\t18\t11\t60\t61\r\n2005/05/04\tBA\t10\t20\t30\t40\t50\r\n";
inline const std::string kRecA = Record("07/01/1939", {58, 22, 47, 49, 69, 0, 0, 0, 0, 0, 27, 57, 81, 43, 61});
inline const std::string kRecB = Record("14/01/1939", {18, 77, 33, 62, 19, 1, 2, 3, 4, 5});
inline const std::string kRecC = Record("04/05/2005", {10, 20, 30, 40, 50});
inline const std::string kNazC = "04/05/2005|8218116061|";

// The same draws as per-wheel files and as the semicolon CSV.
inline const std::vector<std::pair<std::string, std::string>> kPerRuota = {
    {"BARI.txt",
     "1939/01/07\tBA\t58\t22\t47\t49\t69\n1939/01/14\tBA\t18\t77\t33\t62\t19\n2005/05/04\tBA\t10\t20\t30\t40\t50\n"},
    {"CAGLIARI.txt", "1939/01/14\tCA\t1\t2\t3\t4\t5\n"},
    {"FIRENZE.txt", "1939/01/07\tFI\t27\t57\t81\t43\t61\n"},
    {"NAZIONALE.txt", "2005/05/04\tRN\t82\t18\t11\t60\t61\n"}};
inline const std::string kCsv =
    "data;ruota;numero1;numero2;numero3;numero4;numero5\n19390107;ba;58;22;47;49;69\n19390107;Firenze;27;57;81;43;61\n"
    "19390114;BARI;18;77;33;62;19\n19390114;CA;1;2;3;4;5\n20050504;BA;10;20;30;40;50\n20050504;rn;82;18;11;60;61\n";

inline std::string Zip(const std::vector<std::pair<std::string, std::string>>& file) {
  zip_error_t e;
  zip_error_init(&e);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &e);
  zip_source_keep(buffer);
  zip_t* z = zip_open_from_source(buffer, ZIP_TRUNCATE, &e);
  for (const auto& [nome, dati] : file)
    zip_file_add(z, nome.c_str(), zip_source_buffer(z, dati.data(), dati.size(), 0), ZIP_FL_ENC_UTF_8);
  zip_close(z);
  zip_source_open(buffer);
  zip_source_seek(buffer, 0, SEEK_END);
  std::string dati(static_cast<std::size_t>(zip_source_tell(buffer)), '\0');
  zip_source_seek(buffer, 0, SEEK_SET);
  zip_source_read(buffer, dati.data(), dati.size());
  zip_source_close(buffer);
  zip_source_free(buffer);
  return dati;
}

}  // namespace ruotario::prova
