# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# lupdate, run on the sources with the build's options (OPTIONS, blank-separated), changes nothing
# in a committed .ts file of TS_DIR: no message is missing or left over, and each file is as lupdate
# writes it. SOURCES names a file that lists the sources; the copies go to WORK_DIR.
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
file(REMOVE_RECURSE ${WORK_DIR})
file(GLOB committed ${TS_DIR}/*.ts)
file(COPY ${committed} DESTINATION ${WORK_DIR})
file(GLOB copies ${WORK_DIR}/*.ts)
execute_process(COMMAND ${LUPDATE} @${SOURCES} -ts ${copies} ${options} OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)
foreach(file IN LISTS committed)
    get_filename_component(name ${file} NAME)
    execute_process(COMMAND diff -u ${file} ${WORK_DIR}/${name} RESULT_VARIABLE differs)
    if(differs)
        list(APPEND changed ${name})
    endif()
endforeach()
if(changed OR NOT committed)
    message(FATAL_ERROR "lupdate changes ${changed}: run `cmake --build <build folder> --target "
        "update_translations`, translate what it marks unfinished and commit the result")
endif()
