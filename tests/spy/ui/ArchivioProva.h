#pragma once
// Writes estrazioni.txt into a temporary folder and points the program at it.

#include <QTemporaryDir>
#include <fstream>

#include "app/Ambiente.h"
#include "support/ArchivioProva.h"

namespace ruotario::prova {

// Each item is Bari's five two-digit numbers run together ("0511121314").
inline void ScriviArchivio(const QTemporaryDir& cartella, const std::vector<std::string>& bari) {
  std::vector<std::vector<int>> numeri;
  for (const auto& b : bari)
    numeri.push_back({std::stoi(b.substr(0, 2)), std::stoi(b.substr(2, 2)), std::stoi(b.substr(4, 2)),
                      std::stoi(b.substr(6, 2)), std::stoi(b.substr(8, 2))});
  Stato().ArchivePath = cartella.filePath("estrazioni.txt").toStdString();
  std::ofstream(Stato().ArchivePath, std::ios::binary) << TestoBari(numeri);
}

}  // namespace ruotario::prova
