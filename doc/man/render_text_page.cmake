# Renders the roff page SOURCE (as configure_roff_page.cmake wrote it) as the plain
# text page OUTPUT that "vexar man" prints, with SYSTEM in its footer:
# mandoc's ASCII form, without the backspaces with which it overstrikes bold and
# underlined letters (they would show as stray characters outside a pager).
execute_process(COMMAND ${MANDOC} -Tascii "-Ios=${SYSTEM}" ${SOURCE} OUTPUT_VARIABLE text RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "mandoc failed on ${SOURCE}")
endif()
string(ASCII 8 backspace)
string(REGEX REPLACE "[^\n]${backspace}" "" text "${text}")
file(WRITE ${OUTPUT} "${text}")
