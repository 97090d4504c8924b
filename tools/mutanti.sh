#!/usr/bin/env bash
# Mutation run: applies each single-line fault of tools/mutanti.txt, one at a
# time, to a scratch copy of the sources, rebuilds it incrementally, runs the
# tests of the normal build and reverts the fault. Prints every fault that no
# test caught and the kill rate. The working tree is never touched.
#
#   tools/mutanti.sh [--rev REF] [--elenco FILE] [--solo NAME[,NAME...]]
#
#   --rev REF     mutate the sources of a commit (default: the working tree)
#   --elenco FILE the list of faults (default: tools/mutanti.txt)
#   --solo NAMES  only the named faults
#   --verifica    only check that every fault's line is found once
#
# RUOTARIO_MUTANTI_DIR (default /tmp/ruotario-mutanti) holds the copy and its
# build folder (Release, no benchmarks, ccache), kept between runs so that
# each run rebuilds only what changed. A fault whose line is not found (once)
# in its file is reported as skipped; one that does not compile is reported
# apart. Neither counts in the rate.
set -euo pipefail
radice="${RUOTARIO_RADICE:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$radice"

rev=""
elenco="$radice/tools/mutanti.txt"
solo=""
verifica=""
while [ $# -gt 0 ]; do
  case "$1" in
    --rev) rev="$2"; shift 2 ;;
    --elenco) elenco="$(realpath "$2")"; shift 2 ;;
    --solo) solo=",$2,"; shift 2 ;;
    --verifica) verifica=1; shift ;;
    *) echo "uso: $0 [--rev REF] [--elenco FILE] [--solo NOMI]" >&2; exit 2 ;;
  esac
done

lavoro="${RUOTARIO_MUTANTI_DIR:-/tmp/ruotario-mutanti}"
copia="$lavoro/sorgenti"
build="$lavoro/build"
mkdir -p "$copia"
[ -f /work/dev-env.sh ] && source /work/dev-env.sh
# Paths relative to the work folder: copies in other folders share the compiler cache.
export CCACHE_BASEDIR="$lavoro" CCACHE_NOHASHDIR=1

# The sources to mutate: the working tree's tracked and new files, or a commit.
origine="$radice"
if [ -n "$rev" ]; then
  origine="$lavoro/rev"
  rm -rf "$origine" && mkdir -p "$origine"
  git archive "$rev" | tar -x -C "$origine"
  (cd "$origine" && find . -type f | sed 's|^\./||') >"$lavoro/file.lst"
else
  git ls-files -co --exclude-standard >"$lavoro/file.lst"
fi

# Copy what differs (a fresh mtime, so make rebuilds it); drop what is gone.
while IFS= read -r f; do
  [ -f "$origine/$f" ] || continue
  if ! cmp -s "$origine/$f" "$copia/$f"; then
    mkdir -p "$copia/$(dirname "$f")"
    cp "$origine/$f" "$copia/$f"
  fi
done <"$lavoro/file.lst"
(cd "$copia" && find . -path ./.git -prune -o -type f -print | sed 's|^\./||') | sort >"$lavoro/copia.lst"
sort "$lavoro/file.lst" | comm -23 "$lavoro/copia.lst" - | while IFS= read -r f; do rm -f "$copia/$f"; done

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$copia" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRUOTARIO_BUILD_BENCH=OFF \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >"$lavoro/cmake.log"
fi

# Every test executable of the normal build, named after its source file:
# tests/<sub>/x_test.cpp is test_<sub>_x_test, tests/<sub>/ui/x_test.cpp test_<sub>_ui_x_test.
eseguibili() { # [sub/ or sub/ui/]: those of its folder only
  local profondita=()
  [ -n "$1" ] && profondita=(-maxdepth "$(($(tr -cd / <<<"$1" | wc -c) + 1))")
  (cd "$copia/tests" && find . "${profondita[@]}" -path "./$1*_test.cpp" | sed -E 's|^\./||; s|/ui/|_ui_|; s|/|_|; s|\.cpp$||; s|^|test_|' | sort)
}
compila() { # [target...]: all when none given
  local obiettivi=()
  for t in "$@"; do obiettivi+=(--target "$t"); done
  cmake --build "$build" -j2 "${obiettivi[@]}" >"$lavoro/build.log" 2>&1
}
# Runs the given test executables, one at a time, stopping at the first that
# fails; prints its name. Each runs all its cases in one process.
prova() {
  local t
  for t in "$@"; do
    if ! (cd "$build/tests" && QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype \
      timeout 300 "./$t" >"$lavoro/prova.log" 2>&1); then
      echo "$t"
      return 1
    fi
  done
}

