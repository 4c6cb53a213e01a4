# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# lupdate, run on the sources with the build's options, changes nothing in a committed .ts file:
# no message of the program is missing, none is left over, and the file is as lupdate writes it.
# usage: cmake -DLUPDATE=<lupdate> -DOPTIONS=<its options, blank-separated>
#              -DSOURCES=<file naming the sources> -DTS_DIR=<translations folder>
#              -DWORK_DIR=<scratch folder> -P translations_current.cmake
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
file(REMOVE_RECURSE ${WORK_DIR})
file(GLOB committed ${TS_DIR}/*.ts)
if(NOT committed)
    message(FATAL_ERROR "no .ts file in ${TS_DIR}")
endif()
file(COPY ${committed} DESTINATION ${WORK_DIR})
file(GLOB copies ${WORK_DIR}/*.ts)
execute_process(COMMAND ${LUPDATE} @${SOURCES} -ts ${copies} ${options}
    RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status})")
endif()

set(changed "")
foreach(file IN LISTS committed)
    get_filename_component(name ${file} NAME)
    file(SHA256 ${file} before)
    file(SHA256 ${WORK_DIR}/${name} after)
    if(NOT before STREQUAL after)
        execute_process(COMMAND diff -u ${file} ${WORK_DIR}/${name})
        list(APPEND changed ${name})
    endif()
endforeach()
if(changed)
    message(FATAL_ERROR "lupdate changes ${changed}: run "
        "`cmake --build <build folder> --target update_translations`, translate what it marks "
        "unfinished and commit the result")
endif()
