# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# lintian on the .deb: fails on any error or warning whose tag is not in ALLOWED (comma-separated).
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
find_deb(deb)
string(REPLACE "," ";" allowed "${ALLOWED}")
# Every tag is printed, however often it occurs; the exit status only says whether lintian ran.
execute_process(
    COMMAND ${LINTIAN} --fail-on none --tag-display-limit 0 --display-level ">=warning" ${deb}
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
message("${output}${errors}")
if(NOT status EQUAL 0)
    fail("lintian did not run through (status ${status})")
endif()
string(REPLACE "\n" ";" lines "${output}")
foreach(line IN LISTS lines)
    # E: kaludnik: tag-name [extra…]   (W: for warnings; package type in brackets for some)
    if(line MATCHES "^([EW]): ${PACKAGE}[^:]*: ([a-z0-9][a-z0-9+.-]*)")
        if(NOT CMAKE_MATCH_2 IN_LIST allowed)
            fail("${line}")
        endif()
    elseif(line MATCHES "^[EW]: ")
        fail("unread lintian line: ${line}")
    endif()
endforeach()
report()
