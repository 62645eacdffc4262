# Replays SESSION through REPLAY and compares stdout with EXPECTED.
execute_process(COMMAND ${REPLAY} INPUT_FILE ${SESSION} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "vorbento-replay exited with ${rc}: ${err}")
endif()
file(READ ${EXPECTED} expected)
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "replay of ${SESSION} differs from ${EXPECTED}; it printed:\n${out}")
endif()
