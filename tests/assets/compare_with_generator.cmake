# Runs the generator into a fresh folder and fails unless every committed
# frame and icon file equals its output byte for byte, and nothing is
# missing on either side. Called with -DGENERATOR, -DASSETS and -DOUT.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}/frames" "${OUT}/icon")
execute_process(COMMAND "${GENERATOR}" "${OUT}/frames" "${OUT}/icon" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "velmora-frames failed: ${result}")
endif()

set(failures "")
foreach(folder frames icon)
    file(GLOB committed RELATIVE "${ASSETS}/${folder}" "${ASSETS}/${folder}/*")
    file(GLOB generated RELATIVE "${OUT}/${folder}" "${OUT}/${folder}/*")
    list(SORT committed)
    list(SORT generated)
    if(NOT committed STREQUAL generated)
        list(APPEND failures "${folder}: committed [${committed}], generated [${generated}]")
    endif()
    foreach(name IN LISTS generated)
        execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                                "${ASSETS}/${folder}/${name}" "${OUT}/${folder}/${name}"
                        RESULT_VARIABLE different)
        if(NOT different EQUAL 0)
            list(APPEND failures "${folder}/${name} differs from the generator's output")
        endif()
    endforeach()
endforeach()
if(failures)
    list(JOIN failures "\n" report)
    message(FATAL_ERROR "${report}\nRun `make frames` and commit the result.")
endif()
