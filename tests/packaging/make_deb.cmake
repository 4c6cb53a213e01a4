# SPDX-FileCopyrightText: 2026 Ka ludnik team
# SPDX-License-Identifier: MIT
# Fixture: a fresh .deb of the build tree in DEB_DIR.
include(${CMAKE_CURRENT_LIST_DIR}/common.cmake)
file(REMOVE_RECURSE ${DEB_DIR})
set(config_args "")
if(CONFIG)
    set(config_args -C ${CONFIG})
endif()
execute_process(
    COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${DEB_DIR} ${config_args}
    COMMAND_ERROR_IS_FATAL ANY)
find_deb(deb)
