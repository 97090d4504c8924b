#pragma once
// Every write of the archive's writers reaches the disk through Sincronizza:
// fsync of a file, or of its folder so that a rename lasts too. A test puts its
// own function in its place to see which files were synced, or to make a sync
// fail as a failing disk would: a kill cannot show a missing sync, since the
// system keeps what a killed process wrote.

namespace ruotario {

using FunzioneSincronizza = int (*)(int fd);

// fsync(fd), or the function put in its place; 0 on success, else -1 with errno.
int Sincronizza(int fd);

// Puts `f` in the place of fsync (nullptr puts fsync back); returns the one before.
FunzioneSincronizza ImpostaSincronizza(FunzioneSincronizza f);

}  // namespace ruotario
