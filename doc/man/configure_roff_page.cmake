# Writes the mdoc page SOURCE as the roff page OUTPUT that man(1) reads, with SYSTEM
# (the product and its version) where a reader looks for it: in the footer, from
# ".Os", and in groff's header. groff 1.22's mdoc heads every page with
# "<operating system> General Commands Manual", the system being a fixed "BSD" unless
# the page sets the string it is taken from before ".Dt" (later groff and mandoc leave
# it out). The sources keep a bare ".Os", so that mandoc's lint of them stays quiet.
file(READ ${SOURCE} page)
string(REGEX REPLACE "\n\\.Dt " "\n.ds doc-volume-operating-system ${SYSTEM}\n.Dt " page "${page}")
string(REGEX REPLACE "\n\\.Os\n" "\n.Os ${SYSTEM}\n" page "${page}")
file(WRITE ${OUTPUT} "${page}")
