# Runs the trace tool on a key script and compares its output with the committed one.
# -DTRACE=... -DFRAMES=... [-DSCRIPT=...] -DEXPECTED=... -DACTUAL=...
execute_process(COMMAND ${TRACE} ${FRAMES} ${SCRIPT} OUTPUT_FILE ${ACTUAL} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "particles-trace exited with ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL} RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  message(FATAL_ERROR "trace differs from ${EXPECTED}; see ${ACTUAL} (diff -u the two)")
endif()
