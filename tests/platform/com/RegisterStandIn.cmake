# ctest -P script: `act-standin STEP` (register or unregister). Under an emulator (wine) only in
# a WINEPREFIX given explicitly, so that nothing is registered in the user's own prefix.
if(EMULATOR AND "$ENV{WINEPREFIX}" STREQUAL "")
  message(FATAL_ERROR "set WINEPREFIX to a throwaway prefix (scripts/test-windows.sh makes one); "
                      "the stand-in is not registered in the default one")
endif()
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${STEP} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "act-standin ${STEP} failed (${status})")
endif()
