// The download from a local server: a served ZIP updates the archive; an HTML
// page, a truncated ZIP, a missing file, an oversize one and an unsafe
// address leave it untouched; a cancelled download stops at once.
#include "update/Scaricamento.h"

#include <gtest/gtest.h>

#include "support/FontiProva.h"
#include "support/ServerHttpProva.h"
#include "update/Aggiornamento.h"

using namespace ruotario;
using namespace ruotario::prova;

TEST(Scaricamento, AServedZipUpdatesTheArchive) {
  ServerHttpProva server;
  server.Servi("/storico.zip", {Zip({{"storico.txt", kStorico}})});
  CartellaTemporanea dir;
  const std::string archivio = dir.Scrivi("estrazioni.txt", kRecA);
  std::int64_t ricevuti = 0;
  const EsitoAggiornamento e =
      AggiornaArchivio(archivio, {server.Indirizzo("/storico.zip")}, {}, false, [&](const AvanzamentoAggiornamento& a) {
        if (a.Fase == FaseAggiornamento::Scaricamento) ricevuti = a.Fatto;
        return true;
      });
  EXPECT_EQ(e.Stato, StatoAggiornamento::Aggiornato) << e.Messaggio;
  EXPECT_GT(ricevuti, 0);
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), Unisci({kRecA, kRecB, kRecC}));
}

TEST(Scaricamento, WhatIsNotTheArchiveLeavesItUntouched) {
  ServerHttpProva server;
  const std::string zip = Zip({{"storico.txt", kStorico}});
  server.Servi("/pagina", {"<html><head><title>Manutenzione</title></head></html>"});
  server.Servi("/rotto.zip", {zip.substr(0, zip.size() - 40)});
  server.Servi("/grande", {std::string(4096, 'x')});
  CartellaTemporanea dir;
  const std::string archivio = dir.Scrivi("estrazioni.txt", kRecA);
  const std::pair<std::string, std::string> casi[] = {
      {server.Indirizzo("/pagina"), "pagina web (HTML)"},
      {server.Indirizzo("/rotto.zip"), "danneggiato o incompleto"},
      {server.Indirizzo("/manca.zip"), "errore 404"},
      {"http://example.com/storico.zip", "solo gli indirizzi https://"},
      {"http://127.example.com/storico.zip", "solo gli indirizzi https://"},
      {"ftp://127.0.0.1/storico.zip", "solo gli indirizzi https://"},
  };
  for (const auto& [indirizzo, messaggio] : casi) {
    const EsitoAggiornamento e = AggiornaArchivio(archivio, {indirizzo}, {});
    EXPECT_EQ(e.Stato, StatoAggiornamento::Errore);
    EXPECT_NE(e.Messaggio.find(messaggio), std::string::npos) << e.Messaggio;
  }
  EXPECT_EQ(CartellaTemporanea::Leggi(archivio), kRecA);
  EXPECT_EQ(dir.ContaFile(""), 1);
  OpzioniScaricamento piccolo;
  piccolo.LimiteByte = 1024;
  EXPECT_NE(Scarica(server.Indirizzo("/grande"), piccolo).Errore.find("supera"), std::string::npos);
  // A local file over the limit is not read; in a folder it is skipped.
  const std::string grande = dir.Scrivi("grande.txt", kStorico + std::string(2048, '\n'));
  EXPECT_NE(LeggiFonti({grande}, {}, piccolo).Errore.find("supera"), std::string::npos);
  EXPECT_EQ(RecordArchivio(LeggiFonti({dir.File("")}, {}, piccolo)).size(), 1u);  // kRecA only
}

TEST(Scaricamento, ACancelledDownloadStopsAtOnce) {
  ServerHttpProva server;
  server.Servi("/lento.zip", {std::string(100000, 'x'), 200, 1000});
  OpzioniScaricamento o;
  o.Avanzamento = [](std::int64_t ricevuti, std::int64_t) { return ricevuti == 0; };
  const EsitoScaricamento e = Scarica(server.Indirizzo("/lento.zip"), o);
  EXPECT_TRUE(e.Annullato);
  EXPECT_FALSE(e);
}
