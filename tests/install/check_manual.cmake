# Checks a manual page: groff formats it without a warning (as lintian
# checks), it names the current version and, given PROGRAM, it mentions
# every option in the option list of the program's --help.
# Takes PAGE, VERSION, MAN and, for a program with options, PROGRAM.
set(ENV{LC_ALL} C.UTF-8)
set(ENV{MANROFFSEQ} "")
set(ENV{MANWIDTH} 80)
execute_process(COMMAND ${MAN} --warnings -E UTF-8 -l -Tutf8 -Z ${PAGE}
  OUTPUT_QUIET ERROR_VARIABLE warnings COMMAND_ERROR_IS_FATAL ANY)
if(warnings)
  message(FATAL_ERROR "${PAGE}: ${warnings}")
endif()

file(READ ${PAGE} page)
string(REPLACE "." "\\." version_pattern "${VERSION}")
if(NOT page MATCHES "(^|\n)\\.TH [^\n]*\"Sarovin ${version_pattern}\"")
  message(FATAL_ERROR "${PAGE}: the .TH line does not name Sarovin ${VERSION}")
endif()

if(NOT PROGRAM)
  return()
endif()
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
# The option list is the lines that start with two spaces and "--".
string(REGEX MATCHALL "\n  --[^\n]*" option_lines "${help}")
string(REGEX MATCHALL "--[a-z][a-z-]*" options "${option_lines}")
if(NOT options)
  message(FATAL_ERROR "${PROGRAM} --help lists no options")
endif()
list(REMOVE_DUPLICATES options)
set(missing "")
foreach(option IN LISTS options)
  # Manual pages write a minus sign as "\-".
  string(REPLACE "-" "\\-" written "${option}")
  string(FIND "${page}" "${written}" at)
  if(at EQUAL -1)
    list(APPEND missing ${option})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "${PAGE} does not mention: ${missing}")
endif()