# The list: blocks of "nome:", "file:", "da:" (the original line or a fragment
# of it, found exactly once in the file) and "a:" (its faulty replacement).
nomi=() files=() da=() a=()
nome="" file="" d="" r=""
aggiungi() {
  if [ -n "$nome" ]; then
    nomi+=("$nome") files+=("$file") da+=("$d") a+=("$r")
  fi
  nome="" file="" d="" r=""
}
while IFS= read -r riga || [ -n "$riga" ]; do
  case "$riga" in
    nome:*) aggiungi; nome="$(echo "${riga#nome:}" | xargs)" ;;
    file:*) file="$(echo "${riga#file:}" | xargs)" ;;
    da:*) d="${riga#da:}"; d="${d#"${d%%[![:space:]]*}"}" ;;
    a:*) r="${riga#a:}"; r="${r#"${r%%[![:space:]]*}"}" ;;
  esac
done <"$elenco"
aggiungi

trovaVolte() { # file fragment -> times found
  local testo senza
  testo="$(cat "$1"; printf x)"
  testo="${testo%x}"
  senza="${testo//"$2"/}"
  echo $(((${#testo} - ${#senza}) / ${#2}))
}

if [ -n "$verifica" ]; then
  for i in "${!nomi[@]}"; do
    f="$copia/${files[$i]}"
    v=0
    [ -f "$f" ] && v=$(trovaVolte "$f" "${da[$i]}")
    [ "$v" -eq 1 ] || printf '%-28s %s: riga trovata %d volte\n' "${nomi[$i]}" "${files[$i]}" "$v"
  done
  echo "${#nomi[@]} faults listed"
  exit 0
fi

echo "== Build of the unchanged copy"
compila || { tail -30 "$lavoro/build.log"; echo "the unchanged copy does not build" >&2; exit 1; }
mapfile -t tutti < <(eseguibili "")
if caduto=$(prova "${tutti[@]}"); then :; else
  tail -30 "$lavoro/prova.log"
  echo "$caduto fails on the unchanged copy: fix it first" >&2
  exit 1
fi

attivo=""
ripristina() {
  if [ -n "$attivo" ]; then
    cp "$origine/$attivo" "$copia/$attivo"
    attivo=""
  fi
}
trap ripristina EXIT
trap 'ripristina; exit 130' INT TERM

uccisi=0 vivi=0 saltati=0 rotti=0
sopravvissuti=() saltatiNomi=() rottiNomi=()
for i in "${!nomi[@]}"; do
  n="${nomi[$i]}" f="${files[$i]}"
  [ -z "$solo" ] || [[ "$solo" == *",$n,"* ]] || continue
  if [ ! -f "$copia/$f" ]; then
    saltati=$((saltati + 1)) saltatiNomi+=("$n (file $f)")
    printf '%-28s saltato: file assente\n' "$n"
    continue
  fi
  volte=$(trovaVolte "$copia/$f" "${da[$i]}")
  if [ "$volte" -ne 1 ]; then
    saltati=$((saltati + 1)) saltatiNomi+=("$n (riga trovata $volte volte)")
    printf '%-28s saltato: riga trovata %d volte\n' "$n" "$volte"
    continue
  fi
  testo="$(cat "$copia/$f"; printf x)"
  testo="${testo%x}"
  attivo="$f"
  printf '%s' "${testo/"${da[$i]}"/"${a[$i]}"}" >"$copia/$f"
  inizio=$SECONDS
  # First the tests of the fault's own folder (src/<sub>/ or src/<sub>/ui/),
  # built alone: cheap when they catch it; then, if they all pass, every test.
  sotto="$(dirname "${f#src/}")/"
  mapfile -t vicini < <(eseguibili "$sotto")
  mapfile -t altri < <(printf '%s\n' "${tutti[@]}" | grep -vxF -f <(printf '%s\n' "${vicini[@]}"))
  esito=""
  if ! compila "${vicini[@]}"; then
    esito="non compila"
  elif ! caduto=$(prova "${vicini[@]}"); then
    esito="ucciso da $caduto"
  elif ! compila; then
    esito="non compila"
  elif ! caduto=$(prova "${altri[@]}"); then
    esito="ucciso da $caduto"
  else
    esito="SOPRAVVIVE"
    vivi=$((vivi + 1)) sopravvissuti+=("$n  ($f: ${a[$i]})")
  fi
  case "$esito" in
    ucciso*) uccisi=$((uccisi + 1)) ;;
    "non compila") rotti=$((rotti + 1)) rottiNomi+=("$n") ;;
  esac
  ripristina
  printf '%-28s %s (%ds)\n' "$n" "$esito" $((SECONDS - inizio))
done
echo
echo "== Faults no test caught: $vivi"
for s in "${sopravvissuti[@]}"; do echo "  $s"; done
[ "$saltati" -eq 0 ] || { echo "== Skipped (line not found once): $saltati"; for s in "${saltatiNomi[@]}"; do echo "  $s"; done; }
[ "$rotti" -eq 0 ] || { echo "== Did not compile: $rotti"; for s in "${rottiNomi[@]}"; do echo "  $s"; done; }
totale=$((uccisi + vivi))
if [ "$totale" -gt 0 ]; then
  echo "== Killed $uccisi of $totale: $((uccisi * 1000 / totale / 10)).$((uccisi * 1000 / totale % 10))%"
fi
