# Writes the mdoc page SOURCE as the roff page OUTPUT that man(1) reads, with each
# "@purpose_<command>@" replaced by the command's purpose as the syntax description
# DESCRIPTION gives it (help's, from the tool's texts), and with SYSTEM (the product
# and its version) where a reader looks for it: in the footer, from ".Os", and in
# groff's header. groff 1.22's mdoc heads every page with
# "<operating system> General Commands Manual", the system being a fixed "BSD" unless
# the page sets the string it is taken from before ".Dt" (later groff and mandoc leave
# it out). The sources keep a bare ".Os", so that mandoc's lint of them stays quiet.
file(READ ${SOURCE} page)
file(READ ${DESCRIPTION} description)
string(JSON last_command LENGTH "${description}" commands)
math(EXPR last_command "${last_command} - 1")
foreach(command RANGE ${last_command})
  string(JSON word GET "${description}" commands ${command} word)
  string(JSON purpose GET "${description}" commands ${command} purpose)
  string(REPLACE "@purpose_${word}@" "${purpose}" page "${page}")
endforeach()
if(page MATCHES "@purpose_[a-z0-9_]+@")
  message(FATAL_ERROR "${SOURCE}: ${CMAKE_MATCH_0} names no command of the syntax description")
endif()
string(REGEX REPLACE "\n\\.Dt " "\n.ds doc-volume-operating-system ${SYSTEM}\n.Dt " page "${page}")
string(REGEX REPLACE "\n\\.Os\n" "\n.Os ${SYSTEM}\n" page "${page}")
file(WRITE ${OUTPUT} "${page}")
