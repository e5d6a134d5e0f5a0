# Puts PROGRAM into the installed PREFIX/bin beside the program and runs it from there.
get_filename_component(name ${PROGRAM} NAME)
file(COPY ${PROGRAM} DESTINATION ${PREFIX}/bin)
execute_process(COMMAND ${PREFIX}/bin/${name} RESULT_VARIABLE rc)
file(REMOVE ${PREFIX}/bin/${name})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${name} run from ${PREFIX}/bin failed: ${rc}")
endif()
