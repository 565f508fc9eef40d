# Installs the build tree into a fresh prefix, then uses it from outside as a packager
# and a developer would: the installed tool runs (it finds its libraries and its
# catalogs), the catalog and completion scripts are in place, and a small C program
# builds and runs against the library both through find_package and through pkg-config.
#
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DCONSUMER_DIR=... -DC_COMPILER=... -DLIBDIR=lib
#         [-DC_FLAGS=-m32] [-DSANITIZE=address,undefined] [-DMAN_DIR=share/man] [-DGENCAT=gencat]
#         -P install_check.cmake

foreach(variable BUILD_DIR WORK_DIR CONSUMER_DIR C_COMPILER LIBDIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

# Runs a command; fails the test unless it exits 0 and its output matches `expect`.
function(check name expect)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name}: exit status ${status}\n${out}\n${err}")
  endif()
  if(NOT out MATCHES "${expect}")
    message(FATAL_ERROR "${name}: output does not match \"${expect}\":\n${out}\n${err}")
  endif()
  message(STATUS "${name}: ok")
endfunction()

check("install" "" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

foreach(file bin/vexar include/zornavx_cmdsyn/libzornavx_cmdsyn.h include/zornavx_cmdsyn/libzornaks.h
             ${LIBDIR}/cmake/zornavx_cmdsyn/zornavx_cmdsynConfig.cmake ${LIBDIR}/pkgconfig/zornavx_cmdsyn.pc
             share/locale/C/LC_MESSAGES/vexar_bin share/bash-completion/completions/vexar
             share/zsh/site-functions/_vexar share/fish/vendor_completions.d/vexar.fish share/vexar/vexar-syntax.json)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

set(record_of_p1 "\"command\": *\"lspacket\".*\"packets\": *\\[\"p1\"\\]")
check("installed tool runs" "${record_of_p1}" ${prefix}/bin/vexar lspacket -long p1)
check("installed tool completes" "(^|\n)lspacket\n" ${prefix}/bin/vexar --complete-words)
# The English catalog says what the built-in table says, through NLSPATH and found
# beside the tool without it.
set(unknown_word_in_english "vexar: Error: Unrecognized command: \"bogus_word\"\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env NLSPATH=${prefix}/share/locale/%L/LC_MESSAGES/%N LC_ALL=C
                        ${prefix}/bin/vexar bogus_word ERROR_VARIABLE err)
if(NOT err STREQUAL unknown_word_in_english)
  message(FATAL_ERROR "installed catalog: ${err}")
endif()
set(without_nlspath ${CMAKE_COMMAND} -E env --unset=NLSPATH --unset=LC_ALL --unset=LC_MESSAGES)
execute_process(COMMAND ${without_nlspath} LANG=C ${prefix}/bin/vexar bogus_word ERROR_VARIABLE err)
if(NOT err STREQUAL unknown_word_in_english)
  message(FATAL_ERROR "installed catalog without NLSPATH: ${err}")
endif()

# A translation put in the installed tree is found without NLSPATH: under the locale's
# name as `locale -a` spells it (C.utf8 for LANG=C.UTF-8), for the library's messages
# and for the purposes help lists (text 55 of the tool's catalog: lspacket's).
if(GENCAT)
  set(translated ${prefix}/share/locale/C.utf8/LC_MESSAGES)
  file(MAKE_DIRECTORY ${translated})
  file(WRITE ${WORK_DIR}/vexar_bin.msg "$quote \"\n$set 58\n29 \"Commande inconnue : %s\\n\"\n")
  file(WRITE ${WORK_DIR}/vexar_tool.msg "$quote \"\n$set 60\n55 \"Lister les paquets\"\n")
  foreach(catalog vexar_bin vexar_tool)
    check("compile a translated ${catalog}" "" ${GENCAT} ${translated}/${catalog} ${WORK_DIR}/${catalog}.msg)
  endforeach()
  execute_process(COMMAND ${without_nlspath} LANG=C.UTF-8 ${prefix}/bin/vexar bogus_word ERROR_VARIABLE err)
  if(NOT err STREQUAL "vexar: Error: Commande inconnue : bogus_word\n")
    message(FATAL_ERROR "translated catalog in the installed tree: ${err}")
  endif()
  check("translated purpose in the installed tree" "\n  lspacket +Lister les paquets\n" ${without_nlspath}
        LANG=C.UTF-8 ${prefix}/bin/vexar help)
endif()

# The manual, where the build made one (with mandoc): the installed tool finds its text
# pages beside itself; man finds a page through MANPATH; every installed page renders
# on its own, the links to the shared page too (man -l reads a link's target relative to
# the manual's root).
if(MAN_DIR)
  set(manual ${prefix}/${MAN_DIR})
  check("installed tool shows a text page" "List packets" ${CMAKE_COMMAND} -E env --unset=VX_HELP_ROOT
        ${prefix}/bin/vexar man lspacket)
  find_program(MAN man)
  if(MAN)
    check("man through MANPATH" "List packets" ${CMAKE_COMMAND} -E env MANPATH=${manual} MANPAGER=cat PAGER=cat
          ${MAN} vexar-lspacket)
    file(GLOB_RECURSE pages RELATIVE ${manual} ${manual}/*)
    if(NOT pages)
      message(FATAL_ERROR "no manual pages installed in ${manual}")
    endif()
    foreach(page ${pages})
      execute_process(COMMAND ${MAN} -l -P cat ${page} WORKING_DIRECTORY ${manual} RESULT_VARIABLE status
                      OUTPUT_VARIABLE out ERROR_VARIABLE err)
      if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "NAME")
        message(FATAL_ERROR "man -l ${page}: exit status ${status}\n${err}\n${out}")
      endif()
    endforeach()
    message(STATUS "man -l on each installed page: ok")
  endif()
endif()

# The build's own C flags (-m32 in a 32-bit build), then the sanitizers.
separate_arguments(flags UNIX_COMMAND "${C_FLAGS}")
if(SANITIZE)
  list(APPEND flags "-fsanitize=${SANITIZE}")
endif()
list(JOIN flags " " flags_text)
set(program_output "\"packets\": *\\[\"outside_packet\"\\].*\"detail_level\": *2.*\nlibzornavx_cmdsyn ")

# Through find_package.
check("configure with find_package" ""
      ${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer -DCMAKE_PREFIX_PATH=${prefix}
      -DCMAKE_C_COMPILER=${C_COMPILER} "-DCMAKE_C_FLAGS=${flags_text}" -DCMAKE_BUILD_TYPE=Debug)
check("build with find_package" "" ${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
check("run the find_package build" "${program_output}" ${WORK_DIR}/consumer/consumer)

# Through pkg-config.
find_program(PKG_CONFIG NAMES pkg-config pkgconf REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs zornavx_cmdsyn RESULT_VARIABLE status
                OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pkg-config does not know zornavx_cmdsyn")
endif()
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
check("build with pkg-config" "" ${C_COMPILER} ${flags} ${CONSUMER_DIR}/main.c ${pc_flags}
      -Wl,-rpath,${prefix}/${LIBDIR} -o ${WORK_DIR}/pkg_consumer)
check("run the pkg-config build" "${program_output}" ${WORK_DIR}/pkg_consumer)
