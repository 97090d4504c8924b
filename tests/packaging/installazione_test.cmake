# Installs the build into a temporary prefix and runs the installed ruotario-cli
# there: the files in place, its version, and the data folder of an installed
# program (XDG_DATA_HOME, its default under HOME, RUOTARIO_DIR overriding),
# from the first start without an archive to an import.
# Inputs: BUILD, SORGENTE, VERSIONE, PROVA (a scratch folder, emptied first).

# controlla("<condition of if()>" "<message when false>")
function(controlla condizione messaggio)
  cmake_language(EVAL CODE "if(NOT (${condizione}))\n message(FATAL_ERROR [==[${messaggio}]==])\nendif()")
endfunction()

# esegui(<variabile prefix> ENV k=v... ARGS arg...): runs the installed tool with
# a clean data environment; sets <prefix>_RC, <prefix>_OUT, <prefix>_ERR.
function(esegui prefisso)
  cmake_parse_arguments(E "" "" "ENV;ARGS" ${ARGN})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=RUOTARIO_DIR --unset=XDG_DATA_HOME ${E_ENV}
            ${PROVA}/usr/bin/ruotario-cli ${E_ARGS}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${prefisso}_RC ${rc} PARENT_SCOPE)
  set(${prefisso}_OUT "${out}" PARENT_SCOPE)
  set(${prefisso}_ERR "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PROVA})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PROVA}/usr
                RESULT_VARIABLE rc OUTPUT_QUIET)
controlla("rc EQUAL 0" "cmake --install failed: ${rc}")

# Every file of data/ is shipped, whatever its name.
file(GLOB_RECURSE dati RELATIVE ${SORGENTE}/data ${SORGENTE}/data/*)
controlla("dati" "data/ is empty")
foreach(f IN LISTS dati)
  controlla("EXISTS ${PROVA}/usr/share/ruotario/${f}" "not installed: share/ruotario/${f}")
endforeach()
foreach(f IN ITEMS bin/ruotario bin/ruotario-cli share/applications/ruotario.desktop
                   share/icons/hicolor/scalable/apps/ruotario.svg share/icons/hicolor/64x64/apps/ruotario.png
                   share/man/man1/ruotario.1.gz share/man/man1/ruotario-cli.1.gz)
  controlla("EXISTS ${PROVA}/usr/${f}" "not installed: ${f}")
endforeach()
controlla("NOT EXISTS ${PROVA}/usr/bin/estrazioni.txt" "an archive was installed beside the program")

esegui(v ARGS --version)
controlla("v_RC EQUAL 0 AND v_OUT STREQUAL \"ruotario-cli ${VERSIONE}\n\"" "--version: ${v_RC} '${v_OUT}'")

# First start with no data folder: created, and the message names the archive in it.
set(xdg ${PROVA}/xdg)
esegui(m ENV XDG_DATA_HOME=${xdg} ARGS info)
controlla("m_RC EQUAL 1" "info without an archive: exit status ${m_RC}")
controlla("IS_DIRECTORY ${xdg}/ruotario" "the data folder was not created on first start")
string(FIND "${m_ERR}" "${xdg}/ruotario/estrazioni.txt" dove)
controlla("dove GREATER -1" "the missing-archive message does not name the data folder: ${m_ERR}")

# An archive imported into the data folder is the one `info` reads.
esegui(e ARGS esempio --estrazioni 37 --seme 5)
controlla("e_RC EQUAL 0" "esempio failed: ${e_ERR}")
file(WRITE ${PROVA}/scaricato.txt "${e_OUT}")
esegui(p ENV XDG_DATA_HOME=${xdg} ARGS importa ${PROVA}/scaricato.txt)
controlla("p_RC EQUAL 0 AND EXISTS ${xdg}/ruotario/estrazioni.txt" "importa: ${p_RC} ${p_ERR}")
esegui(i ENV XDG_DATA_HOME=${xdg} ARGS info --formato json)
controlla("i_RC EQUAL 0" "info failed: ${i_ERR}")
string(JSON conta GET "${i_OUT}" Estrazioni)
string(JSON percorso GET "${i_OUT}" Archivio)
controlla("conta EQUAL 37 AND percorso STREQUAL \"${xdg}/ruotario/estrazioni.txt\"" "info: ${i_OUT}")

# Without XDG_DATA_HOME the data folder is ~/.local/share/ruotario.
set(casa ${PROVA}/casa)
file(MAKE_DIRECTORY ${casa})
esegui(h ENV HOME=${casa} ARGS info --formato json)
controlla("h_RC EQUAL 1 AND IS_DIRECTORY ${casa}/.local/share/ruotario" "HOME default: ${h_ERR}")

# RUOTARIO_DIR overrides the installed layout too.
esegui(o ENV RUOTARIO_DIR=${xdg}/ruotario HOME=${casa} ARGS info --formato json)
controlla("o_RC EQUAL 0" "RUOTARIO_DIR: ${o_ERR}")
