#pragma once
// The system's error numbers as the program reports them inside its Italian
// messages. The texts are the program's own, so they read the same on a machine
// without an Italian locale.

#include <string>

namespace ruotario {

// "Permesso negato (errore 13)": the description of `codice` and its number.
std::string DescrizioneErrore(int codice);

// The same for the calling thread's errno.
std::string DescrizioneErrno();

}  // namespace ruotario
