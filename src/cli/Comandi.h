#pragma once
// The subcommands of ruotario-cli. Each takes its options and writes its
// result; it returns the exit status (usage errors throw ErroreUso).

#include <ostream>

#include "cli/Argomenti.h"

namespace ruotario::cli {

using Comando = int (*)(Argomenti& a, std::ostream& out, std::ostream& err);

int ComandoInfo(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoVerifica(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoImporta(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoEsporta(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoAggiorna(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoFiltra(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoEsempio(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoSpia(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoZevedive(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoKostanti(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoMiglioreAmbata(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoAbbinamenti(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoRitardi(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoSistema(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoPrevisioni(Argomenti& a, std::ostream& out, std::ostream& err);
int ComandoVerificaMetodo(Argomenti& a, std::ostream& out, std::ostream& err);

}  // namespace ruotario::cli
