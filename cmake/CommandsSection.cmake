# Writes a help2man include file for corvanta-cli: a COMMANDS section with
# each command's own --help (its options), then the hand-written sections
# (exit statuses, JSON fields) of STATIC.
# Arguments: -DCLI=path -DSTATIC=file -DOUTPUT=file
set(commands search query clicks types instruments name diagram sheet song songbook strum)
set(text "[COMMANDS]\n")
foreach(command ${commands})
  execute_process(COMMAND ${CLI} ${command} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "corvanta-cli ${command} --help: ${status}")
  endif()
  # The program by its name, not the build's path to it.
  string(REPLACE "${CLI}" "corvanta-cli" help "${help}")
  # roff: a leading dot or quote would start a request; backslashes escape.
  string(REPLACE "\\" "\\\\" help "${help}")
  string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" help "${help}")
  string(APPEND text ".SS ${command}\n.nf\n${help}.fi\n")
endforeach()
file(READ ${STATIC} static)
file(WRITE ${OUTPUT} "${text}${static}")
